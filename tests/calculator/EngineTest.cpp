#include "EngineTest.h"

#include "PortraitBars.h"
#include "TestRecords.h"

#include <QTest>

namespace {

const std::array<int, AbilityCount> GuardBase{45, 12, 10, 38, 35, 10, 8, 42, 24, 46, 10, 10};

CharacterRecord guard(const QString &height = QStringLiteral("中等"))
{
    return makeRecord(QStringLiteral("林晓风"), QStringLiteral("G"), height, GuardBase);
}

enum : int { PD, TT, DK, CQ, YQ, LB, GM, QD, ZT, SF, GL, JT };

// A C of fixed medium height taken to the outfit page at the given level.
std::unique_ptr<BuildEngine> centreAtOutfit(const QString &level)
{
    auto e = engineWith(makeRecord(QStringLiteral("雷震岳"), QStringLiteral("C"), QStringLiteral("中等"), Fifty));
    e->pick(QStringLiteral("ZYe"), QStringLiteral("C"));
    e->pick(QStringLiteral("Dji"), level);
    e->pick(QStringLiteral("Xlian"), QStringLiteral("无训练"));
    e->pick(QStringLiteral("Vip"), QStringLiteral("无VIP"));
    return e;
}

} // namespace

void EngineTest::characterChoiceOffersPositionsAndMarksDeviations()
{
    auto e = engineWith(guard());
    QCOMPARE(e->list(ListId::ZYe).items, (QStringList{"G", "SG", "PG"}));
    QVERIFY2(e->list(ListId::ZYe).enabled, "the position list should open once a character is chosen");
    QCOMPARE(e->list(ListId::ZYe).text, QString());
    QCOMPARE(e->focus(), QStringLiteral("ZYe"));
    QVERIFY2(!e->abilitiesVisible(), "abilities should stay hidden until the level is chosen");
    QCOMPARE(e->team(), QStringLiteral("东港海鸥"));
    QCOMPARE(e->positionClass(), QStringLiteral("G"));
    QCOMPARE(e->totalText(), QStringLiteral("290"));

    // Against an ordinary guard: 40 10 10 40 40 10 10 40 20 40 10 10 (280).
    const QStringList expected{"5↑", "2↑", "", "2↓", "5↓", "", "2↓", "2↑", "4↑", "6↑", "", "", "10↑"};
    for (int i = 0; i <= AbilityCount; ++i)
        QCOMPARE(e->marker(i).text, expected[i]);
    QCOMPARE(e->marker(PD).colour, BuildEngine::Red);
    QCOMPARE(e->marker(YQ).colour, BuildEngine::Teal);
    QCOMPARE(e->marker(DK).colour, BuildEngine::Black);
    QCOMPARE(e->marker(AbilityCount).colour, BuildEngine::Red);

    // A freely choosable character: seven positions, compared with a forward.
    auto flex = engineWith(makeRecord(QStringLiteral("普通角色"), QStringLiteral("可选择"), QStringLiteral("可设置"),
                                      {20, 40, 20, 20, 20, 20, 20, 20, 40, 20, 20, 20}));
    QCOMPARE(flex->list(ListId::ZYe).items, (QStringList{"C", "F", "PF", "SF", "G", "SG", "PG"}));
    for (int i = 0; i <= AbilityCount; ++i)
        QCOMPARE(flex->marker(i).text, QString());
}

void EngineTest::unknownClassOffersNoPosition()
{
    CharacterRecord odd = guard();
    odd.name = QStringLiteral("怪人");
    odd.positionClass = QStringLiteral("X");
    const CharacterRecord g = guard();
    BuildEngine e([&](const QString &name) { return name == g.name ? g : odd; });
    e.Xingming_Click(g.name);
    e.pick(QStringLiteral("ZYe"), QStringLiteral("SG"));
    e.Xingming_Click(odd.name);
    QVERIFY2(e.list(ListId::ZYe).items.isEmpty(),
             "a character of unknown class was offered the previous character's positions");
    QCOMPARE(e.list(ListId::ZYe).text, QString());
    QCOMPARE(e.marker(YQ).text, QStringLiteral("5↓")); // the guard row serves unknown classes
}

void EngineTest::tipNamesRecommendedPosition()
{
    CharacterRecord r = guard();
    r.recommended = QStringLiteral("SG");
    auto e = engineWith(r);
    QCOMPARE(e->tip(), QStringLiteral("你选择了特殊角色“林晓风”，根据其能力特点，推荐职业：SG（仅供参考）。（点击此处可查看SG角色列表）"));
    auto plain = engineWith(guard());
    QCOMPARE(plain->tip(), QStringLiteral("你选择了“林晓风”，请选择职业。"));
    QVERIFY(plain->tipSerial() > 0);
}

