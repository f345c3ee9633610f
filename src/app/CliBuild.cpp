#include "CliCommands.h"

int runBuildCommand(const QStringList &) { return 2; }
