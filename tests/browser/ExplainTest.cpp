#include "ExplainTest.h"

#include "Abilities.h"
#include "TestWorld.h"

#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTextDocument>

namespace {

// The standard database, with lists of recommended characters (numbered
// with gaps), a centre who is recommended elsewhere, and a character whose
// gender reads 可选择.
void writeSummaryDatabase(TestWorld &world)
{
    QString text = TestWorld::standardDatabaseText();
    text.replace(QStringLiteral("角色6=怪客\r\n"), QStringLiteral("角色6=怪客\r\n角色7=无名\r\n角色8=雷震\r\n"));
    text += QStringLiteral("[无名]\r\n球队=风暴队\r\n性别=可选择\r\n职业=G\r\n推荐职业=SG\r\n"
                           "[雷震]\r\n球队=雷霆队\r\n性别=男\r\n职业=C\r\n推荐职业=PF\r\n"
                           "[角色C]\r\n角色1=石岩\r\n角色3=雷震\r\n"
                           "[角色PF]\r\n角色1=不该出现\r\n"
                           "[角色SF]\r\n角色1=云飞\r\n"
                           "[角色SG]\r\n角色2=林风\r\n角色5=小白\r\n");
    world.writeDatabase(text);
}

void choose(TestWorld &world, const QString &name)
{
    QVERIFY2(pickFromList(world.control<QComboBox>(QStringLiteral("Xingming")), name),
             qPrintable(name + QStringLiteral(" can't be picked in the character box")));
}

bool isBold(QWidget *w) { return w->font().bold(); }

} // namespace

void ExplainTest::captionsExplainWithNoCharacterChosen()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    auto *tip = world.control<QLabel>(QStringLiteral("Tip"));

    clickOn(world.control(QStringLiteral("label_ZH")));
    QCOMPARE(tip->text(), QStringLiteral("综合（C>PG>PF>SF>SG）：12项能力值总和。（无特别意义。）"));
    // Each caption explains its own ability, whatever the order of the panel.
    for (const AbilityInfo &a : Abilities) {
        QWidget *caption = world.control(a.caption.toString());
        QCOMPARE(caption->toolTip(), QStringLiteral("点击查看说明"));
        clickOn(caption);
        QVERIFY2(tip->text().startsWith(a.name + QStringLiteral("（")),
                 qPrintable(a.name + QStringLiteral("'s caption explains: ") + tip->text()));
    }
    QCOMPARE(world.control(QStringLiteral("label_ZH"))->toolTip(), QStringLiteral("点击查看说明"));
    // A value has nothing to explain.
    clickOn(world.control(QStringLiteral("Paodong")));
    QVERIFY(tip->text().startsWith(QStringLiteral("近投")));
    QCOMPARE(world.messages().count(), 0);
}

void ExplainTest::hoverKeepsRowsBoldUntilThePanel()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    QWidget *pd = world.control(QStringLiteral("Label_PD"));
    QWidget *paodong = world.control(QStringLiteral("Paodong"));
    QWidget *cq = world.control(QStringLiteral("Label_CQ"));
    QWidget *chuanqiu = world.control(QStringLiteral("Chuanqiu"));
    QWidget *zh = world.control(QStringLiteral("label_ZH"));
    QWidget *zonghe = world.control(QStringLiteral("Zonghe"));

    moveOver(pd);
    moveOver(chuanqiu); // the value lights its caption too
    moveOver(zonghe);
    QVERIFY2(isBold(pd) && isBold(paodong), "跑 动 went back to normal without crossing the panel");
    QVERIFY2(isBold(cq) && isBold(chuanqiu), "the pointer on 传球's value doesn't light its row");
    QVERIFY(isBold(zh) && isBold(zonghe));
    QVERIFY(!isBold(world.control(QStringLiteral("Label_TT"))));

    moveOver(world.control(QStringLiteral("Frame4")));
    for (QWidget *w : {pd, paodong, cq, chuanqiu, zh, zonghe})
        QVERIFY2(!isBold(w), qPrintable(w->objectName() + QStringLiteral(" stays bold over the panel")));
}