void EngineTest::samePositionTwiceGivesSameValues()
{
    auto e = engineWith(guard());
    PICKS(*e, {"ZYe", "SG"});
    const QStringList first = texts(*e);
    PICKS(*e, {"Dji", "16级"}, {"Xlian", "训练Ⅰ"}, {"Vip", "VIP"}, {"Youxie1", "不选择"});
    PICKS(*e, {"ZYe", "SG"});
    QCOMPARE(texts(*e), first);
    QCOMPARE(e->page(), Page::Frame2);
    QVERIFY(e->list(ListId::Dji).enabled);
    for (ListId id : {ListId::Xlian, ListId::Vip, ListId::Youxie1, ListId::Wuxie}) {
        QVERIFY2(!e->list(id).enabled, qPrintable(listName(id) + u" stayed open after the position was chosen again"));
        QVERIFY(e->list(id).text.isEmpty());
    }
    QVERIFY(e->list(ListId::Youxie1).visible);
    QVERIFY(!e->result(ResultId::Youxie).visible);
    // Base 45 + 15 for a guard playing SG, counted once.
    QCOMPARE(e->abilityText(PD), QStringLiteral("60"));
}

void EngineTest::positionChoiceHidesAbilitiesAndFocusesLevel()
{
    auto e = engineWith(guard());
    PICKS(*e, {"ZYe", "G"});
    QVERIFY(!e->abilitiesVisible());
    QVERIFY(!e->abilitySheetEnabled());
    QCOMPARE(e->focus(), QStringLiteral("Dji"));
    QCOMPARE(e->tip(), QStringLiteral("请选择等级。"));
    QCOMPARE(e->list(ListId::Dji).items, (QStringList{"1级", "11级"}));
    QCOMPARE(e->list(ListId::Dji).text, QString());
    PICKS(*e, {"Dji", "1级"});
    QVERIFY(e->abilitiesVisible());
    QVERIFY(e->abilitySheetEnabled());
}

void EngineTest::flexibleCharacterPositions()
{
    const CharacterRecord r = makeRecord(QStringLiteral("普通角色"), QStringLiteral("可选择"), QStringLiteral("可设置"), Fifty);
    auto e = engineWith(r);
    PICKS(*e, {"ZYe", "F"});
    QCOMPARE(texts(*e), QStringList(12, QStringLiteral("50")));
    PICKS(*e, {"ZYe", "C"});
    QCOMPARE(texts(*e), (QStringList{"40", "30", "70", "50", "40", "70", "70", "40", "20", "40", "70", "70"}));
    QCOMPARE(e->list(ListId::Dji).items, (QStringList{"1级", "11级", "16级", "31级", "45级", "50级"}));
}

void EngineTest::padsSingleDigitsOnly()
{
    auto e = engineWith(makeRecord(QStringLiteral("小个子"), QStringLiteral("G"), QStringLiteral("中等"),
                                   {9, 5, 10, 100, 6, 7, 8, 0, 50, 50, 50, 50}));
    PICKS(*e, {"ZYe", "G"}, {"Dji", "1级"});
    QCOMPARE(texts(*e), (QStringList{"09", "5", "10", "100", "06", "07", "08", "0", "50", "50", "50", "50"}));
    QCOMPARE(e->totalText(), QStringLiteral("345"));
    // Blank table cells leave a padded text alone; a raise writes the plain sum.
    PICKS(*e, {"Xlian", "无训练"}, {"Vip", "无VIP"}, {"Youxie1", "不选择"});
    QCOMPARE(e->abilityText(PD), QStringLiteral("09"));
    PICKS(*e, {"Wuxie", "传球+7"});
    QCOMPARE(e->abilityText(CQ), QStringLiteral("107"));
    auto f = engineWith(makeRecord(QStringLiteral("小个子"), QStringLiteral("G"), QStringLiteral("中等"),
                                   {50, 50, 50, 9, 50, 50, 50, 50, 50, 50, 50, 50}));
    PICKS(*f, {"ZYe", "G"}, {"Dji", "1级"}, {"Xlian", "无训练"}, {"Vip", "无VIP"}, {"Youxie1", "不选择"});
    QCOMPARE(f->abilityText(CQ), QStringLiteral("09"));
    PICKS(*f, {"Wuxie", "传球+7"});
    QCOMPARE(f->abilityText(CQ), QStringLiteral("16"));
}

