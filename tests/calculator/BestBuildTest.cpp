#include "BestBuildTest.h"

#include "BestBuild.h"
#include "BestBuildWindow.h"
#include "BonusTables.h"
#include "GameDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

namespace {

GameDatabase sample() { return GameDatabase(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/ZRCdata.dat")); }

std::array<double, AbilityCount> valuesOf(const BuildEngine &e)
{
    std::array<double, AbilityCount> v;
    for (int i = 0; i < AbilityCount; ++i)
        v[i] = e.abilityValue(i);
    return v;
}

// The cut-down space both sides see. The first page is fixed (one item per
// list, chosen by `seed` so the characters cover every level tier); every
// later list offers its first and last item, and the six horn and
// dragon-head lists also the item of one ability, `seed` mod 12, so those
// slots collide.
PickFilter cutDown(int seed)
{
    return [seed](const BestPick &p) {
        if (int(p.list) < int(ListId::Youxie1))
            return p.index == seed % p.count;
        const ItemInfo &info = Catalogue::instance().item(p.item);
        if (info.kind == ItemInfo::Horn || info.kind == ItemInfo::DragonHead)
            return info.ability == seed % AbilityCount;
        return p.index == 0 || p.index == p.count - 1;
    };
}

// A search request; the filter cuts the space down.
BestBuildRequest query(const CharacterRecord &record, const QList<BestConstraint> &constraints,
                       const BuildObjective &objective, const PickFilter &filter = {})
{
    BestBuildRequest r;
    r.record = record;
    r.constraints = constraints;
    r.objective = objective;
    r.filter = filter;
    return r;
}

struct Best {
    std::optional<Score> score;
    QStringList picks;
};

// Every complete build of the cut-down space, through the engine itself.
void enumerate(const BuildEngine &e, const PickFilter &filter, QStringList &path, std::array<Best, 13> &best,
               const std::array<BuildObjective, 13> &objectives)
{
    std::optional<ListId> next;
    for (int i = int(ListId::Dji); i < ListCount && !next; ++i)
        if (e.list(ListId(i)).enabled && e.list(ListId(i)).visible)
            next = ListId(i);
    if (!next && e.list(ListId::ZYe).text.isEmpty())
        next = ListId::ZYe;
    if (!next) {
        for (int k = 0; k < 13; ++k) {
            const Score s = *scoreOf(objectives[k], valuesOf(e));
            if (!best[k].score || s > *best[k].score)
                best[k] = {s, path};
        }
        return;
    }
    const QStringList items = e.list(*next).items;
    for (int i = 0; i < items.size(); ++i) {
        if (!filter({*next, i, int(items.size()), items[i]}))
            continue;
        BuildEngine after = e;
        const int refused = after.refused();
        after.pick(*next, items[i]);
        if (after.refused() != refused)
            continue;
        path.append(listName(*next) + u'=' + items[i]);
        enumerate(after, filter, path, best, objectives);
        path.removeLast();
    }
}

std::array<BuildObjective, 13> captions()
{
    std::array<BuildObjective, 13> o;
    for (int k = 0; k < 13; ++k)
        o[k] = BuildObjective::caption(k);
    return o;
}

// Replays the words and returns the engine, or fails on a refused or
// impossible pick.
std::optional<BuildEngine> replay(const CharacterRecord &record, const QList<BestPick> &picks)
{
    BuildEngine e([record](const QString &) { return record; });
    e.Xingming_Click(record.name);
    for (const BestPick &p : picks)
        if (!e.pick(p.list, p.item) || e.refused())
            return std::nullopt;
    return e;
}

struct Run {
    int status = -1;
    QString out, err;
};

Run cli(const QString &command, const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/zrc-cli"),
            QStringList{command, QStringLiteral("--data-dir"), QStringLiteral(ZRC_TEST_SAMPLE_DIR)} + args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

void BestBuildTest::matchesEnumeration()
{
    const GameDatabase db = sample();
    const QStringList names = db.allCharacters();
    QVERIFY(names.size() >= 40);
    const std::array<BuildObjective, 13> objectives = captions();
    for (int c = 0; c < names.size(); ++c) {
        const CharacterRecord record = db.record(names[c]);
        const PickFilter filter = cutDown(c);
        BuildEngine e([record](const QString &) { return record; });
        e.Xingming_Click(record.name);
        std::array<Best, 13> best;
        QStringList path;
        enumerate(e, filter, path, best, objectives);
        for (int k = 0; k < 13; ++k) {
            const BestBuildResult r = findBestBuild(query(record, {}, objectives[k], filter));
            const QString where = names[c] + u" / " + objectives[k].text;
            QVERIFY2(r.status == BestBuildResult::Found && best[k].score, qPrintable(where));
            QVERIFY2(r.score == *best[k].score,
                     qPrintable(where + u": " + scoreText(r.score) + u" ≠ " + scoreText(*best[k].score)));
            QCOMPARE(pickWords(r.picks).join(u' '), best[k].picks.join(u' '));
        }
    }
}

void BestBuildTest::answersReplayToTheirValues()
{
    const GameDatabase db = sample();
    const std::array<BuildObjective, 13> objectives = captions();
    for (const QString &name : db.allCharacters()) {
        const CharacterRecord record = db.record(name);
        for (const BuildObjective &objective : objectives) {
            const BestBuildResult r = findBestBuild(query(record, {}, objective));
            const QString where = name + u" / " + objective.text;
            QVERIFY2(r.status == BestBuildResult::Found, qPrintable(where));
            const std::optional<BuildEngine> e = replay(record, r.picks);
            QVERIFY2(e, qPrintable(where + u": " + pickWords(r.picks).join(u' ')));
            QVERIFY2(!e->list(ListId::DuiyouB2).enabled && !e->list(ListId::DuiyouB2).text.isEmpty(),
                     qPrintable(where + u": the build is not complete"));
            QVERIFY(*scoreOf(objective, valuesOf(*e)) == r.score);
            QVERIFY(valuesOf(*e) == r.values);
            QCOMPARE(e->totalText(), r.total);
        }
    }
}

void BestBuildTest::constraintsAreKept()
{
    const GameDatabase db = sample();
    // 50级 with 训练Ⅲ and VIP, position free: every answer holds the three.
    const QList<BestConstraint> fixed{{ListId::Dji, QStringLiteral("50级")},
                                      {ListId::Xlian, QStringLiteral("训练Ⅲ")},
                                      {ListId::Vip, QStringLiteral("VIP")}};
    const BestBuildResult r = findBestBuild(query(db.record(QStringLiteral("楚遥川")), fixed, BuildObjective::caption(9)));
    QCOMPARE(r.status, BestBuildResult::Found);
    for (const BestConstraint &c : fixed)
        QVERIFY(pickWords(r.picks).contains(listName(c.list) + u'=' + c.item));

    // A constraint that costs value is still kept, and the horn it forces
    // moves the others: 三分龙头 in the hair takes 三分 from every other slot.
    const BestBuildResult hair = findBestBuild(query(db.record(QStringLiteral("林晓风")),
                                                     {{ListId::Faxing, QStringLiteral("三分龙头")}},
                                                     BuildObjective::caption(9)));
    QCOMPARE(hair.status, BestBuildResult::Found);
    const QStringList words = pickWords(hair.picks);
    QVERIFY(words.contains(QStringLiteral("Faxing=三分龙头")));
    QCOMPARE(words.filter(QStringLiteral("三分角")).size() + words.filter(QStringLiteral("三分龙头")).size(), 1);

    // No build: the reason names the constraint after the ones it clashes with.
    const BestBuildResult clash = findBestBuild(query(db.record(QStringLiteral("林晓风")),
                                                      {{ListId::Toubeibu, QStringLiteral("跑动角")},
                                                       {ListId::Faxing, QStringLiteral("跑动龙头")}},
                                                      BuildObjective::caption(12)));
    QCOMPARE(clash.status, BestBuildResult::NoBuild);
    QCOMPARE(clash.reason, QStringLiteral("没有满足条件的配置：在 Faxing=跑动龙头 之后无法选择 Toubeibu=跑动角"));
}

void BestBuildTest::objectives_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("weights"); // twelve weights in millionths, or "" when refused
    QTest::newRow("ability") << u"三分"_qs << u"0 0 0 0 0 0 0 0 0 1000000 0 0"_qs;
    QTest::newRow("total") << u"综合"_qs << u"1000000 1000000 1000000 1000000 1000000 1000000 1000000 1000000 1000000 1000000 1000000 1000000"_qs;
    QTest::newRow("weighted") << u"三分=2,中投=0.5"_qs << u"0 0 0 0 0 0 0 0 500000 2000000 0 0"_qs;
    QTest::newRow("repeated name adds") << u"三分=1，三分=0.25"_qs << u"0 0 0 0 0 0 0 0 0 1250000 0 0"_qs;
    QTest::newRow("unknown ability") << u"投篮"_qs << QString();
    QTest::newRow("unknown weighted") << u"三分=1,投篮=1"_qs << QString();
    QTest::newRow("negative") << u"三分=-1"_qs << QString();
    QTest::newRow("all zero") << u"三分=0,中投=0"_qs << QString();
    QTest::newRow("not a number") << u"三分=x"_qs << QString();
    QTest::newRow("seven decimals") << u"三分=0.0000001"_qs << QString();
}

void BestBuildTest::objectives()
{
    QFETCH(QString, text);
    QFETCH(QString, weights);
    QString why;
    const std::optional<BuildObjective> o = BuildObjective::parse(text, &why);
    if (weights.isEmpty()) {
        QVERIFY(!o);
        QVERIFY(!why.isEmpty());
        return;
    }
    QVERIFY2(o, qPrintable(why));
    QStringList got;
    for (qint64 w : o->weight)
        got.append(QString::number(w));
    QCOMPARE(got.join(u' '), weights);
}

void BestBuildTest::cliAnswerReplaysThroughBuild()
{
    const QStringList query{QStringLiteral("陆星河"), QStringLiteral("Dji=50级"), QStringLiteral("Xlian=训练Ⅲ"),
                            QStringLiteral("Vip=VIP"), QStringLiteral("--maximise"), QStringLiteral("三分=2,中投=1")};
    const Run best = cli(QStringLiteral("best"), query);
    QCOMPARE(best.status, 0);
    const QStringList words = best.out.trimmed().split(u' ');
    QVERIFY(words.contains(QStringLiteral("Dji=50级")));
    QVERIFY(!best.out.contains(u'\n') || best.out.indexOf(u'\n') == best.out.size() - 1);

    const Run json = cli(QStringLiteral("best"), QStringList{QStringLiteral("--json")} + query);
    QCOMPARE(json.status, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    for (const char *key : {"character", "objective", "value", "picks", "abilities", "total", "searched", "ms"})
        QVERIFY2(o.contains(QLatin1String(key)), key);
    QCOMPARE(o[u"picks"].toArray().size(), words.size());

    const Run build = cli(QStringLiteral("build"), QStringList{QStringLiteral("--json"), QStringLiteral("陆星河")} + words);
    QCOMPARE(build.status, 0);
    QCOMPARE(build.err, QString());
    const QJsonObject state = QJsonDocument::fromJson(build.out.toUtf8()).object();
    const QJsonArray values = state[u"values"].toArray();
    double objective = 0;
    for (int i = 0; i < AbilityCount; ++i) {
        const QJsonValue v = values[i];
        const double number = v.isString() ? v.toString().toDouble() : v.toDouble();
        QCOMPARE(number, o[u"abilities"][Abilities[i].name.toString()].toDouble());
        objective += (i == 9 ? 2 : i == 8 ? 1 : 0) * number;
    }
    QCOMPARE(objective, o[u"value"].toDouble());
    QVERIFY(best.err.contains(u"目标  三分=2,中投=1 = " + QString::number(objective)));
}

void BestBuildTest::cliRefusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown character") << QStringList{u"无名氏"_qs, u"--maximise"_qs, u"三分"_qs} << u"没有这个角色"_qs;
    QTest::newRow("unknown objective") << QStringList{u"林晓风"_qs, u"--maximise"_qs, u"投篮"_qs} << u"未知的目标"_qs;
    QTest::newRow("no objective") << QStringList{u"林晓风"_qs} << u"缺少 --maximise"_qs;
    QTest::newRow("unknown list") << QStringList{u"林晓风"_qs, u"Toubu=x"_qs, u"--maximise"_qs, u"三分"_qs} << u"没有这个列表"_qs;
    QTest::newRow("level not offered") << QStringList{u"林晓风"_qs, u"ZYe=G"_qs, u"Dji=50级"_qs, u"--maximise"_qs, u"三分"_qs}
                                       << u"在 ZYe=G 之后无法选择 Dji=50级"_qs;
    QTest::newRow("refused horn") << QStringList{u"林晓风"_qs, u"DuiyouA1=三分角"_qs, u"Toubeibu=三分角"_qs,
                                                 u"--maximise"_qs, u"综合"_qs}
                                  << u"在 Toubeibu=三分角 之后无法选择 DuiyouA1=三分角"_qs;
    QTest::newRow("a repeated constraint, named once")
        << QStringList{u"林晓风"_qs, u"ZYe=G"_qs, u"ZYe=G"_qs, u"Xlian=无训练"_qs, u"ZYe=G"_qs, u"Dji=50级"_qs,
                       u"--maximise"_qs, u"三分"_qs}
        << u"zrc-cli best: 没有满足条件的配置：在 ZYe=G 之后无法选择 Dji=50级\n"_qs;
}

void BestBuildTest::cliRefusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, reason);
    const Run r = cli(QStringLiteral("best"), args);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(reason), qPrintable(r.err));
}

