// zrc: the program. Until the guide window exists it opens the main window
// directly.

#include "AppPaths.h"
#include "ExposeProbe.h"
#include "Main.h"
#include "WebView.h"
#include "zrc_version.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>

namespace {

// A font that has the Chinese texts on every system, at the designed size.
void setDefaultFont(QApplication &app)
{
    QFont font = app.font();
    QStringList families{QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"),
                         QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimSun")};
    families.append(font.families());
    font.setFamilies(families);
    font.setPointSize(9);
    app.setFont(font);
}

} // namespace

int main(int argc, char *argv[])
{
    prepareWebViews();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zrc"));
    QApplication::setApplicationVersion(QStringLiteral(ZRC_VERSION_STRING));
    AppPaths::init(QApplication::arguments());
    setDefaultFont(app);

    Main main;
    main.show();

    // ZRC_STARTUP_PROBE=1: print when the window is up with its lists filled
    // and quit (bench/startup).
    if (qEnvironmentVariableIsSet("ZRC_STARTUP_PROBE")) {
        new ExposeProbe(main.windowHandle(), [&main] {
            return main.Qiudui->count() > 0 && main.Xingming->count() > 0;
        });
    }
    return app.exec();
}