void EngineTest::fixedHeightPadsBeforeLevelBonus()
{
    // 篮板 7; a guard at 11级 gains 篮板 +2. The fixed height pads "07" before
    // the level bonus is added, and nothing pads afterwards.
    std::array<int, AbilityCount> v = Fifty;
    v[LB] = 7;
    auto e = engineWith(makeRecord(QStringLiteral("固定"), QStringLiteral("G"), QStringLiteral("中等"), v));
    PICKS(*e, {"ZYe", "G"});
    QCOMPARE(e->abilityText(LB), QStringLiteral("07"));
    PICKS(*e, {"Dji", "11级"});
    QCOMPARE(e->abilityText(LB), QStringLiteral("9"));
    QCOMPARE(e->list(ListId::Sgao).text, QStringLiteral("中等"));
    QVERIFY(e->abilitiesVisible());
    QCOMPARE(e->totalText(), QStringLiteral("623")); // 11 × 50 + 7 + level row 66
}

void EngineTest::selectableHeightPadsAfterLevelBonus()
{
    std::array<int, AbilityCount> v = Fifty;
    v[LB] = 7;
    auto e = engineWith(makeRecord(QStringLiteral("可调"), QStringLiteral("G"), QStringLiteral("可设置"), v));
    PICKS(*e, {"ZYe", "G"}, {"Dji", "11级"});
    QVERIFY2(!e->abilitiesVisible(), "abilities showed before the height was chosen");
    QCOMPARE(e->focus(), QStringLiteral("Sgao"));
    QCOMPARE(e->tip(), QStringLiteral("请选择身高。（比如170-173表示偏矮，174-176表示中等，177-180表示偏高。）"));
    QCOMPARE(e->list(ListId::Sgao).items, (QStringList{"偏矮", "中等", "偏高"}));
    QVERIFY(!e->list(ListId::Dji).enabled);
    QVERIFY(!e->list(ListId::Xlian).enabled);
    QCOMPARE(e->list(ListId::Xlian).items, (QStringList{"无训练", "训练Ⅰ"}));
    QCOMPARE(e->abilityText(LB), QStringLiteral("9")); // level bonus already in
    PICKS(*e, {"Sgao", "中等"});
    QCOMPARE(e->abilityText(LB), QStringLiteral("09"));
    QVERIFY(e->abilitiesVisible());
    QCOMPARE(e->focus(), QStringLiteral("Xlian"));
    QVERIFY(e->list(ListId::Xlian).enabled);
    QVERIFY(!e->list(ListId::Sgao).enabled);
    QCOMPARE(e->totalText(), QStringLiteral("623"));
}

void EngineTest::fixedHeightTexts()
{
    auto tall = engineWith(guard(QStringLiteral("偏高")));
    PICKS(*tall, {"ZYe", "G"}, {"Dji", "1级"});
    // 45 12 10 38 35 10 8 42 24 46 10 10 with the 偏高 row.
    QCOMPARE(texts(*tall), (QStringList{"44", "12", "10", "38", "34", "11", "09", "41", "23", "46", "11", "11"}));
    QCOMPARE(tall->list(ListId::Sgao).items, QStringList{"偏高"});
    QCOMPARE(tall->list(ListId::Sgao).text, QStringLiteral("偏高"));
    QVERIFY2(!tall->list(ListId::Sgao).enabled, "a fixed height could be changed");
    QCOMPARE(tall->tip(), QStringLiteral("请选择训练。"));
    QCOMPARE(tall->focus(), QStringLiteral("Xlian"));

    auto odd = engineWith(guard(QStringLiteral("185cm")));
    PICKS(*odd, {"ZYe", "G"}, {"Dji", "1级"});
    QCOMPARE(texts(*odd), (QStringList{"45", "12", "10", "38", "35", "10", "08", "42", "24", "46", "10", "10"}));
    QCOMPARE(odd->list(ListId::Sgao).text, QStringLiteral("185cm"));
}

