#include "TablesTest.h"

#include "BonusTables.h"
#include "TestRecords.h"

#include <QSet>
#include <QTest>

namespace {

std::array<double, AbilityCount> toArray(const Deltas &d)
{
    std::array<double, AbilityCount> a{};
    for (int i = 0; i < AbilityCount; ++i)
        a[i] = d[i];
    return a;
}

QString show(const std::array<double, AbilityCount> &a)
{
    QStringList s;
    for (double v : a)
        s.append(plainNumber(v));
    return s.join(u' ');
}

std::unique_ptr<BuildEngine> fifty(const QString &cls, const QString &height = QStringLiteral("中等"))
{
    return engineWith(makeRecord(QStringLiteral("测试"), cls, height, Fifty));
}

// A C at the given level, every outfit row up to (not including) `stop`
// answered 不选择.
std::unique_ptr<BuildEngine> centreUpTo(const QString &level, ListId stop)
{
    auto e = fifty(QStringLiteral("C"));
    e->pick(QStringLiteral("ZYe"), QStringLiteral("C"));
    e->pick(QStringLiteral("Dji"), level);
    e->pick(QStringLiteral("Xlian"), QStringLiteral("无训练"));
    e->pick(QStringLiteral("Vip"), QStringLiteral("无VIP"));
    for (ListId id : {ListId::Youxie1, ListId::Wuxie, ListId::Shangyi1, ListId::Xiayi1, ListId::Xiezi1,
                      ListId::Jiaqiangbao1, ListId::Xinshouzhuang, ListId::Faxing, ListId::Toubeibu,
                      ListId::Shoujianbu, ListId::Tuijiaobu, ListId::DuiyouA1, ListId::DuiyouA2, ListId::DuiyouB1}) {
        if (id == stop)
            break;
        e->pick(id, QStringLiteral("不选择"));
    }
    return e;
}

std::array<double, AbilityCount> only(int ability, double amount)
{
    std::array<double, AbilityCount> a{};
    a[ability] += amount;
    return a;
}

} // namespace

void TablesTest::tablesAgreeWithThemselves()
{
    for (const ReferenceRow &row : ReferenceRows) {
        int total = 0;
        for (int v : row.values)
            total += v;
        QCOMPARE(total, row.total);
    }
    // A freely choosable character's guard positions are its G row plus the
    // guard-to-PG and guard-to-SG rows.
    auto row = [](QStringView native, QStringView chosen) -> const Deltas & {
        for (const PositionBonusRow &r : PositionBonus)
            if (r.native == native && r.chosen == chosen)
                return r.bonus;
        qFatal("missing position row");
    };
    for (QStringView p : {u"PG", u"SG"})
        for (int i = 0; i < AbilityCount; ++i)
            QCOMPARE(row(u"可选择", p)[i], row(u"可选择", u"G")[i] + row(u"G", p)[i]);
    // Each 50级 row exceeds the 45级 row of its position by 0 or 1.
    for (const LevelBonusRow &r50 : LevelBonus) {
        if (r50.level != u"50级")
            continue;
        const LevelBonusRow *r45 = nullptr;
        for (const LevelBonusRow &r : LevelBonus)
            if (r.position == r50.position && r.level == u"45级")
                r45 = &r;
        QVERIFY(r45);
        for (int i = 0; i < AbilityCount; ++i)
            QVERIFY2(r50.bonus[i] - r45->bonus[i] == 0 || r50.bonus[i] - r45->bonus[i] == 1,
                     qPrintable(r50.position.toString() + u" 50级 " + Abilities[i].name.toString()));
    }
    // Training totals as published: 0, 12, 19, 36, 48.
    const int totals[] = {0, 12, 19, 36, 48};
    for (int r = 0; r < int(TrainingBonus.size()); ++r) {
        int t = 0;
        for (int v : TrainingBonus[r].bonus)
            t += v;
        QCOMPARE(t, totals[r]);
    }
}

