// zrc: the program. Until the guide window exists it opens the main window
// directly.

#include "AppFont.h"
#include "AppPaths.h"
#include "ExposeProbe.h"
#include "Main.h"
#include "QtTranslations.h"
#include "ZrcCommandLine.h"
#include "zrc_version.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>

int main(int argc, char *argv[])
{
    if (const int status = answerCommandLine(argc, argv); status >= 0)
        return status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zrc"));
    QApplication::setApplicationVersion(QStringLiteral(ZRC_VERSION_STRING));
    QApplication::setDesktopFileName(QStringLiteral("cn.zrc.assistant"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zrc-256.png")));
    useQtTranslations(app);
    AppPaths::init(QApplication::arguments());
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
