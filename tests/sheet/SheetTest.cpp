#include "SheetTest.h"

#include "AbilitySheet.h"
#include "TestRecords.h"

#include <QSet>
#include <QTest>

namespace {

const QString Separator = QStringLiteral("-----------------");
const QString Author = QStringLiteral("pages/author.html");
constexpr std::array<int, AbilityCount> GuardReference{40, 10, 10, 40, 40, 10, 10, 40, 20, 40, 10, 10};
constexpr std::array<int, AbilityCount> ForwardReference{20, 40, 20, 20, 20, 20, 20, 20, 40, 20, 20, 20};

// Answers every list that opens, as a player finishing a build would: the
// second item where there is one, another item when a pick is refused.
void completeBuild(BuildEngine &e)
{
    QSet<QString> tried;
    std::array<bool, ListCount> refused{};
    for (int round = 0; round < 200; ++round) {
        bool picked = false;
        for (int i = int(ListId::Dji); i < ListCount && !picked; ++i) {
            const OptionList &l = e.list(ListId(i));
            if (!l.enabled || !l.visible || (!l.text.isEmpty() && !refused[i]))
                continue;
            QStringList order = l.items;
            if (order.size() > 1)
                order.move(1, 0);
            for (const QString &item : std::as_const(order)) {
                const QString key = QString::number(i) + u'=' + item;
                if (tried.contains(key))
                    continue;
                tried.insert(key);
                const int before = e.refused();
                picked = e.pick(ListId(i), item);
                refused[i] = e.refused() > before;
                break;
            }
        }
        if (!picked)
            return;
    }
}

std::unique_ptr<BuildEngine> plainGuard()
{
    auto e = engineWith(makeRecord(QStringLiteral("林晓风"), QStringLiteral("G"), QStringLiteral("中等"), GuardReference));
    e->pick(ListId::ZYe, QStringLiteral("G"));
    return e;
}

std::unique_ptr<BuildEngine> markedForward()
{
    std::array<int, AbilityCount> values = ForwardReference;
    values[0] += 12; // 跑动 12 above an ordinary forward
    auto e = engineWith(makeRecord(QStringLiteral("白景行"), QStringLiteral("F"), QStringLiteral("偏高"), values,
                                   QString(), {}, QStringLiteral("SF")));
    e->pick(ListId::ZYe, QStringLiteral("PF"));
    return e;
}

} // namespace

void SheetTest::plainBuildHasNoBracketsAndFortyTwoLines()
{
    auto e = plainGuard();
    completeBuild(*e);
    QVERIFY2(e->abilitiesVisible() && !e->list(ListId::DuiyouB2).text.isEmpty(), "the test build did not reach the last list");
    const AbilitySheet sheet = makeAbilitySheet(*e, 3.2f, Author);
    const QStringList &l = sheet.lines;

    QCOMPARE(l.size(), 42);
    QCOMPARE(l.count(Separator), 6);
    for (int row : {2, 8, 14, 21, 26, 40})
        QVERIFY2(l[row - 1] == Separator, qPrintable(QStringLiteral("line %1 is no separator").arg(row)));
    QCOMPARE(l[0], QStringLiteral("角色：林晓风"));
    QCOMPARE(l[2], QStringLiteral("职业：G"));
    QCOMPARE(l[6], u"VIP ：" + e->list(ListId::Vip).text);
    QCOMPARE(l[8], u"有鞋装：" + e->result(ResultId::Youxie).text);
    QVERIFY2(l[8].size() > 4, "the chosen outfit is missing from the sheet");
    QCOMPARE(l[10].left(5), QStringLiteral("上  衣："));
    QCOMPARE(l[22], u"队友A龙头：" + e->list(ListId::DuiyouA2).text);
    QCOMPARE(l[24], u"队友B龙头：" + e->list(ListId::DuiyouB2).text);
    for (int i = 0; i < AbilityCount; ++i)
        QCOMPARE(l[26 + i], Abilities[i].name.toString() + u'：' + e->abilityText(i));
    QCOMPARE(l[38], u"综合：" + e->totalText());
    QCOMPARE(l[41], QStringLiteral("作者微博【pages/author.html】"));

    // The clipboard text: CR LF between the lines, none after the last.
    const QString text = sheet.text();
    QCOMPARE(text.count(QStringLiteral("\r\n")), 41);
    QCOMPARE(text.count(u'\n'), 41);
    QCOMPARE(text.count(u'\r'), 41);
    QVERIFY2(text.endsWith(u"】"), "the sheet ends with a line break");
}

