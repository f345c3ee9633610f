// Opens the best-build window on the bundled sample with a search done, for
// the screenshot in docs/best-build.md:
//   best_build_shot CHARACTER ROW [LIST=ITEM]...
// The picks are made on the build first (the "current" column); the
// objective is the caption of ROW (0 … 12). It stays open until it is ended.

#include "BestBuildWindow.h"
#include "GameDatabase.h"

#include <QApplication>
#include <QComboBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    const QString name = args.value(0, QStringLiteral("林晓风"));
    const GameDatabase db(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/ZRCdata.dat"));
    BuildEngine build([&db](const QString &n) { return db.record(n); });
    build.Xingming_Click(name);
    for (const QString &pick : args.mid(2))
        build.pick(pick.section(u'=', 0, 0), pick.section(u'=', 1));
    BestBuildWindow window(build, [&db](const QString &n) { return db.record(n); });
    window.move(40, 40);
    window.open(args.value(1, QStringLiteral("9")).toInt());
    window.calculate();
    return app.exec();
}
