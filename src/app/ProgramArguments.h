#pragma once

#include <QStringList>

// The program's arguments, its name first, before any application object
// exists. On Windows they are read as UTF-16 from the system, so a Chinese
// name arrives whole whatever the system's code page; elsewhere argv is
// decoded as the locale says.
QStringList programArguments(int argc, char *argv[]);