void EngineTest::specialHeightAdjustments()
{
    std::array<int, AbilityCount> v = Fifty;
    v[ZT] = 45;
    std::array<double, AbilityCount> adj{};
    adj[PD] = 2;
    adj[LB] = -2;
    adj[ZT] = 1.5;
    adj[JT] = 2;
    const CharacterRecord r = makeRecord(QStringLiteral("特别"), QStringLiteral("G"), QStringLiteral("可设置"), v,
                                         QStringLiteral("1"), adj);
    auto e = engineWith(r);
    PICKS(*e, {"ZYe", "G"}, {"Dji", "1级"}, {"Sgao", "偏高"});
    QCOMPARE(texts(*e), (QStringList{"52", "50", "50", "50", "50", "48", "50", "50", "46.5", "50", "50", "52"}));
    QCOMPARE(e->totalText(), QStringLiteral("598.5"));
    PICKS(*e, {"Xlian", "训练Ⅰ"});
    QCOMPARE(e->abilityText(ZT), QStringLiteral("47.5"));

    PICKS(*e, {"ZYe", "G"}, {"Dji", "1级"}, {"Sgao", "偏矮"});
    QCOMPARE(texts(*e), (QStringList{"48", "50", "50", "50", "50", "52", "50", "50", "43.5", "50", "50", "48"}));
    QCOMPARE(e->totalText(), QStringLiteral("591.5"));

    PICKS(*e, {"ZYe", "G"}, {"Dji", "1级"}, {"Sgao", "中等"});
    QCOMPARE(e->abilityText(ZT), QStringLiteral("45"));
}

void EngineTest::specialWithoutAdjustmentsIsLikeMedium()
{
    for (const QString &height : {QStringLiteral("偏矮"), QStringLiteral("偏高")}) {
        auto e = engineWith(makeRecord(QStringLiteral("秦朗月"), QStringLiteral("G"), height, Fifty, QStringLiteral("1")));
        PICKS(*e, {"ZYe", "G"}, {"Dji", "1级"});
        QCOMPARE(texts(*e), QStringList(12, QStringLiteral("50")));
    }
}

void EngineTest::trainingAndVipRaiseTotal()
{
    const QList<QPair<QString, int>> trainings{{"无训练", 0}, {"训练Ⅰ", 12}, {"训练Ⅱ", 19}, {"训练Ⅲ", 36}, {"训练Ⅳ", 48}};
    for (const auto &[training, rise] : trainings) {
        auto e = engineWith(guard());
        PICKS(*e, {"ZYe", "SG"}, {"Dji", "45级"});
        QCOMPARE(e->list(ListId::Xlian).items, (QStringList{"无训练", "训练Ⅰ", "训练Ⅱ", "训练Ⅲ", "训练Ⅳ"}));
        const double before = e->totalText().toDouble();
        PICKS(*e, {"Xlian", training});
        QCOMPARE(e->totalText().toDouble() - before, double(rise));
        QCOMPARE(e->tip(), QStringLiteral("请选择VIP。"));
        QCOMPARE(e->focus(), QStringLiteral("Vip"));
        QCOMPARE(e->list(ListId::Vip).items, (QStringList{"无VIP", "VIP"}));
        PICKS(*e, {"Vip", "VIP"});
        QCOMPARE(e->totalText().toDouble() - before, double(rise + 24));
    }
}

void EngineTest::centreAtFiftyGetsItsOwnRow()
{
    auto e = engineWith(makeRecord(QStringLiteral("雷震岳"), QStringLiteral("C"), QStringLiteral("中等"), Fifty));
    PICKS(*e, {"ZYe", "C"}, {"Dji", "50级"});
    QCOMPARE(e->abilityText(GL), QStringLiteral("91"));
    QCOMPARE(e->abilityText(SF), QStringLiteral("60"));
    QCOMPARE(e->totalText(), QStringLiteral("896")); // 600 + 296
}

void EngineTest::vipOpensOutfitPageWithLevelLists()
{
    const QList<std::tuple<QString, int, int>> tiers{{"11级", 10, 4}, {"16级", 19, 7}, {"31级", 28, 10}, {"50级", 28, 10}};
    for (const auto &[level, shoeSets, shoes] : tiers) {
        auto e = centreAtOutfit(level);
        QCOMPARE(e->page(), Page::Frame2_2);
        QCOMPARE(e->focus(), QStringLiteral("Youxie1"));
        QCOMPARE(e->tip(), QStringLiteral("设定角色的衣物能力。"));
        QCOMPARE(e->list(ListId::Youxie1).items.size(), shoeSets);
        QCOMPARE(e->list(ListId::Wuxie).items, e->list(ListId::Youxie1).items);
        QCOMPARE(e->list(ListId::Xiezi1).items.size(), shoes);
        QCOMPARE(openLists(*e), QStringList{"Youxie1"});
    }
}

