// Speed of "我的配置": 1,000 sheet files of seeded complete builds of the
// bundled sample in a fresh folder. Prints the time to list them (the game
// data copied out, every file read, replayed and compared) five times, and
// then, with the window listing them, the longest the event loop went
// without turning (a 1 ms timer's largest gap).
//
//     QT_QPA_PLATFORM=offscreen build/bin/bench_library

#include "AbilitySheet.h"
#include "AppPaths.h"
#include "BuildGenerator.h"
#include "BuildLibrary.h"
#include "GameDatabase.h"
#include "LibraryFolder.h"
#include "LibraryModel.h"
#include "LibraryWindow.h"
#include "SheetFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QString data = QStringLiteral(ZRC_BENCH_SAMPLE_DIR);
    const GameDatabase sample(data + u"/ZRCdata.dat");
    if (!sample.exists()) {
        out << "no sample database in " << data << "\n";
        return 1;
    }
    QTemporaryDir home;
    AppPaths::setDataDir(data);
    AppPaths::setConfigPath(home.filePath(QStringLiteral("ZRCconfig.ini")));
    const QString folder = home.filePath(QStringLiteral("builds"));
    QDir().mkpath(folder);

    BuildEngine made([&sample](const QString &name) { return sample.record(name); });
    BuildGenerator generator(20261208, sample.allCharacters());
    for (int i = 0; i < 1000; ++i) {
        generator.next(made);
        QFile f(QDir(folder).filePath(QStringLiteral("build-%1.txt").arg(i, 4, 10, QChar(u'0'))));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(SheetFile::encode(makeAbilitySheet(made, 3.2f, QStringLiteral("pages/author.html")).text()));
    }

    std::vector<double> ms;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const LibraryData snapshot = LibraryData::read(GameDatabase(data + u"/ZRCdata.dat"));
        QList<LibraryEntry> entries = readLibrary(folder, snapshot);
        sortLibrary(entries, LibraryColumn::FirstAbility + 9);
        ms.push_back(timer.nsecsElapsed() / 1e6);
        if (entries.size() != 1000)
            return 1;
    }
    out << "1000 files listed, 5 runs (ms):";
    for (double v : ms)
        out << ' ' << QString::number(v, 'f', 1);
    std::sort(ms.begin(), ms.end());
    out << "\nmedian " << QString::number(ms[2], 'f', 1) << " ms, worst " << QString::number(ms[4], 'f', 1) << " ms\n";

    // The window: made, shown and listing, while a 1 ms timer notes the
    // longest time between its ticks.
    LibraryFolder::choose(folder);
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    QEventLoop settle;
    QTimer::singleShot(50, &settle, &QEventLoop::quit);
    settle.exec();
    longest = 0;
    last = clock.nsecsElapsed();
    QElapsedTimer shown;
    shown.start();
    LibraryWindow window({});
    window.show();
    QEventLoop wait;
    QObject::connect(&window, &LibraryWindow::listed, &wait, &QEventLoop::quit);
    wait.exec();
    const double listedMs = shown.nsecsElapsed() / 1e6;
    // A few more turns, so the view paints its rows.
    QTimer::singleShot(100, &settle, &QEventLoop::quit);
    settle.exec();
    out << "window: " << window.model()->rowCount() << " rows listed " << QString::number(listedMs, 'f', 1)
        << " ms after it was made; longest event-loop stall " << QString::number(longest / 1e6, 'f', 1) << " ms\n";
    return 0;
}