void TablesTest::positionBonusForEveryPair()
{
    QSet<int> used;
    for (const QString &cls : {QStringLiteral("G"), QStringLiteral("F"), QStringLiteral("C"), QStringLiteral("可选择")}) {
        auto e = fifty(cls);
        const QStringList positions = e->list(ListId::ZYe).items;
        for (const QString &pos : positions) {
            QVERIFY(e->pick(QStringLiteral("ZYe"), pos));
            std::array<double, AbilityCount> want{};
            for (int r = 0; r < int(PositionBonus.size()); ++r) {
                const PositionBonusRow &row = PositionBonus[r];
                if ((row.native == u"any" || row.native == cls) && row.chosen == pos) {
                    want = toArray(row.bonus);
                    used.insert(r);
                }
            }
            const auto got = diff(values(*e), toDouble(Fifty));
            QVERIFY2(got == want, qPrintable(cls + u" playing " + pos + u" showed " + show(got) + u", expected "
                                             + show(want)));
        }
    }
    QCOMPARE(used.size(), qsizetype(PositionBonus.size()));
}

void TablesTest::levelBonusForEveryLevelOffered()
{
    QSet<int> used;
    const QList<QPair<QString, QString>> plays{{"C", "C"}, {"F", "F"}, {"F", "PF"}, {"F", "SF"},
                                               {"G", "G"}, {"G", "SG"}, {"G", "PG"}};
    for (const auto &[cls, pos] : plays) {
        auto e = fifty(cls);
        QVERIFY(e->pick(QStringLiteral("ZYe"), pos));
        const QStringList levels = e->list(ListId::Dji).items;
        for (const QString &level : levels) {
            QVERIFY(e->pick(QStringLiteral("ZYe"), pos));
            const auto before = values(*e);
            QVERIFY(e->pick(QStringLiteral("Dji"), level));
            std::array<double, AbilityCount> want{};
            for (int r = 0; r < int(LevelBonus.size()); ++r)
                if (LevelBonus[r].position == pos && LevelBonus[r].level == level) {
                    want = toArray(LevelBonus[r].bonus);
                    used.insert(r);
                }
            const auto got = diff(values(*e), before);
            QVERIFY2(got == want, qPrintable(pos + u" at " + level + u" gained " + show(got) + u", expected "
                                             + show(want)));
            QVERIFY(!e->list(ListId::Xlian).items.isEmpty());
        }
    }
    QCOMPARE(used.size(), qsizetype(LevelBonus.size()));
}

void TablesTest::heightTrainingAndVipRows()
{
    for (const HeightRow &row : HeightBonus) {
        auto e = fifty(QStringLiteral("G"), QStringLiteral("可设置"));
        PICKS(*e, {"ZYe", "G"}, {"Dji", "1级"});
        const auto before = values(*e);
        QVERIFY(e->pick(QStringLiteral("Sgao"), row.height.toString()));
        QCOMPARE(diff(values(*e), before), toArray(row.bonus));
    }
    for (const TrainingRow &row : TrainingBonus) {
        auto e = fifty(QStringLiteral("C"));
        PICKS(*e, {"ZYe", "C"}, {"Dji", "50级"});
        const auto before = values(*e);
        QVERIFY(e->pick(QStringLiteral("Xlian"), row.training.toString()));
        QCOMPARE(diff(values(*e), before), toArray(row.bonus));
    }
    for (const VipRow &row : VipBonus) {
        auto e = fifty(QStringLiteral("C"));
        PICKS(*e, {"ZYe", "C"}, {"Dji", "1级"}, {"Xlian", "无训练"});
        const auto before = values(*e);
        QVERIFY(e->pick(QStringLiteral("Vip"), row.vip.toString()));
        QCOMPARE(diff(values(*e), before), toArray(row.bonus));
    }
    // Training lists by level.
    auto e = fifty(QStringLiteral("C"));
    const QList<QPair<QString, int>> lengths{{"1级", 2}, {"11级", 2}, {"16级", 3}, {"31级", 4}, {"45级", 5}, {"50级", 5}};
    for (const auto &[level, n] : lengths) {
        PICKS(*e, {"ZYe", "C"}, {"Dji", level});
        QCOMPARE(e->list(ListId::Xlian).items.size(), n);
    }
}

