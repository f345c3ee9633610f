#include "MotionTest.h"

#include "AnnouncementWindow.h"
#include "PortraitWindow.h"
#include "TestWorld.h"
#include "Units.h"
#include "mIni.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QGroupBox>
#include <QTest>

namespace {

// Ticks a timer's handler while the timer runs; the number of ticks.
template <typename Tick>
int runTimer(QTimer *timer, Tick tick, const std::function<void()> &afterEach = {})
{
    int ticks = 0;
    while (timer->isActive() && ticks < 1000) {
        tick();
        ++ticks;
        if (afterEach)
            afterEach();
    }
    return ticks;
}

// Records the windows that receive a close, in order.
struct CloseOrder : QObject {
    QStringList closed;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            closed.append(watched->objectName());
        return false;
    }
};

} // namespace

void MotionTest::fadeInTakes49Ticks()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    QVERIFY2(main.Timer2->isActive(), "the window does not fade in");
    QCOMPARE(main.windowOpacity(), 0.0);
    QCOMPARE(main.Timer2->interval(), 10);
    QCOMPARE(runTimer(main.Timer2, [&] { main.Timer2_Timer(); }), 49);
    QCOMPARE(main.fade().level(), 255);
    QCOMPARE(main.windowOpacity(), 1.0);
}

void MotionTest::closingFadesOutIn49TicksThenExits()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    QVERIFY(world.waitForPortrait());
    runTimer(main.Timer2, [&] { main.Timer2_Timer(); });
    main.setSver(2.5);

    QVERIFY2(!main.close(), "the window closed at once instead of fading out");
    QVERIFY(main.isVisible());
    QVERIFY(main.Timer3->isActive());
    QCOMPARE(main.fade().level(), 255);
    CloseOrder order;
    main.installEventFilter(&order);
    main.portrait()->installEventFilter(&order);
    QCOMPARE(runTimer(main.Timer3, [&] { main.Timer3_Timer(); }), 49);
    QVERIFY2(!main.isVisible(), "the window stayed open after fading out");
    QVERIFY2(!main.portrait()->isVisible(), "the portrait window stayed open after the exit");
    // The portrait, opened by the main window's load, is the newer one.
    QCOMPARE(order.closed, (QStringList{QStringLiteral("XsTx"), QStringLiteral("Main")}));

    mIni::setIniFile(world.configPath(), mIni::Access::ReadOnly);
    QCOMPARE(mIni::IniRead(QStringLiteral("zrv"), QStringLiteral("sver")), QStringLiteral("2.5"));
}

void MotionTest::closingDuringFadeInKeepsLevelInRange()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    for (int i = 0; i < 10; ++i)
        main.Timer2_Timer();
    main.close();
    QVERIFY2(!main.Timer2->isActive(), "the fade-in goes on while the window fades out");
    bool inRange = true;
    const int ticks = runTimer(main.Timer3, [&] { main.Timer3_Timer(); }, [&] {
        inRange = inRange && main.fade().level() >= 0 && main.fade().level() <= 255;
    });
    QVERIFY2(inRange, "the fade level left 0 … 255");
    QCOMPARE(ticks, 49);
    QVERIFY(!main.isVisible());
}

void MotionTest::stripReentersFromTheRight()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    QWidget *strip = world.control(QStringLiteral("Frame6"));
    const int mainWidth = int(pixelsToTwips(main.width()));

    main.tipStrip().place(-1744, 2000);
    main.Timer1_Timer();
    QCOMPARE(strip->x(), twipsToPixels(-1759));

    main.tipStrip().place(-1745, 2000);
    main.Timer1_Timer();
    QVERIFY2(strip->x() == twipsToPixels(mainWidth),
             "a strip 2000 twips wide does not re-enter from the right at -1760");

    // A new text starts from the middle of the window.
    main.RestartTip();
    QCOMPARE(strip->x(), twipsToPixels(mainWidth / 2.0));
}

