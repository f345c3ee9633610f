#include "StackingTest.h"

#include "TestRecords.h"

#include <QTest>

namespace {

struct Slot {
    ListId list;
    const char16_t *suffix; // 龙头 or 角
};
const Slot Slots[6] = {{ListId::Faxing, u"龙头"},   {ListId::Toubeibu, u"角"}, {ListId::DuiyouA1, u"角"},
                       {ListId::DuiyouA2, u"龙头"}, {ListId::DuiyouB1, u"角"}, {ListId::DuiyouB2, u"龙头"}};

// A C at 1级 with every row before the hairstyle answered 不选择.
std::unique_ptr<BuildEngine> atHairstyle()
{
    auto e = engineWith(makeRecord(QStringLiteral("雷震岳"), QStringLiteral("C"), QStringLiteral("中等"), Fifty));
    for (const auto &[list, item] : QList<QPair<QString, QString>>{
             {"ZYe", "C"}, {"Dji", "1级"}, {"Xlian", "无训练"}, {"Vip", "无VIP"}, {"Youxie1", "不选择"},
             {"Wuxie", "不选择"}, {"Shangyi1", "不选择"}, {"Xiayi1", "不选择"}, {"Xiezi1", "不选择"},
             {"Jiaqiangbao1", "不选择"}, {"Xinshouzhuang", "不选择"}})
        e->pick(list, item);
    return e;
}

// Answers slot k; the plain decoration rows between the slots get 不选择.
bool answer(BuildEngine &e, int k, const QString &item)
{
    const bool ok = e.pick(Slots[k].list, item);
    if (k == 1 && !e.list(ListId::Toubeibu).enabled) {
        e.pick(ListId::Shoujianbu, QStringLiteral("不选择"));
        e.pick(ListId::Tuijiaobu, QStringLiteral("不选择"));
    }
    return ok;
}

QString special(int k, const QString &ability) { return ability + QString::fromUtf16(Slots[k].suffix); }

} // namespace

void StackingTest::sameAbilityInTwoSlots_data()
{
    QTest::addColumn<int>("earlier");
    QTest::addColumn<int>("later");
    QTest::addColumn<QString>("repick"); // 不选择, or another ability's item
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            for (const QString &repick : {QStringLiteral("不选择"), QStringLiteral("弹跳")})
                QTest::addRow("slot %d then slot %d, then %s", i + 1, j + 1, qPrintable(repick)) << i << j << repick;
}

void StackingTest::sameAbilityInTwoSlots()
{
    QFETCH(int, earlier);
    QFETCH(int, later);
    QFETCH(QString, repick);
    auto e = atHairstyle();
    const double base = e->totalText().toDouble();
    for (int k = 0; k < 6; ++k) {
        if (k == later) {
            const QString before = texts(*e).join(u' ');
            const QString total = e->totalText();
            const QString focus = e->focus();
            QVERIFY(answer(*e, k, special(k, QStringLiteral("跑动"))));
            QVERIFY2(e->refused() == 1, "the same ability was given a second special +3");
            QCOMPARE(texts(*e).join(u' '), before);
            QCOMPARE(e->totalText(), total);
            QCOMPARE(e->focus(), focus);
            QVERIFY2(e->list(Slots[k].list).enabled, "the refused list closed; the player could not pick again");
            QCOMPARE(e->list(Slots[k].list).text, special(k, QStringLiteral("跑动")));
            QVERIFY(answer(*e, k, repick == u"不选择" ? repick : special(k, repick)));
            QVERIFY(!e->list(Slots[k].list).enabled);
        } else {
            QVERIFY(answer(*e, k, k == earlier ? special(k, QStringLiteral("跑动")) : QStringLiteral("不选择")));
        }
    }
    QCOMPARE(e->refused(), 1);
    QCOMPARE(e->abilityText(0), QStringLiteral("53")); // a C at 1级 keeps 50, plus one +3
    QCOMPARE(e->totalText().toDouble() - base, repick == u"不选择" ? 3.0 : 6.0);
    QCOMPARE(e->page(), Page::Frame2);
    QCOMPARE(e->tip(), QStringLiteral("请查看设定后的最终能力值。[ 点击能力值可查看说明 ]"));
}

void StackingTest::differentAbilitiesAreAccepted()
{
    const QStringList abilities{"跑动", "弹跳", "对抗", "传球", "运球", "篮板"};
    auto e = atHairstyle();
    const double base = e->totalText().toDouble();
    for (int k = 0; k < 6; ++k)
        QVERIFY(answer(*e, k, special(k, abilities[k])));
    QCOMPARE(e->refused(), 0);
    QCOMPARE(e->totalText().toDouble() - base, 18.0);
    QCOMPARE(e->hornKey(HornSlot::FaxingJiao).value(), QStringLiteral("跑动角"));
    QCOMPARE(e->hornKey(HornSlot::DuiyouAJiao).value(), QStringLiteral("传球角"));
    QCOMPARE(e->hornKey(HornSlot::DuiyouBJiao).value(), QStringLiteral("篮板角"));
}

void StackingTest::plusItemsAreNeverCompared()
{
    auto e = atHairstyle();
    const QString start = e->abilityText(0);
    PICKS(*e, {"Faxing", "跑动龙头"}, {"Toubeibu", "跑动+3"});
    QCOMPARE(e->refused(), 0);
    QCOMPARE(e->abilityText(0).toDouble() - start.toDouble(), 6.0);

    // No dragon-head hairstyle: every horn of slot one is accepted, and with
    // slot one answered by a +n item, every horn of teammate A too.
    auto f = atHairstyle();
    PICKS(*f, {"Faxing", "中投+2"}, {"Toubeibu", "中投角"}, {"Shoujianbu", "不选择"}, {"Tuijiaobu", "不选择"},
          {"DuiyouA1", "三分角"});
    QCOMPARE(f->refused(), 0);
    QVERIFY(!f->hornKey(HornSlot::FaxingJiao));
    auto g = atHairstyle();
    PICKS(*g, {"Faxing", "不选择"}, {"Toubeibu", "近投+1"}, {"Shoujianbu", "不选择"}, {"Tuijiaobu", "不选择"},
          {"DuiyouA1", "近投角"});
    QCOMPARE(g->refused(), 0);
}

void StackingTest::refusedDragonHeadKeepsItsKey()
{
    // Teammate A's dragon head is refused and then answered 不选择; the key
    // it stored names an ability an earlier slot holds, so teammate B sees
    // the same refusals as if it had not been stored.
    auto e = atHairstyle();
    PICKS(*e, {"Faxing", "跑动龙头"}, {"Toubeibu", "不选择"}, {"Shoujianbu", "不选择"}, {"Tuijiaobu", "不选择"},
          {"DuiyouA1", "不选择"}, {"DuiyouA2", "跑动龙头"});
    QCOMPARE(e->refused(), 1);
    QCOMPARE(e->hornKey(HornSlot::DuiyouAJiao).value(), QStringLiteral("跑动角"));
    PICKS(*e, {"DuiyouA2", "不选择"}, {"DuiyouB1", "跑动角"});
    QCOMPARE(e->refused(), 2);
    PICKS(*e, {"DuiyouB1", "灌篮角"}, {"DuiyouB2", "三分龙头"});
    QCOMPARE(e->refused(), 2);
    QCOMPARE(e->abilityText(10), QStringLiteral("53"));
    QCOMPARE(e->abilityText(9), QStringLiteral("53"));
}