void SheetTest::markersAndRecommendationJoinTheirLines()
{
    auto e = markedForward();
    const QStringList l = makeAbilitySheet(*e, 3.2f, Author).lines;
    QCOMPARE(l[2], QStringLiteral("职业：PF(推荐SF)"));
    QCOMPARE(l[26], u"跑动：" + e->abilityText(0) + u"(12↑)");
    QCOMPARE(l[27], u"弹跳：" + e->abilityText(1));
    QCOMPARE(l[38], u"综合：" + e->totalText() + u"(12↑)");
    // Nothing chosen yet: the fields are empty, the lines still there.
    QCOMPARE(l[3], QStringLiteral("身高："));
    QCOMPARE(l[9], QStringLiteral("无鞋装："));
    QCOMPARE(l.size(), 42);
}

void SheetTest::postTextCarriesTheBuildOnOneLine()
{
    auto e = markedForward();
    completeBuild(*e);
    const AbilitySheet sheet = makeAbilitySheet(*e, 3.2f, Author);
    QStringList v;
    for (int i = 0; i < AbilityCount; ++i)
        v.append(e->abilityText(i));
    const QString expected =
        u"【%23Hoopra%23】我的%23Hoopra-白景行%23（职业：PF，身高：" + e->list(ListId::Sgao).text + u"，等级："
        + e->list(ListId::Dji).text + u"，训练：" + e->list(ListId::Xlian).text + u"）跑动" + v[0] + u"，弹跳" + v[1]
        + u"，对抗" + v[2] + u"，传球" + v[3] + u"，运球" + v[4] + u"，篮板" + v[5] + u"，盖帽" + v[6] + u"，抢断" + v[7]
        + u"，中投" + v[8] + u"，三分" + v[9] + u"，灌篮" + v[10] + u"，近投" + v[11] + u"，综合" + e->totalText()
        + u"。（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）";
    QCOMPARE(sheet.post, expected);
    QVERIFY2(!sheet.post.contains(u"推荐") && !sheet.post.contains(u"↑"), "the post carries the sheet's extras");
}

