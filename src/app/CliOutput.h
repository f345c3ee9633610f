#pragma once

#include <QString>

#include <cstdio>

// Everything zrc-cli prints goes through here: UTF-8 text to standard
// output or standard error, flushed at once. Text is escaped for the
// terminal (see TerminalText.h), since the values it quotes come from
// outside; JSON keeps its own escapes (see TerminalText::escapedJson). On
// Windows a console is written as UTF-16 instead, and line ends are never
// changed.
enum class CliText { Escaped, Json };
void writeOut(FILE *stream, const QString &text, CliText kind = CliText::Escaped);
