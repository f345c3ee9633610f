// Speed of loading a sheet: 2,000 seeded complete builds of the bundled
// sample, each sheet loaded as the main window loads a paste (the database
// opened, a scratch engine made, the text found, replayed and compared).
// Prints the median and the worst load time.

#include "AbilitySheet.h"
#include "BuildGenerator.h"
#include "GameDatabase.h"
#include "SheetLoader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString path = QStringLiteral(ZRC_BENCH_SAMPLE_DIR "/ZRCdata.dat");
    const GameDatabase sample(path);
    if (!sample.exists()) {
        out << "no sample database at " << path << "\n";
        return 1;
    }
    BuildEngine made([&sample](const QString &name) { return sample.record(name); });
    BuildGenerator generator(20261208, sample.allCharacters());
    QStringList sheets;
    for (int i = 0; i < 2000; ++i) {
        generator.next(made);
        sheets << makeAbilitySheet(made, 3.2f, QStringLiteral("pages/author.html")).text();
    }

    std::vector<double> ms;
    int agreed = 0;
    QElapsedTimer timer;
    for (const QString &sheet : std::as_const(sheets)) {
        timer.start();
        const GameDatabase db(path);
        BuildEngine scratch([&db](const QString &name) { return db.record(name); });
        const SheetLoad load = loadSheet(sheet, scratch, db.allCharacters());
        ms.push_back(timer.nsecsElapsed() / 1e6);
        agreed += load.status == SheetLoad::Status::Agrees;
    }
    // The first load also compiles the post pattern and parses the
    // database file the profile module then keeps.
    out << "first load:     " << QString::number(ms.front(), 'f', 3) << " ms\n";
    std::sort(ms.begin(), ms.end());
    out << "sheets loaded:  " << ms.size() << " (" << agreed << " agree)\n";
    out << "median:         " << QString::number(ms[ms.size() / 2], 'f', 3) << " ms\n";
    out << "99th percentile: " << QString::number(ms[ms.size() * 99 / 100], 'f', 3) << " ms\n";
    out << "over 5 ms:      " << std::count_if(ms.begin(), ms.end(), [](double v) { return v > 5; }) << "\n";
    out << "worst:          " << QString::number(ms.back(), 'f', 3) << " ms\n";
    return agreed == int(ms.size()) ? 0 : 1;
}