void TablesTest::outfitListsByTier()
{
    auto low = centreUpTo(QStringLiteral("11级"), ListId::Youxie1);
    QCOMPARE(low->list(ListId::Youxie1).items,
             (QStringList{"不选择", "传球+7", "运球+7", "篮板+7", "盖帽+7", "抢断+7", "中投+7", "三分+7", "灌篮+7", "近投+7"}));
    QCOMPARE(low->list(ListId::Shangyi1).items, (QStringList{"不选择", "中投+5", "三分+5", "灌篮+5", "近投+5"}));
    QCOMPARE(low->list(ListId::Xiayi1).items, (QStringList{"不选择", "传球+5", "运球+5", "篮板+5", "盖帽+5", "抢断+5"}));
    QCOMPARE(low->list(ListId::Xiezi1).items, (QStringList{"不选择", "跑动+5", "弹跳+5", "对抗+5"}));
    auto high = centreUpTo(QStringLiteral("45级"), ListId::Youxie1);
    QCOMPARE(high->list(ListId::Xiezi1).items,
             (QStringList{"不选择", "跑动+5", "弹跳+5", "对抗+5", "跑动+7", "弹跳+7", "对抗+7", "跑动+9", "弹跳+9", "对抗+9"}));
    const QStringList shangyi = high->list(ListId::Shangyi1).items;
    QCOMPARE(shangyi.size(), 13);
    QCOMPARE(shangyi.mid(5, 4), (QStringList{"中投+7", "三分+7", "灌篮+7", "近投+7"}));
    QCOMPARE(high->list(ListId::Youxie1).items.last(), QStringLiteral("近投+11"));
    QCOMPARE(high->list(ListId::Youxie1).items[10], QStringLiteral("传球+9"));
    QCOMPARE(high->list(ListId::Xiayi1).items.size(), 16);
}

// Every first item, and for two-step items every second item it leads to,
// raises exactly the abilities it names by the amounts it names.
void TablesTest::everyOutfitItemRaisesWhatItNames()
{
    const Catalogue &c = Catalogue::instance();
    struct Row { ListId first, second; };
    const Row rows[] = {{ListId::Youxie1, ListId::Youxie2}, {ListId::Wuxie, ListId::Wuxie},
                        {ListId::Shangyi1, ListId::Shangyi2}, {ListId::Xiayi1, ListId::Xiayi2},
                        {ListId::Xiezi1, ListId::Xiezi2}};
    int checked = 0;
    for (const Row &row : rows) {
        const QStringList firsts = centreUpTo(QStringLiteral("50级"), row.first)->list(row.first).items;
        for (const QString &first : firsts) {
            if (first == u"不选择")
                continue;
            const ItemInfo &a = c.item(first);
            auto e = centreUpTo(QStringLiteral("50级"), row.first);
            const auto before = values(*e);
            QVERIFY(e->pick(row.first, first));
            const QStringList seconds = row.first == row.second ? QStringList{QString()} : e->list(row.second).items;
            if (a.amount == 5 || row.first == row.second) {
                QVERIFY2(diff(values(*e), before) == only(a.ability, a.amount), qPrintable(first));
                ++checked;
                continue;
            }
            QCOMPARE(values(*e), before); // nothing until the second part
            const int secondAmount = row.first == ListId::Youxie1 ? a.amount - 1 : (a.amount == 7 ? 2 : 3);
            for (const QString &second : seconds) {
                const ItemInfo &b = c.item(second);
                QCOMPARE(b.amount, secondAmount);
                QVERIFY2(b.ability != a.ability, qPrintable(first + u" pairs with its own ability"));
                auto f = centreUpTo(QStringLiteral("50级"), row.first);
                PICKS(*f, {listName(row.first), first}, {listName(row.second), second});
                auto want = only(a.ability, a.amount);
                want[b.ability] += b.amount;
                QVERIFY2(diff(values(*f), before) == want, qPrintable(first + u" then " + second));
                ++checked;
            }
        }
    }
    QVERIFY(checked > 100);
}

