#pragma once

#include "CliCommands.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

// The help texts of zrc and zrc-cli share one layout: a usage line, a
// description, then one line per option with the descriptions aligned.

// "  -h, --help      显示本帮助。" for each option, each line ending in '\n'.
QString optionLines(const QList<CliOption> &options);

QCommandLineOption parserOption(const CliOption &option);

// The help and version switches every command line accepts.
CliOption helpOption();
CliOption versionOption();

// Writes text to stdout or stderr at once (see CliOutput.h).
void writeOut(const QString &text);
void writeErr(const QString &text);