void EngineTest::setWithShoes()
{
    auto e = centreAtOutfit(QStringLiteral("16级"));
    const auto before = values(*e);
    PICKS(*e, {"Youxie1", "传球+9"});
    QCOMPARE(values(*e), before);
    QCOMPARE(e->list(ListId::Youxie2).items, (QStringList{"跑动+8", "弹跳+8", "对抗+8"}));
    QVERIFY(!e->list(ListId::Youxie1).visible);
    PICKS(*e, {"Youxie2", "跑动+8"});
    auto d = diff(values(*e), before);
    QCOMPARE(d[CQ], 9.0);
    QCOMPARE(d[PD], 8.0);
    QCOMPARE(sum(d), 17.0);
    QCOMPARE(e->result(ResultId::Youxie).text, QStringLiteral("传球+9跑动+8"));
    for (ResultId r : {ResultId::Shangyi, ResultId::Xiayi, ResultId::Xiezi}) {
        QCOMPARE(e->result(r).text, QStringLiteral("不选择"));
        QVERIFY(e->result(r).visible);
    }
    QCOMPARE(e->list(ListId::Wuxie).text, QStringLiteral("不选择"));
    QVERIFY(!e->list(ListId::Wuxie).enabled);
    QCOMPARE(e->page(), Page::Frame2_3);
    QCOMPARE(e->focus(), QStringLiteral("Jiaqiangbao1"));
    QCOMPARE(e->tip(), QStringLiteral("设定角色的装饰和附属能力。[ 双击“角色能力设定”可切换查看㈠㈡㈢ ]"));
}

void EngineTest::setWithoutShoes()
{
    auto e = centreAtOutfit(QStringLiteral("31级"));
    const auto before = values(*e);
    PICKS(*e, {"Youxie1", "不选择"}, {"Wuxie", "三分+11"});
    QCOMPARE(sum(diff(values(*e), before)), 11.0);
    QCOMPARE(diff(values(*e), before)[SF], 11.0);
    QCOMPARE(e->result(ResultId::Shangyi).text, QStringLiteral("不选择"));
    QCOMPARE(e->result(ResultId::Xiayi).text, QStringLiteral("不选择"));
    QCOMPARE(e->result(ResultId::Youxie).text, QStringLiteral("不选择"));
    QCOMPARE(openLists(*e), QStringList{"Xiezi1"});
}

void EngineTest::topInTwoSteps()
{
    auto e = centreAtOutfit(QStringLiteral("16级"));
    PICKS(*e, {"Youxie1", "不选择"}, {"Wuxie", "不选择"});
    const auto before = values(*e);
    PICKS(*e, {"Shangyi1", "灌篮+7"});
    QCOMPARE(values(*e), before);
    QCOMPARE(e->list(ListId::Shangyi2).items, (QStringList{"中投+2", "三分+2"}));
    PICKS(*e, {"Shangyi2", "三分+2"});
    const auto d = diff(values(*e), before);
    QCOMPARE(d[GL], 7.0);
    QCOMPARE(d[SF], 2.0);
    QCOMPARE(e->result(ResultId::Shangyi).text, QStringLiteral("灌篮+7 三分+2"));
    QCOMPARE(openLists(*e), QStringList{"Xiayi1"});
}

void EngineTest::shoesSecondListAndDecorationPage()
{
    auto e = centreAtOutfit(QStringLiteral("16级"));
    PICKS(*e, {"Youxie1", "不选择"}, {"Wuxie", "不选择"}, {"Shangyi1", "不选择"}, {"Xiayi1", "运球+5"});
    QCOMPARE(e->result(ResultId::Xiayi).text, QStringLiteral("运球+5"));
    QCOMPARE(e->abilityText(YQ), QStringLiteral("58")); // 50 + 3 (16级) + 5, shown at once
    PICKS(*e, {"Xiezi1", "跑动+7"});
    QCOMPARE(e->list(ListId::Xiezi2).items, QStringList{"弹跳+2"});
    PICKS(*e, {"Xiezi2", "弹跳+2"});
    QCOMPARE(e->result(ResultId::Xiezi).text, QStringLiteral("跑动+7 弹跳+2"));
    QCOMPARE(e->page(), Page::Frame2_3);
    QCOMPARE(e->tip(), QStringLiteral("设定角色的装饰和附属能力。[ 双击“角色能力设定”可切换查看㈠㈡㈢ ]"));
    QCOMPARE(openLists(*e), QStringList{"Jiaqiangbao1"});
}

void EngineTest::bottomInTwoStepsMarksBoth()
{
    auto e = centreAtOutfit(QStringLiteral("31级"));
    PICKS(*e, {"Youxie1", "不选择"}, {"Wuxie", "不选择"}, {"Shangyi1", "不选择"});
    const double before = e->totalText().toDouble();
    e->takeTagged();
    PICKS(*e, {"Xiayi1", "篮板+9"});
    QCOMPARE(e->list(ListId::Xiayi2).items, (QStringList{"传球+3", "运球+3", "抢断+3"}));
    PICKS(*e, {"Xiayi2", "抢断+3"});
    QCOMPARE(e->totalText().toDouble() - before, 12.0);
    QVERIFY(e->abilityRed(LB) && e->abilityRed(QD));
    QCOMPARE(e->takeTagged(), (QStringList{"Lanban", "Qiangduan"}));
    QCOMPARE(e->result(ResultId::Xiayi).text, QStringLiteral("篮板+9 抢断+3"));
}