void ExplainTest::toolLinksLookAsTheirFramesSay()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    // Each link with the frame that calms it down.
    const QList<std::pair<QString, QString>> links{
        {QStringLiteral("L_SJzs"), QStringLiteral("Frame3")},   {QStringLiteral("L_GG"), QStringLiteral("Frame3")},
        {QStringLiteral("Label_NLDB"), QStringLiteral("Frame4")}, {QStringLiteral("Fankui"), QStringLiteral("Frame5")},
        {QStringLiteral("fenxiang"), QStringLiteral("Frame5")}, {QStringLiteral("L_update"), QStringLiteral("Frame5")}};
    for (const auto &[name, frame] : links) {
        QWidget *link = world.control(name);
        moveOver(link);
        QVERIFY2(isBold(link), qPrintable(name + QStringLiteral(" doesn't turn bold under the pointer")));
        moveOver(world.control(QStringLiteral("Frame4") == frame ? QStringLiteral("Frame3") : QStringLiteral("Frame4")));
        QVERIFY2(isBold(link), qPrintable(name + QStringLiteral(" is reset by a frame it isn't in")));
        moveOver(world.control(frame));
        QVERIFY2(!isBold(link), qPrintable(frame + QStringLiteral(" leaves ") + name + QStringLiteral(" bold")));
        pressOn(link, Qt::LeftButton);
        QCOMPARE(link->font().pointSize(), 11);
        QVERIFY(isBold(link));
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(-40, -40), link->mapToGlobal(QPointF(-40, -40)),
                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(link, &up); // off the label: the look only
        QCOMPARE(link->font().pointSize(), 9);
        QVERIFY(!isBold(link));
    }
}

void ExplainTest::tipToolTipHoldsTheWholeText()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    auto *tip = world.control<QLabel>(QStringLiteral("Tip"));
    QCOMPARE(tip->toolTip(), QStringLiteral("左击可查看职业汇总；右击可复制滚动信息。"));
    clickOn(world.control(QStringLiteral("Label_DK")));
    moveOver(tip);
    // Escaped, as a tool tip reads markup: what shows is the text itself.
    QTextDocument shown;
    shown.setHtml(tip->toolTip());
    QCOMPARE(shown.toPlainText(), QStringLiteral("左击可查看职业汇总；右击可复制滚动信息：『") + tip->text() + QStringLiteral("』"));
    QVERIFY(shown.toPlainText().contains(QStringLiteral("对抗（C>PF>SF>PG>SG）")));
}

void ExplainTest::leftClickListsTheRecommendedCharacters()
{
    TestWorld world;
    writeSummaryDatabase(world);
    world.open();
    QWidget *tip = world.control(QStringLiteral("Tip"));

    clickOn(tip);
    QCOMPARE(world.messages().texts(), QStringList{QStringLiteral("未选择任何角色！")});
    QCOMPARE(world.messages().messages().last().title, QStringLiteral("ZR角色助手提示："));
    QCOMPARE(world.messages().messages().last().icon, MessageBox::Icon::Information);

    const QList<std::pair<QString, QString>> cases{
        // Only the numbers that hold a name, each on a line of its own.
        {QStringLiteral("林风"), QStringLiteral("“SG”角色列表：\r\n2、林风\r\n5、小白")},
        // A centre lists the centres whatever position is recommended.
        {QStringLiteral("雷震"), QStringLiteral("“C”角色列表：\r\n1、石岩\r\n3、雷震")},
        {QStringLiteral("云飞"), QStringLiteral("“SF”角色列表：\r\n1、云飞")},
        // Nothing recommended: the section 角色 alone, which lists nobody.
        {QStringLiteral("怪客"), QStringLiteral("“”角色列表：")},
        {QStringLiteral("无名"), QStringLiteral("无任何职业信息！")},
    };
    for (const auto &[name, summary] : cases) {
        choose(world, name);
        world.messages().clear();
        clickOn(tip);
        QCOMPARE(world.messages().texts(), QStringList{summary});
    }

    // An unreadable database gives an empty list; the message still comes.
    choose(world, QStringLiteral("林风"));
    world.writeDatabase(QString());
    world.messages().clear();
    clickOn(tip);
    QCOMPARE(world.messages().texts(), QStringList{QStringLiteral("“SG”角色列表：")});
}

