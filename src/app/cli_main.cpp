#include "CliCommands.h"
#include "QtTranslations.h"
#include "zrc_version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    // Only a command that draws gets a QGuiApplication, on the offscreen
    // platform unless one is asked for; the others never touch a display.
    std::unique_ptr<QCoreApplication> app;
    if (cliDraws(args)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("zrc-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRC_VERSION_STRING));
    loadQtTranslations(*app);
    return runCli(QCoreApplication::arguments().mid(1));
}