void EngineTest::enhancementPackHasNoNoneInSecondPart()
{
    auto e = centreAtOutfit(QStringLiteral("1级"));
    PICKS(*e, {"Youxie1", "不选择"}, {"Wuxie", "不选择"}, {"Shangyi1", "不选择"}, {"Xiayi1", "不选择"},
          {"Xiezi1", "不选择"});
    QCOMPARE(e->list(ListId::Jiaqiangbao1).items, (QStringList{"不选择", "中投+2", "三分+2", "灌篮+2", "近投+2"}));
    PICKS(*e, {"Jiaqiangbao1", "中投+2"});
    QCOMPARE(e->list(ListId::Jiaqiangbao2).items, (QStringList{"传球+2", "运球+2", "篮板+2", "盖帽+2", "抢断+2"}));
    QVERIFY(!e->list(ListId::Jiaqiangbao1).enabled);
    const double before = e->totalText().toDouble();
    PICKS(*e, {"Jiaqiangbao2", "传球+2"});
    QCOMPARE(e->totalText().toDouble() - before, 4.0);
    QCOMPARE(e->result(ResultId::Jiaqiangbao).text, QStringLiteral("中投+2 传球+2"));
    QCOMPARE(openLists(*e), QStringList{"Xinshouzhuang"});
}

void EngineTest::nothingChosenAnywhereChangesNothing()
{
    auto e = centreAtOutfit(QStringLiteral("50级"));
    const QStringList before = texts(*e);
    const QString total = e->totalText();
    for (const char *list : {"Youxie1", "Wuxie", "Shangyi1", "Xiayi1", "Xiezi1", "Jiaqiangbao1", "Xinshouzhuang",
                             "Faxing", "Toubeibu", "Shoujianbu", "Tuijiaobu", "DuiyouA1", "DuiyouA2", "DuiyouB1",
                             "DuiyouB2"})
        PICKS(*e, {QString::fromLatin1(list), "不选择"});
    QCOMPARE(texts(*e), before);
    QCOMPARE(e->totalText(), total);
    QCOMPARE(e->page(), Page::Frame2);
    QCOMPARE(e->tip(), QStringLiteral("请查看设定后的最终能力值。[ 点击能力值可查看说明 ]"));
    QCOMPARE(openLists(*e), QStringList());
    QVERIFY(e->list(ListId::ZYe).enabled);
    QCOMPARE(e->refused(), 0);
}

void EngineTest::cascadeOrderOnEveryBranch_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("opens"); // the one open list after each pick, @ the page shown

    const QStringList tail{"Faxing=不选择", "Toubeibu=不选择", "Shoujianbu=不选择", "Tuijiaobu=不选择",
                           "DuiyouA1=不选择", "DuiyouA2=不选择", "DuiyouB1=不选择", "DuiyouB2=不选择"};
    const QStringList tailOpens{"Toubeibu@Frame2_3", "Shoujianbu@Frame2_3", "Tuijiaobu@Frame2_4",
                                "DuiyouA1@Frame2_4", "DuiyouA2@Frame2_4", "DuiyouB1@Frame2_4",
                                "DuiyouB2@Frame2_4", "@Frame2"};

    QTest::newRow("set with shoes, no pack")
        << (QStringList{"Youxie1=传球+11", "Youxie2=跑动+10", "Jiaqiangbao1=不选择", "Xinshouzhuang=不选择"} + tail)
        << (QStringList{"Youxie2@Frame2_2", "Jiaqiangbao1@Frame2_3", "Xinshouzhuang@Frame2_3", "Faxing@Frame2_3"}
            + tailOpens);
    QTest::newRow("single pieces in one step, pack")
        << (QStringList{"Youxie1=不选择", "Wuxie=不选择", "Shangyi1=中投+5", "Xiayi1=传球+5", "Xiezi1=跑动+5",
                        "Jiaqiangbao1=中投+2", "Jiaqiangbao2=传球+2", "Xinshouzhuang=跑动+3"} + tail)
        << (QStringList{"Wuxie@Frame2_2", "Shangyi1@Frame2_2", "Xiayi1@Frame2_2", "Xiezi1@Frame2_2",
                        "Jiaqiangbao1@Frame2_3", "Jiaqiangbao2@Frame2_3", "Xinshouzhuang@Frame2_3", "Faxing@Frame2_3"}
            + tailOpens);
    QTest::newRow("set without shoes, shoes in two steps")
        << (QStringList{"Youxie1=不选择", "Wuxie=中投+9", "Xiezi1=弹跳+9", "Xiezi2=跑动+3", "Jiaqiangbao1=不选择",
                        "Xinshouzhuang=不选择"} + tail)
        << (QStringList{"Wuxie@Frame2_2", "Xiezi1@Frame2_2", "Xiezi2@Frame2_2", "Jiaqiangbao1@Frame2_3",
                        "Xinshouzhuang@Frame2_3", "Faxing@Frame2_3"} + tailOpens);
    QTest::newRow("every piece in two steps")
        << (QStringList{"Youxie1=不选择", "Wuxie=不选择", "Shangyi1=三分+9", "Shangyi2=近投+3", "Xiayi1=篮板+7",
                        "Xiayi2=运球+2", "Xiezi1=对抗+7", "Xiezi2=弹跳+2", "Jiaqiangbao1=灌篮+2",
                        "Jiaqiangbao2=盖帽+2", "Xinshouzhuang=不选择"} + tail)
        << (QStringList{"Wuxie@Frame2_2", "Shangyi1@Frame2_2", "Shangyi2@Frame2_2", "Xiayi1@Frame2_2",
                        "Xiayi2@Frame2_2", "Xiezi1@Frame2_2", "Xiezi2@Frame2_2", "Jiaqiangbao1@Frame2_3",
                        "Jiaqiangbao2@Frame2_3", "Xinshouzhuang@Frame2_3", "Faxing@Frame2_3"} + tailOpens);
}

