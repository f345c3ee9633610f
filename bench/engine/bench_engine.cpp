// Speed of the calculator: complete builds replayed through the engine (no
// widgets), and single picks through the settings pages offscreen, render
// included. Prints its figures; run with QT_QPA_PLATFORM=offscreen.

#include "BuildEngine.h"
#include "GameDatabase.h"
#include "SettingsPages.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

struct Pick {
    ListId list;
    QString item;
};
using Script = std::vector<Pick>;

Script script(std::initializer_list<const char *> picks)
{
    Script s;
    for (const char *p : picks) {
        const QString text = QString::fromUtf8(p);
        const qsizetype eq = text.indexOf(u'=');
        s.push_back({*listByName(text.left(eq)), text.mid(eq + 1)});
    }
    return s;
}

CharacterRecord record(const char *cls, const char *height, std::array<int, AbilityCount> v)
{
    CharacterRecord r;
    r.name = QString::fromUtf8(cls) + u"角色";
    r.positionClass = QString::fromUtf8(cls);
    r.height = QString::fromUtf8(height);
    for (int i = 0; i < AbilityCount; ++i)
        r.abilities[i] = QString::number(v[i]);
    return r;
}

struct Build {
    CharacterRecord character;
    Script picks;
};

std::vector<Build> builds()
{
    return {
        {record("C", "偏高", {8, 20, 42, 18, 8, 44, 42, 10, 10, 8, 42, 40}),
         script({"ZYe=C", "Dji=50级", "Xlian=训练Ⅳ", "Vip=VIP", "Youxie1=盖帽+11", "Youxie2=弹跳+10",
                 "Jiaqiangbao1=近投+2", "Jiaqiangbao2=篮板+2", "Xinshouzhuang=对抗+3", "Faxing=篮板龙头",
                 "Toubeibu=盖帽角", "Shoujianbu=灌篮+3", "Tuijiaobu=近投+3", "DuiyouA1=对抗角", "DuiyouA2=灌篮龙头",
                 "DuiyouB1=近投角", "DuiyouB2=弹跳龙头"})},
        {record("F", "偏高", {18, 44, 26, 18, 16, 26, 22, 16, 36, 14, 26, 24}),
         script({"ZYe=PF", "Dji=45级", "Xlian=训练Ⅱ", "Vip=VIP", "Youxie1=不选择", "Wuxie=不选择", "Shangyi1=三分+9",
                 "Shangyi2=灌篮+3", "Xiayi1=盖帽+7", "Xiayi2=运球+2", "Xiezi1=弹跳+9", "Xiezi2=对抗+3",
                 "Jiaqiangbao1=三分+2", "Jiaqiangbao2=抢断+2", "Xinshouzhuang=跑动+3", "Faxing=三分+3",
                 "Toubeibu=篮板角", "Shoujianbu=跑动+2", "Tuijiaobu=传球+1", "DuiyouA1=中投角", "DuiyouA2=运球龙头",
                 "DuiyouB1=跑动角", "DuiyouB2=近投龙头"})},
        {record("可选择", "可设置", {20, 40, 20, 20, 20, 20, 20, 20, 40, 20, 20, 20}),
         script({"ZYe=SG", "Dji=31级", "Sgao=偏矮", "Xlian=训练Ⅲ", "Vip=无VIP", "Youxie1=不选择", "Wuxie=三分+11",
                 "Xiezi1=跑动+7", "Xiezi2=弹跳+2", "Jiaqiangbao1=不选择", "Xinshouzhuang=不选择", "Faxing=跑动龙头",
                 "Toubeibu=跑动角", "Toubeibu=弹跳角", "Shoujianbu=不选择", "Tuijiaobu=不选择", "DuiyouA1=不选择",
                 "DuiyouA2=不选择", "DuiyouB1=不选择", "DuiyouB2=不选择"})},
    };
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Complete builds per second, from the character choice to the last teammate.
double buildsPerSecond(const std::vector<Build> &all, const BuildEngine::RecordSource &source, int seconds)
{
    BuildEngine engine(source);
    QElapsedTimer timer;
    timer.start();
    qint64 n = 0;
    while (timer.elapsed() < seconds * 1000) {
        for (int k = 0; k < 100; ++k, ++n) {
            const Build &b = all[n % all.size()];
            engine.Xingming_Click(b.character.name);
            for (const Pick &p : b.picks)
                engine.pick(p.list, p.item);
        }
    }
    return n * 1000.0 / timer.elapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const std::vector<Build> all = builds();

    auto inMemory = [&all](const QString &name) {
        for (const Build &b : all)
            if (b.character.name == name)
                return b.character;
        return CharacterRecord{};
    };
    buildsPerSecond(all, inMemory, 1); // warm up
    out << "engine, records given:      " << qRound(buildsPerSecond(all, inMemory, 3)) << " builds/s\n";

    // The same builds with each character read from the bundled sample.
    const GameDatabase db(QStringLiteral(ZRC_BENCH_SAMPLE_DIR "/ZRCdata.dat"));
    if (db.exists()) {
        std::vector<Build> sample = all;
        const char *names[] = {"雷震岳", "孟千山", "普通角色"};
        for (size_t i = 0; i < sample.size(); ++i)
            sample[i].character.name = QString::fromUtf8(names[i]);
        auto fromDb = [&db](const QString &name) { return db.record(name); };
        out << "engine, records from file:  " << qRound(buildsPerSecond(sample, fromDb, 3)) << " builds/s\n";
    }
    out.flush();

    // Picks through the settings pages: the combo's activated signal runs the
    // pick, the render and changed(), as a player's pick does.
    const Build &b = all[0];
    BuildEngine engine([&b](const QString &) { return b.character; });
    SettingsPages pages(engine);
    pages.show();
    QCoreApplication::processEvents();
    std::vector<double> ms, painted;
    QElapsedTimer timer;
    for (int round = 0; round < 300; ++round) {
        engine.Xingming_Click(b.character.name);
        pages.render(engine);
        QCoreApplication::processEvents();
        for (const Pick &p : b.picks) {
            QComboBox *combo = pages.combo(p.list);
            const int index = combo->findText(p.item);
            timer.start();
            Q_EMIT combo->activated(index);
            ms.push_back(timer.nsecsElapsed() / 1e6);
            // The paint that follows on the event loop.
            QCoreApplication::processEvents();
            painted.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    auto p90 = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() * 9 / 10];
    };
    out << "pick through the pages:     median " << QString::number(median(ms), 'f', 3) << " ms (90%: "
        << QString::number(p90(ms), 'f', 3) << " ms); with the paint that follows: median "
        << QString::number(median(painted), 'f', 3) << " ms (90%: " << QString::number(p90(painted), 'f', 3)
        << " ms), " << ms.size() << " picks\n";
    return 0;
}