void BestBuildTest::windowSearchesOffTheGuiThread()
{
    const CharacterRecord record = sample().record(QStringLiteral("许青岚"));
    int reads = 0;
    BuildEngine main([record](const QString &) { return record; });
    main.Xingming_Click(record.name);
    for (const auto &[list, item] : {std::pair{ListId::ZYe, u"SG"_qs}, {ListId::Dji, u"50级"_qs},
                                     {ListId::Sgao, u"偏高"_qs}})
        QVERIFY(main.pick(list, item));
    BestBuildWindow w(main, [&reads, record](const QString &) { ++reads; return record; });
    w.open(9);
    QCOMPARE(w.windowTitle(), u"最佳配置 - ZR角色助手"_qs);
    QCOMPARE(w.objective->currentText(), u"三分"_qs);
    // Position, level and the chosen height can be kept; training and VIP
    // are not answered yet.
    QCOMPARE(w.keep[2]->text(), u"身高：偏高"_qs);
    QVERIFY(w.keep[2]->isEnabled());
    QVERIFY(!w.keep[3]->isEnabled());

    QSignalSpy done(&w, &BestBuildWindow::finished);
    w.calculateButton->click();
    QCOMPARE(reads, 1); // read on this thread, before the worker starts
    QVERIFY(w.status->text().startsWith(u"正在计算"));
    QVERIFY(!w.applyButton->isEnabled());
    QVERIFY(done.wait(10000));
    QCOMPARE(w.result().status, BestBuildResult::Found);
    const QStringList words = pickWords(w.result().picks);
    QVERIFY(words.mid(0, 3) == (QStringList{u"ZYe=SG"_qs, u"Dji=50级"_qs, u"Sgao=偏高"_qs}));
    QCOMPARE(w.values->item(9, 1)->text(), w.result().texts[9]);
    QVERIFY(w.picks->toPlainText().contains(u"职业：SG"_qs));

    QSignalSpy applied(&w, &BestBuildWindow::applyRequested);
    w.applyButton->click();
    QCOMPARE(applied.size(), 1);
    QCOMPARE(applied[0][0].toString(), record.name);

    // Another character while it searches: the search is dropped unseen.
    w.objective->setCurrentText(u"三分=2,中投=1"_qs);
    w.calculateButton->click();
    w.characterChanged();
    QVERIFY(!w.searching());
    QCOMPARE(w.status->text(), u"角色已改变，计算已取消。"_qs);
    QVERIFY(!done.wait(300));

    // Closing the window stops a search too.
    w.calculateButton->click();
    w.close();
    QVERIFY(!w.searching());
    QCOMPARE(w.status->text(), u"计算已取消。"_qs);

    // A bad objective is named, and nothing runs.
    w.objective->setCurrentText(u"三分=-1"_qs);
    w.calculateButton->click();
    QVERIFY(!w.searching());
    QVERIFY(w.status->text().contains(u"三分=-1"_qs));
}
