// zrc: the program. It starts with the guide window, which opens the main
// window.

#include "AppFont.h"
#include "AppPaths.h"
#include "ExposeProbe.h"
#include "Main.h"
#include "StartUpWiring.h"
#include "zrc_version.h"

#include <QApplication>
#include <QComboBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zrc"));
    QApplication::setApplicationVersion(QStringLiteral(ZRC_VERSION_STRING));
    AppPaths::init(QApplication::arguments());
    useProgramFont(app);

    Main main;
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