void ExplainTest::leftClickKeepsTheTextBoldUntilTheMessageCloses()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    auto *tip = world.control<QLabel>(QStringLiteral("Tip"));
    QList<bool> boldWhileShown;
    const MessageBox::Handler recorder = MessageBox::handler();
    MessageBox::setHandler([&](const MessageBox::Message &m) {
        boldWhileShown.append(tip->font().bold());
        return recorder(m);
    });
    pressOn(tip, Qt::LeftButton);
    pressOn(tip, Qt::RightButton);
    MessageBox::setHandler(recorder);
    QCOMPARE(boldWhileShown, (QList<bool>{true, true}));
    QVERIFY2(!tip->font().bold(), "the tip line stays bold after its message was closed");
    // The strip still holds the whole text.
    QVERIFY(tip->width() >= tip->sizeHint().width());
    QVERIFY(tip->parentWidget()->width() >= tip->width());
}

void ExplainTest::rightClickCopiesTheTextWithTheVersion()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    auto *tip = world.control<QLabel>(QStringLiteral("Tip"));
    choose(world, QStringLiteral("林风"));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("ZYe")), QStringLiteral("SG")));
    QCOMPARE(tip->text(), QStringLiteral("请选择等级。"));

    QGuiApplication::clipboard()->setText(QStringLiteral("旧内容"));
    world.messages().clear();
    clickOn(tip, Qt::RightButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("请选择等级。[角色助手 - 3.2]"));
    QCOMPARE(world.messages().texts(), QStringList{QStringLiteral("复制成功！现在在文本框内按 Ctrl V 可粘贴内容。")});
    QCOMPARE(world.messages().messages().last().icon, MessageBox::Icon::Information);
}

void ExplainTest::otherButtonsBoldOnlyWhileDown()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    auto *tip = world.control<QLabel>(QStringLiteral("Tip"));
    pressOn(tip, Qt::MiddleButton);
    QVERIFY2(tip->font().bold(), "the tip line doesn't answer the middle button's press");
    releaseOn(tip, Qt::MiddleButton);
    QVERIFY2(!tip->font().bold(), "the tip line stays bold after the middle button came up");
    QCOMPARE(world.messages().count(), 0);
}

void ExplainTest::doubleClickOnThePageCaptionShowsTheNextPage()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    const QStringList pages{QStringLiteral("Frame2"), QStringLiteral("Frame2_2"), QStringLiteral("Frame2_3"),
                            QStringLiteral("Frame2_4"), QStringLiteral("Frame2")};
    for (int i = 0; i + 1 < pages.size(); ++i) {
        QWidget *page = world.control(pages[i]);
        QVERIFY2(page->isVisible(), qPrintable(pages[i] + QStringLiteral(" is not the page showing")));
        auto *caption = page->findChild<QLabel *>(QStringLiteral("PageCaption"));
        QVERIFY(caption && caption->text() == QStringLiteral("角色能力设定"));
        QTest::mouseDClick(caption, Qt::LeftButton, {}, caption->rect().center());
        QVERIFY2(world.control(pages[i + 1])->isVisible() && !page->isVisible(),
                 qPrintable(QStringLiteral("a double-click on ") + pages[i] + QStringLiteral("'s caption doesn't show ")
                            + pages[i + 1]));
    }
    // A single click pages nowhere.
    auto *caption = world.control(QStringLiteral("Frame2"))->findChild<QLabel *>(QStringLiteral("PageCaption"));
    clickOn(caption);
    QVERIFY(world.control(QStringLiteral("Frame2"))->isVisible());
}
