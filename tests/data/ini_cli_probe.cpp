#include "CliCommands.h"

#include <QCoreApplication>

// Runs `zrc-cli ini …` with the words after "ini".
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return runIniCommand(QCoreApplication::arguments().mid(1));
}
