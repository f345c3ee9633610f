#include "CliCommands.h"

int runIniCommand(const QStringList &) { return 2; }
