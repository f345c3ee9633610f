#include "ListsTest.h"

#include "ComboSelect.h"
#include "ClickLabel.h"
#include "PortraitWindow.h"
#include "TestWorld.h"
#include "Units.h"

#include <QComboBox>
#include <QLabel>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

QStringList items(QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

const QString All = QStringLiteral("【查看所有角色】");

} // namespace

void ListsTest::startUpListsTeamsInKeyOrderAndAllCharacters()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();

    auto *teams = world.control<QComboBox>(QStringLiteral("Qiudui"));
    auto *names = world.control<QComboBox>(QStringLiteral("Xingming"));
    QCOMPARE(main.windowTitle(), QStringLiteral("ZR角色助手"));
    QVERIFY2(items(teams) == (QStringList{QStringLiteral("雷霆队"), QStringLiteral("风暴队"),
                                          QStringLiteral("闪电队"), All}),
             "the box of teams skips a gap in the keys or loses the all-characters entry");
    QCOMPARE(teams->currentText(), All);
    QCOMPARE(names->count(), 6);
    QVERIFY2(names->currentIndex() == -1, "a character looks chosen before the player chose one");
    QCOMPARE(world.control<QLabel>(QStringLiteral("Tip"))->text(),
             QStringLiteral("欢迎使用Hoopra角色助手！共有特殊角色5个。请选择一个角色，或者先选择一个球队。"));
    QVERIFY2(main.Timer1->isActive(), "the welcome text does not roll");
    QVERIFY(teams->isVisible());
    QVERIFY(!world.control(QStringLiteral("Qiudui2"))->isVisible());
    QVERIFY(world.messages().count() == 0);

    // Setting a box to a text it doesn't list changes nothing.
    QVERIFY(!selectEntry(teams, QStringLiteral("不存在的队")));
    QVERIFY(!selectIndex(names, names->count()));
    QCOMPARE(teams->currentText(), All);
    QCOMPARE(names->currentIndex(), -1);
}

void ListsTest::missingDatabaseCountsMinusOne()
{
    TestWorld world;
    world.open();
    auto *teams = world.control<QComboBox>(QStringLiteral("Qiudui"));
    QCOMPARE(items(teams), QStringList{All});
    QCOMPARE(world.control<QComboBox>(QStringLiteral("Xingming"))->count(), 0);
    QCOMPARE(world.control<QLabel>(QStringLiteral("Tip"))->text(),
             QStringLiteral("欢迎使用Hoopra角色助手！共有特殊角色-1个。请选择一个角色，或者先选择一个球队。"));
    QVERIFY2(world.messages().count() == 0, "a missing database shows a message on the main window");
}

void ListsTest::teamPickAnnouncesItsMembers()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    auto *teams = world.control<QComboBox>(QStringLiteral("Qiudui"));
    auto *names = world.control<QComboBox>(QStringLiteral("Xingming"));

    QVERIFY(pickFromList(teams, QStringLiteral("雷霆队")));
    QCOMPARE(items(names), (QStringList{QStringLiteral("林风"), QStringLiteral("石岩"), QStringLiteral("云飞")}));
    QCOMPARE(world.control<QLabel>(QStringLiteral("Tip"))->text(),
             QStringLiteral("你选择了“雷霆队”，共有3名成员。请选择一个角色。"));

    QVERIFY(pickFromList(teams, All));
    QCOMPARE(names->count(), 6);
    QVERIFY(world.control<QLabel>(QStringLiteral("Tip"))->text().contains(QStringLiteral("共有特殊角色5个")));
}

void ListsTest::teamLabelBringsTheBoxBack()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    auto *teams = world.control<QComboBox>(QStringLiteral("Qiudui"));
    auto *names = world.control<QComboBox>(QStringLiteral("Xingming"));
    auto *teamLabel = world.control<QLabel>(QStringLiteral("Qiudui2"));
    auto *position = world.control<QComboBox>(QStringLiteral("ZYe"));

    QVERIFY(pickFromList(names, QStringLiteral("云飞")));
    QVERIFY2(!teams->isVisible() && teamLabel->isVisible(), "the team label does not replace the box of teams");
    QCOMPARE(teamLabel->text(), QStringLiteral("雷霆队"));
    QCOMPARE(teamLabel->toolTip(), QStringLiteral("点击可重选球队"));
    QVERIFY(position->isEnabled());

    clickOn(teamLabel);
    QVERIFY2(teams->isVisible() && !teamLabel->isVisible(), "clicking the team does not bring the box of teams back");
    QVERIFY2(position->count() == 0 && !position->isEnabled(), "the position box stays open after re-choosing the team");
    QCOMPARE(names->currentText(), QStringLiteral("云飞"));
    QCOMPARE(world.control<QLabel>(QStringLiteral("Zhiye"))->text(), QStringLiteral("F"));
    QVERIFY(!world.control(QStringLiteral("Paodong"))->isVisible());
}