void EngineTest::cascadeOrderOnEveryBranch()
{
    QFETCH(QStringList, picks);
    QFETCH(QStringList, opens);
    QCOMPARE(picks.size(), opens.size());
    auto e = centreAtOutfit(QStringLiteral("31级"));
    for (int i = 0; i < picks.size(); ++i) {
        const QStringList p = picks[i].split(u'=');
        QVERIFY2(e->pick(p[0], p[1]), qPrintable(u"could not pick " + picks[i]));
        const QStringList want = opens[i].split(u'@');
        const QStringList open = openLists(*e);
        const QString got = open.join(u'+') + u'@' + pageName(e->page());
        QVERIFY2(got == opens[i], qPrintable(u"after " + picks[i] + u" the player saw " + got + u", expected "
                                             + opens[i]));
        if (!want[0].isEmpty())
            QCOMPARE(e->focus(), want[0]);
    }
}

void EngineTest::emptyTextHandlersDoNothing()
{
    auto e = engineWith(guard());
    QString before = snapshot(*e);
    e->ZYe_Click();
    e->Dji_Click();
    e->Sgao_Click();
    QCOMPARE(snapshot(*e), before);
    e = centreAtOutfit(QStringLiteral("31级"));
    before = snapshot(*e);
    e->Youxie1_Click();
    e->Youxie2_Click();
    e->Wuxie_Click();
    e->Shangyi1_Click();
    e->Shangyi2_Click();
    e->Xiayi2_Click();
    e->Xiezi2_Click();
    e->Jiaqiangbao2_Click();
    e->Faxing_Click();
    e->Toubeibu_Click();
    e->Shoujianbu_Click();
    e->Tuijiaobu_Click();
    QCOMPARE(snapshot(*e), before);
}

void EngineTest::closedListsRefusePicks()
{
    auto e = engineWith(guard());
    const QString before = snapshot(*e);
    QVERIFY2(!e->pick(QStringLiteral("Dji"), QStringLiteral("1级")), "a level was taken before the position");
    QVERIFY(!e->pick(QStringLiteral("ZYe"), QStringLiteral("C")));
    QVERIFY(!e->pick(QStringLiteral("ZYe"), QString()));
    QVERIFY(!e->pick(QStringLiteral("Nothing"), QStringLiteral("G")));
    QCOMPARE(snapshot(*e), before);
    // A list hidden by its own row is closed even while enabled.
    e = centreAtOutfit(QStringLiteral("1级"));
    PICKS(*e, {"Youxie1", "不选择"});
    QVERIFY(e->list(ListId::Youxie1).enabled);
    QVERIFY(!e->pick(QStringLiteral("Youxie1"), QStringLiteral("传球+7")));
}

