// zrc: the program. It starts with the guide window, which opens the main
// window.

#include "AppFont.h"
#include "AppPaths.h"
#include "ComparisonWiring.h"
#include "SheetWiring.h"
#include "AssistantWiring.h"
#include "ConfigWriteNotice.h"
#include "ExposeProbe.h"
#include "Main.h"
#include "ZoneWiring.h"
#include "QtTranslations.h"
#include "StartUpWiring.h"
#include "WebSandbox.h"
#include "ZrcCommandLine.h"
#include "zrc_version.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>

int main(int argc, char *argv[])
{
    if (const int status = answerCommandLine(argc, argv); status >= 0)
        return status;
    allowWebViewsAsRoot();
    QApplication app(argc, argv);
    loadQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("zrc"));
    QApplication::setApplicationVersion(QStringLiteral(ZRC_VERSION_STRING));
    QApplication::setDesktopFileName(QStringLiteral("cn.zrc.assistant"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zrc-256.png")));
    AppPaths::init(QApplication::arguments());
    wireConfigWriteNotice();
    useProgramFont(app);

    Main main;
    wireComparison(main);
    wireSheets(main);
    wireAssistants(main);
    wireZonePing(main);
    const auto guide = startThroughGuide(main);

    // ZRC_STARTUP_PROBE=1: print when the window is up with its lists filled,
    // then quit (bench/startup).
    if (qEnvironmentVariableIsSet("ZRC_STARTUP_PROBE")) {
        // The box of teams always holds the all-characters entry once loaded.
        main.winId(); // the window exists even while the guide's tour shows
        new ExposeProbe(main.windowHandle(), [&main] { return main.Qiudui->count() > 0; });
    }
    return app.exec();
}