void ListsTest::lookAroundNeverPicksAllCharactersAsATeam()
{
    for (double r : {0.0, 0.5, 0.74, 0.999999}) {
        TestWorld world;
        world.writeStandardDatabase();
        world.open();
        world.fixDraws({r, 0.0});
        clickOn(world.control(QStringLiteral("Label_SBKK")));
        const QString team = world.control<QComboBox>(QStringLiteral("Qiudui"))->currentText();
        QVERIFY2(team != All, qPrintable(QStringLiteral("a draw of %1 looked around among all characters").arg(r)));
    }
}

void ListsTest::lookAroundMeetsASpecialCharacter()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    // Third team (闪电队), its second member.
    world.fixDraws({0.99, 0.6});
    clickOn(world.control(QStringLiteral("Label_SBKK")));

    QCOMPARE(world.control<QComboBox>(QStringLiteral("Qiudui"))->currentText(), QStringLiteral("闪电队"));
    QCOMPARE(world.control<QComboBox>(QStringLiteral("Xingming"))->currentText(), QStringLiteral("怪客"));
    QCOMPARE(world.messages().count(), 1);
    const MessageBox::Message &m = world.messages().messages().first();
    QCOMPARE(m.text, QStringLiteral("畅游在街球广场上的你遇到了“怪客”！"));
    QCOMPARE(m.icon, MessageBox::Icon::Information);
    QCOMPARE(m.title, QStringLiteral("ZR角色助手提示："));
    QVERIFY2(world.control(QStringLiteral("Tip"))->isVisible(), "the tip line stays hidden after meeting a special character");
    QCOMPARE(world.control<QLabel>(QStringLiteral("Qiudui2"))->text(), QStringLiteral("闪电队"));
}

void ListsTest::lookAroundOrdinaryKeepsTipHidden()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    // Second team (风暴队): only the ordinary character.
    world.fixDraws({0.5, 0.3});
    clickOn(world.control(QStringLiteral("Label_SBKK")));

    QCOMPARE(world.control<QComboBox>(QStringLiteral("Xingming"))->currentText(), QStringLiteral("普通角色"));
    QCOMPARE(world.messages().texts(), QStringList{QStringLiteral("街球广场上人海茫茫，这一带怎么全是普通货色？")});
    QCOMPARE(world.messages().messages().first().icon, MessageBox::Icon::Warning);
    QVERIFY2(!world.control(QStringLiteral("Tip"))->isVisible(), "the tip line came back after an ordinary pick");

    // An ordinary pick from the list itself leaves it hidden too.
    clickOn(world.control(QStringLiteral("Qiudui2")));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Qiudui")), QStringLiteral("雷霆队")));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Xingming")), QStringLiteral("林风")));
    QVERIFY(!world.control(QStringLiteral("Tip"))->isVisible());
}

void ListsTest::lookAroundWithoutTeamsReselectsAllCharacters()
{
    TestWorld world;
    world.writeDatabase(QStringLiteral("[所有角色]\r\n角色1=普通角色\r\n角色2=林风\r\n"));
    world.open();
    world.fixDraws({0.8, 0.9});
    clickOn(world.control(QStringLiteral("Label_SBKK")));
    QCOMPARE(world.control<QComboBox>(QStringLiteral("Qiudui"))->currentText(), All);
    QCOMPARE(world.control<QComboBox>(QStringLiteral("Xingming"))->currentText(), QStringLiteral("林风"));
    QCOMPARE(world.messages().texts(), QStringList{QStringLiteral("畅游在街球广场上的你遇到了“林风”！")});
}

void ListsTest::resizeAboveScreenRestoresHeight()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    main.move(100, -200);
    main.resize(main.width(), 200);
    QCOMPARE(main.height(), twipsToPixels(7200));
}

void ListsTest::characterLinksReactToThePointer()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    auto *look = world.control<QLabel>(QStringLiteral("Label_SBKK"));
    const auto colour = [](QLabel *l) { return l->palette().color(QPalette::WindowText); };

    moveOver(look);
    QVERIFY2(colour(look) == fromBgr(0x0000FF) && look->font().bold(), "“随便看看” doesn't light up under the pointer");

    // Only the left button enlarges it; any button shrinks the portrait.
    main.portrait()->setHeightTwips(6000);
    pressOn(look, Qt::RightButton);
    QVERIFY(look->font().pointSize() != 11);
    QCOMPARE(main.portrait()->heightTwips(), 3000);
    releaseOn(look, Qt::RightButton);
    pressOn(look, Qt::LeftButton);
    QCOMPARE(look->font().pointSize(), 11);
    QMouseEvent outside(QEvent::MouseButtonRelease, QPointF(-50, -50), look->mapToGlobal(QPointF(-50, -50)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(look, &outside); // released off the label: no look-around
    QCOMPARE(look->font().pointSize(), 9);
    QCOMPARE(colour(look), fromBgr(0x404080));
    QVERIFY2(world.messages().count() == 0, "releasing the button off the label still looked around");

    moveOver(world.control(QStringLiteral("Frame1")));
    QVERIFY2(colour(look) == fromBgr(0x004000) && !look->font().bold(), "the frame doesn't calm “随便看看” down");
    // Disabled while the portrait shows: its blue is the one it shows once enabled.
    QCOMPARE(world.control<QLabel>(QStringLiteral("Label_XSTX"))->palette().color(QPalette::Active, QPalette::WindowText),
             fromBgr(0xFF0000));
}
