// Speed of loading a sheet: 2,000 seeded complete builds of the bundled
// sample, each sheet loaded as the main window loads a paste (the database
// opened, a scratch engine made, the text found, replayed and compared).
// Prints the median and the worst load time.
//
// Then hostile inputs of about 1 MiB, each read as an opened file is (its
// bytes decoded, the text found and replayed) or refused as a paste over
// the limit is: lines that almost make a post, broken sheets before a good
// one, lines ending in CR alone, stray bytes, UTF-16. Each must load or be
// refused within 50 ms on a quiet machine; the fastest and slowest of five
// runs are shown.

#include "AbilitySheet.h"
#include "BuildGenerator.h"
#include "GameDatabase.h"
#include "SheetFile.h"
#include "SheetLoader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

// Lines that hold every fixed text of a post but its end: each used to cost
// a pattern match about 20 ms of backtracking.
QByteArray almostPosts(int lines)
{
    QByteArray line = "我的#Hoopra-";
    for (int i = 0; i < 8; ++i)
        line += "#（职业：，身高：，等级：，训练：）跑动，弹跳，对抗，传球，运球，篮板，盖帽，抢断，中投，三分，灌篮，近投，综合。（分享";
    line += "X自\n";
    return line.repeated(lines);
}

// Sheets broken at their last ability line, then the good sheet.
QByteArray brokenSheetsThenGood(const QString &good)
{
    QStringList lines = good.split(QStringLiteral("\r\n"));
    QStringList broken = lines.mid(0, 38);
    const QByteArray one = broken.join(u'\n').toUtf8() + "\n哈哈\n";
    return one.repeated(int(1000000 / one.size())) + good.toUtf8();
}

QByteArray toUtf16(const QString &text)
{
    QByteArray out("\xFF\xFE");
    out.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return out;
}

} // namespace

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

    // Hostile inputs, as a file (bytes) or a paste (text over the limit).
    const QString good = sheets.front();
    QString chatter;
    while (chatter.size() < 500000)
        chatter += QStringLiteral("老王：今天打得不错 Hoopra- 再来一局\r");
    QByteArray strayBytes = chatter.toUtf8();
    strayBytes.insert(100, "\xFF\xFE\x80");
    const struct {
        const char *name;
        QByteArray bytes;
        QString pasted; // non-empty: a paste, not a file
    } hostile[] = {
        {"almost-posts (720 lines, 1 MiB)", almostPosts(720), {}},
        {"almost-posts (100 lines, 144 KB)", almostPosts(100), {}},
        {"one 1 MiB line of \"Hoopra-\"", QByteArray("Hoopra-").repeated(150000), {}},
        {"broken sheets, then a good one", brokenSheetsThenGood(good), {}},
        {"chat with CR alone, then the sheet", chatter.toUtf8() + good.toUtf8(), {}},
        {"stray bytes in chat, GBK tried", strayBytes, {}},
        {"UTF-16 chat, then the sheet", toUtf16(chatter + good), {}},
        {"a 2 MB paste, refused", {}, QString::fromUtf8(almostPosts(1440))},
    };
    out << "\nhostile inputs (fastest and slowest of 5 runs):\n";
    for (const auto &h : hostile) {
        double worst = 0, fastest = 1e9;
        QString outcome;
        for (int run = 0; run < 5; ++run) {
            timer.start();
            const GameDatabase db(path);
            BuildEngine scratch([&db](const QString &name) { return db.record(name); });
            if (!h.pasted.isEmpty() && !SheetFile::withinLimit(h.pasted)) {
                outcome = QStringLiteral("refused");
            } else {
                const QString text = h.pasted.isEmpty() ? SheetFile::decode(h.bytes) : h.pasted;
                const SheetLoad load = loadSheet(text, scratch, db.allCharacters());
                outcome = load.loaded() ? QStringLiteral("loaded") : QStringLiteral("not loaded");
            }
            const double took = timer.nsecsElapsed() / 1e6;
            worst = std::max(worst, took);
            fastest = std::min(fastest, took);
        }
        out << "  " << QString::fromUtf8(h.name).leftJustified(38) << QString::number(fastest, 'f', 3).rightJustified(9)
            << QString::number(worst, 'f', 3).rightJustified(9) << " ms  " << outcome
            << (worst > 50 ? "  over 50 ms" : "") << "\n";
    }
    return agreed == int(ms.size()) ? 0 : 1;
}
