#pragma once

#include <QString>
#include <QStringView>

// Text from outside the program (a pasted sheet, a database, a file, the
// command line) made safe to print on a terminal: nothing in it can move
// the cursor, set the title, clear the screen or turn the line around.
//
// - C0 control characters and DEL become \xhh;
// - C1 control characters and the direction marks and embeddings (U+200E,
//   U+200F, U+202A–U+202E, U+2066–U+2069) become \uhhhh;
// - a backslash is doubled, so every backslash printed starts an escape.
//
// Tab, LF and CR stay as they are (line ends of multi-line text) unless
// `lineBreaks` is Escape, for a value that must stay on one line, such as
// a cell of a table.
namespace TerminalText {

enum class LineBreaks { Keep, Escape };

QString escaped(QStringView text, LineBreaks lineBreaks = LineBreaks::Keep);

// JSON text with the C1 characters and direction marks of its strings
// written as \uhhhh (its writer escapes only C0 characters): the same JSON
// to a reader, harmless to a terminal.
QString escapedJson(QStringView json);

} // namespace TerminalText
