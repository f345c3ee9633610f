#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Code page 936 (GBK), the one way into and out of it: the game database,
// the configuration, the readme, downloaded pages and old sheet files are
// all written in it. On Linux Qt reaches it through ICU; on Windows, whose
// Qt has no ICU, through the system's own converter for code page 936, so a
// Windows set to any other language reads the same text.
namespace CodePage936 {

// Bytes that do not decode come out as U+FFFD; a lead byte cut off at the
// end counts as one of them.
QString decode(QByteArrayView bytes);

// Characters the code page cannot hold are written as "?".
QByteArray encode(QStringView text);

// Loads the converter's tables, which the first decode would otherwise
// wait for. Safe on any thread: the program's start calls it on one of its
// own while the window system is being set up.
void prepare();

} // namespace CodePage936
