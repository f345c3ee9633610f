#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The commands of zrc-cli. Each takes the arguments after its name and
// returns the process exit status: 0 on success, 2 for bad input.
int runIniCommand(const QStringList &args);
int runBuildCommand(const QStringList &args);
int runLevelUpCommand(const QStringList &args);
int runPingCommand(const QStringList &args);
int runSheetCommand(const QStringList &args);
int runCardCommand(const QStringList &args);
int runDbCommand(const QStringList &args);
int runBestCommand(const QStringList &args);
int runLibraryCommand(const QStringList &args);

// An option a command accepts; `valueName` is empty for a switch.
struct CliOption {
    QStringList names; // without dashes: "data-dir", or "h" and "help"
    QString valueName;
    QString description;
};

// One row of zrc-cli's command table: what `zrc-cli --help` lists, what
// `zrc-cli NAME --help` prints, and the function that does the work. The
// dispatcher checks the options against `options` (an unknown one exits 2
// with the usage) and hands `run` the arguments after the name unchanged.
struct CliCommand {
    QString name;
    QString summary;     // one line in the list of commands
    QStringList usage;   // one or more lines after "zrc-cli "
    QString description; // paragraphs under the usage
    QList<CliOption> options;
    int (*run)(const QStringList &args);
};

const QList<CliCommand> &cliCommands();

// zrc-cli as a whole: `args` are the arguments after the program's name.
int runCli(const QStringList &args);

// Whether these arguments run a command that draws (card): only then does
// zrc-cli make a QGuiApplication. Help and version never draw.
bool cliDraws(const QStringList &args);
