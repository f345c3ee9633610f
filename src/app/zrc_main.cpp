// zrc: the program. It starts with the guide window, which opens the main
// window.

#include "AppFont.h"
#include "AppPaths.h"
#include "CodePage936.h"
#include "BestBuildWiring.h"
#include "ComparisonWiring.h"
#include "SheetWiring.h"
#include "LibraryWiring.h"
#include "AssistantWiring.h"
#include "ConfigWriteNotice.h"
#include "ExposeProbe.h"
#include "Main.h"
#include "ProgramIcon.h"
#include "ZoneWiring.h"
#include "QtTranslations.h"
#include "StartUpWiring.h"
#include "WebSandbox.h"
#include "ZrcCommandLine.h"
#include "zrc_version.h"

#include <QApplication>
#include <QComboBox>

#include <thread>

int main(int argc, char *argv[])
{
    // ZRC_STARTUP_PROBE=1 prints each stage's end (bench/startup).
    ExposeProbe::stage("main");
    if (const int status = answerCommandLine(argc, argv); status >= 0)
        return status;
    ExposeProbe::stage("command-line");
    // The database is GBK: the converter loads on another thread while the
    // application connects to the window system.
    const std::jthread gbk(CodePage936::prepare);
    allowWebViewsAsRoot();
    QApplication app(argc, argv);
    ExposeProbe::stage("application");
    loadQtTranslations(app);
    ExposeProbe::stage("translations");
    QApplication::setApplicationName(QStringLiteral("zrc"));
    QApplication::setApplicationVersion(QStringLiteral(ZRC_VERSION_STRING));
    QApplication::setDesktopFileName(QStringLiteral("cn.zrc.assistant"));
    useProgramIconAfterFirstPaint();
    AppPaths::init(QApplication::arguments());
    wireConfigWriteNotice();
    useProgramFont(app);
    ExposeProbe::stage("settings");

    Main main;
    ExposeProbe::stage("main-window");
    wireComparison(main);
    wireSheets(main);
    wireLibrary(main);
    wireAssistants(main);
    wireZonePing(main);
    wireBestBuild(main);
    const auto guide = startThroughGuide(main);
    ExposeProbe::stage("guide");

    // ZRC_STARTUP_PROBE=1: print when the window is up with its lists filled,
    // and what was loaded by then, then quit (bench/startup, tests/app).
    if (ExposeProbe::enabled()) {
        // The box of teams always holds the all-characters entry once loaded.
        main.winId(); // the window exists even while the guide's tour shows
        new ExposeProbe(main.windowHandle(), [&main] { return main.Qiudui->count() > 0; }, [] {
            QStringList lines;
            for (const QString &file : installedQtTranslations())
                lines.append(QStringLiteral("translator ") + file);
            return lines;
        });
    }
    return app.exec();
}