void MotionTest::blinkEndsWithLabelsShownAndUntagged()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Xingming")), QStringLiteral("林风")));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("ZYe")), QStringLiteral("G")));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Dji")), QStringLiteral("1级")));
    QVERIFY2(main.Timer4->isActive() && main.Timer5->isActive(), "showing the abilities does not blink");

    QWidget *compare = world.control(QStringLiteral("Label_NLDB"));
    QCOMPARE(compare->property("Tag").toString(), QStringLiteral("1"));
    main.Timer4_Timer();
    QVERIFY(!compare->isVisible());
    main.Timer4_Timer();
    QVERIFY(compare->isVisible());
    main.Timer4_Timer();
    QVERIFY(!compare->isVisible());

    main.Timer5_Timer();
    QVERIFY(!main.Timer4->isActive() && !main.Timer5->isActive());
    for (const QString &name : {QStringLiteral("Label_NLDB"), QStringLiteral("Label_FZNL"), QStringLiteral("Paodong"),
                                QStringLiteral("Jintou")}) {
        QWidget *label = world.control(name);
        QVERIFY2(label->isVisible(), qPrintable(name + QStringLiteral(" stays hidden after the blinking")));
        QVERIFY2(label->property("Tag").toString().isEmpty(), qPrintable(name + QStringLiteral(" keeps its tag")));
    }
}

void MotionTest::captionAlternatesVersions()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    auto *frame = world.control<QGroupBox>(QStringLiteral("Frame5"));
    QCOMPARE(frame->title(), QStringLiteral("软件信息"));
    QVERIFY(main.Timer6->isActive() && !main.Timer7->isActive());

    main.Timer6_Timer();
    QCOMPARE(frame->title(), QStringLiteral("软件信息 Ver 3.2 "));
    QCOMPARE(frame->palette().color(QPalette::WindowText), fromBgr(0x404040));
    QVERIFY(!main.Timer6->isActive() && main.Timer7->isActive());

    main.setSver(1.25);
    main.Timer7_Timer();
    QCOMPARE(frame->title(), QStringLiteral("数据版本 1.3 "));
    QCOMPARE(frame->palette().color(QPalette::WindowText), fromBgr(0x008080));
    QVERIFY(main.Timer6->isActive() && !main.Timer7->isActive());
    // The links keep their own colour under the caption's.
    QCOMPARE(world.control(QStringLiteral("Fankui"))->palette().color(QPalette::WindowText), fromBgr(0));

    // Below 1 the version is written without its leading zero.
    for (const auto &[version, caption] : {std::pair{0.0, "数据版本 .0 "}, std::pair{0.5, "数据版本 .5 "}}) {
        main.setSver(version);
        main.Timer6_Timer();
        main.Timer7_Timer();
        QCOMPARE(frame->title(), QString::fromUtf8(caption));
    }
}

void MotionTest::portraitLinkReopensPortrait()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    QWidget *show = world.control(QStringLiteral("Label_XSTX"));
    QVERIFY2(!show->isEnabled(), "“显示头像” is clickable while the portrait is shown");
    // Greyed as a disabled control, not in a link's colour.
    QVERIFY2(show->palette().color(QPalette::Disabled, QPalette::WindowText)
                 == QApplication::palette(show).color(QPalette::Disabled, QPalette::WindowText),
             "“显示头像” looks clickable while it is disabled");
    // Closed before the main window's first paint, when it would come up.
    main.portrait()->GuanBi_Click();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCoreApplication::processEvents();
    QVERIFY2(!main.portrait()->isVisible(), "the portrait came back after it was closed");
    QVERIFY2(show->isEnabled(), "closing the portrait leaves “显示头像” disabled");
    clickOn(show);
    QVERIFY(main.portrait()->isVisible());
    QVERIFY(!show->isEnabled());
}

void MotionTest::stripHoldsStillUnderThePointer()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    QVERIFY(main.Timer1->isActive());
    moveOver(world.control(QStringLiteral("Tip")));
    QVERIFY2(!main.Timer1->isActive(), "the tip line rolls on under the pointer");
    moveOver(world.control(QStringLiteral("Frame4")));
    QVERIFY2(!main.Timer1->isActive(), "a frame counts as the window's free surface");
    moveOver(&main);
    QVERIFY2(main.Timer1->isActive(), "the tip line stays put once the pointer left it");
}

void MotionTest::announcementLinkOpensTheAnnouncement()
{
    qputenv("ZRC_NO_WEBENGINE", "1");
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    QVERIFY(!main.announcement());
    clickOn(world.control(QStringLiteral("L_GG")));
    QWidget *announcement = main.announcement();
    QVERIFY2(announcement && announcement->isVisible(), "“街球公告” opens nothing");
    QCOMPARE(announcement->objectName(), QStringLiteral("JQgg"));
    QVERIFY(main.isMinimized());
    qunsetenv("ZRC_NO_WEBENGINE");
}
