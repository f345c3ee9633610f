#pragma once

#include <QStringList>

// The commands of zrc-cli. Each takes the arguments after its name and
// returns the process exit status: 0 on success, 2 for bad input.
int runIniCommand(const QStringList &args);
int runBuildCommand(const QStringList &args);
int runDbCommand(const QStringList &args);