void SheetTest::wholeSheetAndPostByteForByte()
{
    // A build that fills every line the wizard lets a build fill at once:
    // recommendation, a marker, the three single pieces (two grades and the
    // one-step one), pack, starter outfit, hair, three decorations and both
    // teammates. Only the two sets read 不选择, as they must when the pieces
    // are chosen.
    auto e = markedForward();
    for (const char *pick : {"Dji=31级", "Xlian=训练Ⅰ", "Vip=VIP", "Youxie1=不选择", "Wuxie=不选择",
                             "Shangyi1=三分+9", "Shangyi2=灌篮+3", "Xiayi1=篮板+7", "Xiayi2=抢断+2", "Xiezi1=跑动+5",
                             "Jiaqiangbao1=近投+2", "Jiaqiangbao2=盖帽+2", "Xinshouzhuang=对抗+3", "Faxing=弹跳龙头",
                             "Toubeibu=灌篮角", "Shoujianbu=中投+3", "Tuijiaobu=跑动+2", "DuiyouA1=三分角",
                             "DuiyouA2=传球龙头", "DuiyouB1=近投角", "DuiyouB2=运球龙头"}) {
        const QString p = QString::fromUtf8(pick);
        const int refused = e->refused();
        QVERIFY2(e->pick(*listByName(p.section(u'=', 0, 0)), p.section(u'=', 1)) && e->refused() == refused, pick);
    }
    const AbilitySheet sheet = makeAbilitySheet(*e, 3.2f, Author);
    // The values after the first page (跑动 39, 弹跳 72, 对抗 54, 传球 37,
    // 运球 27, 篮板 55, 盖帽 38, 抢断 27, 中投 53, 三分 28, 灌篮 55, 近投 55)
    // plus each pick's amount; a horn or dragon head is +3.
    const QString expectedSheet = QStringLiteral(
        "角色：白景行\r\n"
        "-----------------\r\n"
        "职业：PF(推荐SF)\r\n"
        "身高：偏高\r\n"
        "等级：31级\r\n"
        "训练：训练Ⅰ\r\n"
        "VIP ：VIP\r\n"
        "-----------------\r\n"
        "有鞋装：不选择\r\n"
        "无鞋装：不选择\r\n"
        "上  衣：三分+9 灌篮+3\r\n"
        "下  衣：篮板+7 抢断+2\r\n"
        "鞋  子：跑动+5\r\n"
        "-----------------\r\n"
        "加强包：近投+2 盖帽+2\r\n"
        "新手装：对抗+3\r\n"
        "发  型：弹跳龙头\r\n"
        "装饰一：灌篮角\r\n"
        "装饰二：中投+3\r\n"
        "装饰三：跑动+2\r\n"
        "-----------------\r\n"
        "队友A角：三分角\r\n"
        "队友A龙头：传球龙头\r\n"
        "队友B角：近投角\r\n"
        "队友B龙头：运球龙头\r\n"
        "-----------------\r\n"
        "跑动：46(12↑)\r\n"
        "弹跳：75\r\n"
        "对抗：57\r\n"
        "传球：40\r\n"
        "运球：30\r\n"
        "篮板：62\r\n"
        "盖帽：40\r\n"
        "抢断：29\r\n"
        "中投：56\r\n"
        "三分：40\r\n"
        "灌篮：61\r\n"
        "近投：60\r\n"
        "综合：596(12↑)\r\n"
        "-----------------\r\n"
        "本数据由【ZR角色助手 V3.2】计算生成\r\n"
        "作者微博【pages/author.html】");
    const QString expectedPost = QStringLiteral(
        "【%23Hoopra%23】我的%23Hoopra-白景行%23（职业：PF，身高：偏高，等级：31级，训练：训练Ⅰ）跑动46，弹跳75，对抗57，传球40，运球30，篮板62，盖帽40，抢断29，中投56，三分40，灌篮61，近投60，综合596。（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）");
    QCOMPARE(sheet.text(), expectedSheet);
    QCOMPARE(sheet.post, expectedPost);
}

void SheetTest::versionIsPlainInTheSheetAndOneDecimalInThePost()
{
    auto e = plainGuard();
    const AbilitySheet current = makeAbilitySheet(*e, 3.2f, Author);
    QCOMPARE(current.lines[40], QStringLiteral("本数据由【ZR角色助手 V3.2】计算生成"));
    QVERIFY(current.post.endsWith(u"%23ZR角色助手%23V3.2丨作者:@QUILON）"));

    const AbilitySheet whole = makeAbilitySheet(*e, 3.0f, Author);
    QCOMPARE(whole.lines[40], QStringLiteral("本数据由【ZR角色助手 V3】计算生成"));
    QVERIFY2(whole.post.endsWith(u"%23V3.0丨作者:@QUILON）"), qPrintable(whole.post));
}

void SheetTest::hiddenOutfitLabelsFromAnEarlierBuildStayOut()
{
    auto e = plainGuard();
    completeBuild(*e);
    QVERIFY(makeAbilitySheet(*e, 3.2f, Author).lines[8].size() > 4);
    // Choosing the position again starts over: the outfit labels are hidden
    // and the sheet must not report the abandoned outfit.
    QVERIFY(e->pick(ListId::ZYe, QStringLiteral("SG")));
    QVERIFY(e->pick(ListId::Dji, e->list(ListId::Dji).items.value(0)));
    QVERIFY(e->abilitySheetEnabled());
    const QStringList l = makeAbilitySheet(*e, 3.2f, Author).lines;
    for (int row : {9, 11, 12, 13, 15})
        QVERIFY2(l[row - 1].endsWith(u'：'), qPrintable(l[row - 1] + u" still shows the earlier build"));
}
