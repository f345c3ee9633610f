#include "CliCommands.h"
#include "QtTranslations.h"
#include "zrc_version.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zrc-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRC_VERSION_STRING));
    loadQtTranslations(app);
    return runCli(QCoreApplication::arguments().mid(1));
}
