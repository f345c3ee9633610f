// Opens the main window on a data folder and the comparison window beside it
// holding three builds with some marks, for the screenshot in docs/ (see
// docs/comparison.md):
//   comparison_window_shot --data-dir DIR --config FILE [--no-radar]
// It stays open until it is ended.

#include "AppFont.h"
#include "AppPaths.h"
#include "ClickLabel.h"
#include "ComboSelect.h"
#include "ComparisonWindow.h"
#include "ComparisonWiring.h"
#include "Main.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

namespace {

// Character, then LIST=ITEM picks in order.
const QList<QStringList> Builds{
    {QStringLiteral("韩子墨"), QStringLiteral("ZYe=SG"), QStringLiteral("Dji=16级"),
     QStringLiteral("Xlian=训练Ⅰ"), QStringLiteral("Vip=VIP")},
    {QStringLiteral("江浩然"), QStringLiteral("ZYe=SF"), QStringLiteral("Dji=31级")},
    {QStringLiteral("孟千山"), QStringLiteral("ZYe=PF"), QStringLiteral("Dji=45级"),
     QStringLiteral("Xlian=训练Ⅲ"), QStringLiteral("Vip=无VIP")},
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppPaths::init(QApplication::arguments());
    useProgramFont(app);

    Main main;
    wireComparison(main);
    main.show();
    main.Timer8->stop(); // no data-upgrade notice over the windows
    QTimer::singleShot(300, &main, [&] {
        Q_EMIT main.Label_NLDB->clicked(); // as a click on the link
        ComparisonWindow *w = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *c = qobject_cast<ComparisonWindow *>(top))
                w = c;
        if (!w)
            return;
        for (int n = 1; n <= Builds.size(); ++n) {
            const QStringList &build = Builds[n - 1];
            selectEntry(main.Xingming, build[0]);
            for (const QString &pick : build.mid(1))
                selectEntry(main.findChild<QComboBox *>(pick.section(u'=', 0, 0)), pick.section(u'=', 1));
            w->findChild<QPushButton *>(QStringLiteral("ComDR%1").arg(n))->click();
        }
        const auto mark = [w](const QString &name, Qt::MouseButton button) {
            w->Label_MouseDown(w->findChild<QLabel *>(name), button);
        };
        mark(QStringLiteral("Zonghe"), Qt::MiddleButton);
        mark(QStringLiteral("Zonghe3"), Qt::LeftButton);
        mark(QStringLiteral("Zonghe3"), Qt::MiddleButton);
        mark(QStringLiteral("Sanfen1"), Qt::LeftButton);
        mark(QStringLiteral("Tantiao3"), Qt::LeftButton);
        mark(QStringLiteral("Zhongtou2"), Qt::RightButton);
        mark(QStringLiteral("Sanfen"), Qt::RightButton);
        // And the chart of the three builds beside the window.
        if (!QApplication::arguments().contains(QStringLiteral("--no-radar")))
            w->RadarLink_Click();
    });
    return app.exec();
}
