#include "CliCommands.h"
#include "ProgramArguments.h"
#include "QtTranslations.h"
#include "zrc_version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace {

// Standard error holds zrc-cli's own words only: Qt's notes about the
// session it runs in (no XDG_RUNTIME_DIR without a login, say) are not the
// user's business. A fatal message still says why the program stops.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietQtMessages);
    const QStringList args = programArguments(argc, argv).mid(1);
    // Only a command that draws gets a QGuiApplication, on a platform that
    // shows nothing unless one is asked for; the others never touch a
    // display. Windows' own platform draws with the system's fonts and
    // opens no window unless asked to.
    std::unique_ptr<QCoreApplication> app;
    if (cliDraws(args)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
#ifdef Q_OS_WIN
            qputenv("QT_QPA_PLATFORM", "windows");
#else
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("zrc-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRC_VERSION_STRING));
    loadQtTranslations(*app);
    return runCli(QCoreApplication::arguments().mid(1));
}
