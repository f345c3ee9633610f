// Opens the main window on a data folder with a character chosen and a
// build begun, for the screenshot in docs/ (see docs/main-window.md):
//   main_window_shot --data-dir DIR --config FILE [--announce] [TEAM CHARACTER POSITION LEVEL] [LIST=ITEM]...
// --announce also opens the announcement window; each LIST=ITEM is then
// picked in the list of that name, as a person would.
// It stays open until it is ended.

#include "AppFont.h"
#include "AppPaths.h"
#include "ComboSelect.h"
#include "Main.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppPaths::init(QApplication::arguments());
    useProgramFont(app);

    QStringList picks, later;
    for (const QString &arg : QApplication::arguments().mid(1)) {
        if (arg.startsWith(u'-') || arg.contains(u'/'))
            continue;
        (arg.contains(u'=') ? later : picks).append(arg);
    }
    if (picks.size() != 4)
        picks = {QStringLiteral("南湖锦鲤"), QStringLiteral("韩子墨"), QStringLiteral("SG"), QStringLiteral("16级")};

    Main main;
    main.show();
    main.Timer8->stop(); // no data-upgrade notice over the windows
    QTimer::singleShot(300, &main, [&] {
        selectEntry(main.Qiudui, picks[0]);
        selectEntry(main.Xingming, picks[1]);
        selectEntry(main.findChild<QComboBox *>(QStringLiteral("ZYe")), picks[2]);
        selectEntry(main.findChild<QComboBox *>(QStringLiteral("Dji")), picks[3]);
        for (const QString &pick : later)
            selectEntry(main.findChild<QComboBox *>(pick.section(u'=', 0, 0)), pick.section(u'=', 1));
        if (QApplication::arguments().contains(QStringLiteral("--announce")))
            main.L_GG_Click();
    });
    return app.exec();
}
