#include "MendsTest.h"

#include "AppFont.h"

#include "FifoTrap.h"
#include "PortraitWindow.h"
#include "ShownAsWritten.h"
#include "TestWorld.h"
#include "Units.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QRawFont>
#include <QLabel>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

void MendsTest::windowKeepsItsDesignSize()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    const QSize design(twipsToPixels(Main::WidthTwips), twipsToPixels(Main::HeightTwips));
    QCOMPARE(main.size(), design);
    QCOMPARE(main.minimumSize(), design);
    QCOMPARE(main.maximumSize(), design);
    main.resize(design * 2);
    QVERIFY2(main.size() == design, "the window can be resized while its layout stays put");
}

void MendsTest::fadesLastAsDesignedAndTakeThePortrait()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    PortraitWindow *portrait = main.portrait();
    QCOMPARE(portrait->windowOpacity(), 0.0);

    bool together = true;
    int ticks = 0;
    while (main.Timer2->isActive() && ticks < 1000) {
        main.Timer2_Timer();
        ++ticks;
        together = together && portrait->windowOpacity() == main.windowOpacity();
    }
    QVERIFY2(together, "the portrait doesn't fade in with the main window");
    const int fadeInMs = ticks * main.Timer2->interval();
    QVERIFY2(fadeInMs >= 450 && fadeInMs <= 550, qPrintable(QStringLiteral("fade-in lasts %1 ms").arg(fadeInMs)));

    main.close();
    ticks = 0;
    while (main.Timer3->isActive() && ticks < 1000) {
        main.Timer3_Timer();
        ++ticks;
        // The exit routine closes the portrait with the last tick.
        together = together && (portrait->windowOpacity() == main.windowOpacity() || !main.Timer3->isActive());
    }
    QVERIFY2(together, "the portrait doesn't fade out with the main window");
    QVERIFY(portrait->windowOpacity() < 0.05);
    const int fadeOutMs = ticks * main.Timer3->interval();
    QVERIFY2(fadeOutMs >= 700 && fadeOutMs <= 850, qPrintable(QStringLiteral("fade-out lasts %1 ms").arg(fadeOutMs)));
}

void MendsTest::portraitShowsOnlyThePictureAt3000Twips()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    PortraitWindow *portrait = main.portrait();
    const auto rowsShown = [portrait] {
        int shown = 0;
        for (int i = 0; i < AbilityCount; ++i)
            for (QWidget *w : {static_cast<QWidget *>(portrait->captionLabel(i)),
                               static_cast<QWidget *>(portrait->valueLabel(i))})
                if (portrait->rect().intersects(w->geometry()))
                    ++shown;
        return shown;
    };
    QCOMPARE(portrait->heightTwips(), 3000);
    QVERIFY2(rowsShown() == 0, "captions show under the picture at start-up");

    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Xingming")), QStringLiteral("林风")));
    QCOMPARE(portrait->heightTwips(), 3000);
    QVERIFY2(rowsShown() == 0, "a clipped caption shows under the picture after a pick");

    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("ZYe")), QStringLiteral("G")));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Dji")), QStringLiteral("1级")));
    QVERIFY2(rowsShown() == 2 * AbilityCount, "the abilities don't all fit the portrait as tall as the main window");
}

void MendsTest::databaseTextShownAsWritten()
{
    // Every field of one character starts with markup naming a FIFO as a
    // picture; the window must show the characters, never load the picture.
    FifoTrap trap;
    QVERIFY(trap.ready());
    const auto marked = [&](const char *rest) { return trap.markup(QString::fromUtf8(rest)); };
    const QString team = marked("队"), name = marked("怪");
    const QString gender = marked("男"), cls = marked("G"), height = marked("偏高");
    const QString nl = QStringLiteral("\r\n");
    TestWorld world;
    world.writeDatabase(u"[所有球队]" + nl + u"球队1=" + team + nl + u"[所有角色]" + nl + u"角色1=" + name + nl
                        + u'[' + team + u']' + nl + u"角色1=" + name + nl + u'[' + name + u']' + nl + u"球队="
                        + team + nl + u"性别=" + gender + nl + u"职业=" + cls + nl + u"推荐职业=SG" + nl
                        + u"身高=" + height + nl);
    Main &main = world.open();
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Xingming")), name));

    const QList<std::pair<const char *, QString>> fields{
        {"Qiudui2", team}, {"Xingbie", gender}, {"Zhiye", cls}, {"Shengao", height},
        {"Tip", u"你选择了特殊角色“" + name + u"”，根据其能力特点，推荐职业：SG（仅供参考）。（点击此处可查看SG角色列表）"}};
    for (const auto &[label, text] : fields)
        QVERIFY2(shownAsWritten(world.control<QLabel>(QString::fromLatin1(label)), text), label);

    // A tool tip always reads markup: the tip line's is escaped.
    main.Tip_MouseMove();
    const QString tip = world.control<QLabel>(QStringLiteral("Tip"))->toolTip();
    QToolTip::showText(QPoint(10, 10), tip, &main);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            w->grab();
    QToolTip::hideText();
    QTextDocument shown;
    shown.setHtml(tip);
    QVERIFY2(shown.toPlainText().contains(u"“" + name + u"”"), qPrintable(shown.toPlainText()));
    QVERIFY2(!trap.opened(), "a label or the tool tip loaded the picture its text names");
}

// The program font names its families in an order of preference; whatever
// order it hands Qt, Latin and Chinese text come out in the font that order
// picks on this system.
void MendsTest::programFontIsTheFirstListedTheSystemHas()
{
    const QFont before = QApplication::font();
    QFont designed = before;
    designed.setFamilies(QStringList{QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"),
                                     QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimSun")}
                         + before.families());
    designed.setPointSize(9);
    useProgramFont(*qApp);
    const QFont program = QApplication::font();
    QApplication::setFont(before);

    QCOMPARE(program.pointSize(), 9);
    QCOMPARE(QFontInfo(program).family(), QFontInfo(designed).family());
    QCOMPARE(QRawFont::fromFont(program, QFontDatabase::SimplifiedChinese).familyName(),
             QRawFont::fromFont(designed, QFontDatabase::SimplifiedChinese).familyName());
}