void EngineTest::pageLinksOnlyChangePage()
{
    auto e = centreAtOutfit(QStringLiteral("16级"));
    const QStringList open = openLists(*e);
    const QList<QPair<void (BuildEngine::*)(), Page>> links{
        {&BuildEngine::d1y1_Click, Page::Frame2},   {&BuildEngine::d1y2_Click, Page::Frame2},
        {&BuildEngine::d2y1_Click, Page::Frame2_2}, {&BuildEngine::d2y2_Click, Page::Frame2_2},
        {&BuildEngine::d3y1_Click, Page::Frame2_3}, {&BuildEngine::d3y2_Click, Page::Frame2_3},
        {&BuildEngine::d4y1_Click, Page::Frame2_4}, {&BuildEngine::d4y2_Click, Page::Frame2_4},
    };
    for (const auto &[link, page] : links) {
        ((*e).*link)();
        QCOMPARE(e->page(), page);
        QCOMPARE(openLists(*e), open);
    }
    e->d2y2_Click();
    PICKS(*e, {"Youxie1", "不选择"});
}

void EngineTest::teamLabelAndNewCharacterReset()
{
    const CharacterRecord g = guard();
    const CharacterRecord c = makeRecord(QStringLiteral("雷震岳"), QStringLiteral("C"), QStringLiteral("中等"), Fifty);
    BuildEngine e([&](const QString &name) { return name == g.name ? g : c; });
    e.Xingming_Click(c.name);
    PICKS(e, {"ZYe", "C"}, {"Dji", "1级"}, {"Xlian", "无训练"}, {"Vip", "无VIP"}, {"Youxie1", "不选择"},
          {"Wuxie", "不选择"}, {"Shangyi1", "不选择"}, {"Xiayi1", "不选择"}, {"Xiezi1", "不选择"},
          {"Jiaqiangbao1", "不选择"}, {"Xinshouzhuang", "不选择"}, {"Faxing", "跑动龙头"}, {"Toubeibu", "不选择"},
          {"Shoujianbu", "不选择"});
    QCOMPARE(e.page(), Page::Frame2_4);
    QVERIFY(e.hornKey(HornSlot::FaxingJiao).has_value());
    e.Xingming_Click(g.name);
    QCOMPARE(e.page(), Page::Frame2);
    QCOMPARE(openLists(e), QStringList());
    QVERIFY(!e.hornKey(HornSlot::FaxingJiao).has_value());
    QVERIFY(!e.result(ResultId::Youxie).visible);
    QCOMPARE(e.result(ResultId::Youxie).text, QStringLiteral("不选择")); // hidden, the text stays
    QCOMPARE(e.abilityText(PD), QStringLiteral("45"));

    PICKS(e, {"ZYe", "G"}, {"Dji", "1级"});
    e.Qiudui2_Click();
    QVERIFY(!e.list(ListId::ZYe).enabled);
    QVERIFY(e.list(ListId::ZYe).items.isEmpty());
    QVERIFY(!e.abilitiesVisible());
    QVERIFY(!e.abilitySheetEnabled());
    QCOMPARE(openLists(e), QStringList());
}

void EngineTest::redMarksTagsAndSerials()
{
    auto e = centreAtOutfit(QStringLiteral("16级"));
    e->takeTagged();
    const quint64 blinks = e->blinkSerial();
    const quint64 refreshes = e->refreshSerial();
    PICKS(*e, {"Youxie1", "运球+9"}, {"Youxie2", "弹跳+8"});
    QVERIFY(e->abilityRed(YQ) && e->abilityRed(TT));
    QVERIFY(!e->abilityRed(PD));
    QCOMPARE(e->takeTagged(), (QStringList{"Tantiao", "Yunqiu"}));
    QCOMPARE(e->takeTagged(), QStringList());
    QVERIFY(e->blinkSerial() > blinks);
    QVERIFY(e->refreshSerial() > refreshes);
    // Red stays until the abilities are shown again.
    PICKS(*e, {"Jiaqiangbao1", "不选择"});
    QVERIFY(e->abilityRed(YQ));
    PICKS(*e, {"ZYe", "C"}, {"Dji", "1级"});
    for (int i = 0; i < AbilityCount; ++i)
        QVERIFY2(!e->abilityRed(i), "an ability stayed red after the abilities were shown again");
    QCOMPARE(e->takeTagged(), (QStringList{"Label_FZNL", "Label_NLDB"}));
}

void EngineTest::portraitBars()
{
    QCOMPARE(barEnd(300, 99), 300 + 1831.5);
    QCOMPARE(barEnd(300, 100), 2450.0);
    QCOMPARE(barEnd(300, 250), 2450.0);
    QCOMPARE(barEnd(300, 46.5), 300 + 860.25);
    QCOMPARE(valueLabelLeft(barEnd(300, 0)), 310.0);
}
