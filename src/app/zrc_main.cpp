// zrc: the program. Until the guide window exists it opens the main window
// directly.

#include "AppFont.h"
#include "AppPaths.h"
#include "ConfigWriteNotice.h"
#include "ExposeProbe.h"
#include "Main.h"
#include "zrc_version.h"

#include <QApplication>
#include <QComboBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zrc"));
    QApplication::setApplicationVersion(QStringLiteral(ZRC_VERSION_STRING));
    AppPaths::init(QApplication::arguments());
    wireConfigWriteNotice();
    useProgramFont(app);

    Main main;
    main.show();

    // ZRC_STARTUP_PROBE=1: print when the window is up with its lists filled,
    // then quit (bench/startup).
    if (qEnvironmentVariableIsSet("ZRC_STARTUP_PROBE")) {
        // The box of teams always holds the all-characters entry once loaded.
        new ExposeProbe(main.windowHandle(), [&main] { return main.Qiudui->count() > 0; });
    }
    return app.exec();
}