void TablesTest::decorationAndTeammateLists()
{
    auto e = centreUpTo(QStringLiteral("1级"), ListId::Youxie1);
    const QList<QPair<ListId, int>> counts{
        {ListId::Jiaqiangbao1, 5}, {ListId::Jiaqiangbao2, 5}, {ListId::Xinshouzhuang, 4}, {ListId::Faxing, 49},
        {ListId::Toubeibu, 49}, {ListId::Shoujianbu, 37}, {ListId::Tuijiaobu, 37}, {ListId::DuiyouA1, 13},
        {ListId::DuiyouA2, 13}, {ListId::DuiyouB1, 13}, {ListId::DuiyouB2, 13}};
    for (const auto &[id, n] : counts)
        QCOMPARE(e->list(id).items.size(), n);
    const QStringList faxing = e->list(ListId::Faxing).items;
    QCOMPARE(faxing.mid(0, 3), (QStringList{"不选择", "跑动龙头", "弹跳龙头"}));
    QCOMPARE(faxing[12], QStringLiteral("近投龙头"));
    QCOMPARE(faxing.mid(13, 2), (QStringList{"跑动+1", "弹跳+1"}));
    QCOMPARE(faxing[25], QStringLiteral("跑动+2"));
    QCOMPARE(faxing.last(), QStringLiteral("近投+3"));
    QCOMPARE(e->list(ListId::Toubeibu).items[1], QStringLiteral("跑动角"));
    QCOMPARE(e->list(ListId::Toubeibu).items.mid(13), faxing.mid(13));
    QCOMPARE(e->list(ListId::Shoujianbu).items.mid(1), faxing.mid(13));
    QCOMPARE(e->list(ListId::Tuijiaobu).items, e->list(ListId::Shoujianbu).items);
    QCOMPARE(e->list(ListId::DuiyouA1).items, e->list(ListId::Toubeibu).items.mid(0, 13));
    QCOMPARE(e->list(ListId::DuiyouA2).items, faxing.mid(0, 13));
    QCOMPARE(e->list(ListId::DuiyouB1).items, e->list(ListId::DuiyouA1).items);
    QCOMPARE(e->list(ListId::DuiyouB2).items, e->list(ListId::DuiyouA2).items);
    QCOMPARE(e->list(ListId::Xinshouzhuang).items, (QStringList{"不选择", "跑动+3", "弹跳+3", "对抗+3"}));
    // The same lists at every level.
    auto top = centreUpTo(QStringLiteral("50级"), ListId::Youxie1);
    for (const auto &[id, n] : counts)
        QCOMPARE(top->list(id).items, e->list(id).items);
}

void TablesTest::everyDecorationItemRaisesWhatItNames()
{
    const Catalogue &c = Catalogue::instance();
    for (ListId id : {ListId::Xinshouzhuang, ListId::Faxing, ListId::Toubeibu, ListId::Shoujianbu, ListId::Tuijiaobu,
                      ListId::DuiyouA1, ListId::DuiyouA2, ListId::DuiyouB1, ListId::DuiyouB2}) {
        const QStringList items = centreUpTo(QStringLiteral("1级"), id)->list(id).items;
        for (const QString &item : items) {
            auto e = centreUpTo(QStringLiteral("1级"), id);
            const auto before = values(*e);
            QVERIFY2(e->pick(id, item), qPrintable(listName(id) + u" " + item));
            const ItemInfo &info = c.item(item);
            const auto want = item == u"不选择" ? std::array<double, AbilityCount>{} : only(info.ability, info.amount);
            QVERIFY2(diff(values(*e), before) == want, qPrintable(listName(id) + u" " + item + u" raised "
                                                                  + show(diff(values(*e), before))));
            QCOMPARE(e->refused(), 0);
            QVERIFY2(!e->list(id).enabled, qPrintable(listName(id) + u" stayed open after " + item));
        }
    }
}
