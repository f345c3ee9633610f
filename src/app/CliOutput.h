#pragma once

#include <QString>

#include <cstdio>

// Everything zrc-cli prints goes through here: UTF-8 text, exactly as
// given, to standard output or standard error, flushed at once. On Windows
// a console is written as UTF-16 instead, and line ends are never changed.
void writeOut(FILE *stream, const QString &text);
