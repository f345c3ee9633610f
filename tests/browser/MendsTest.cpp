#include "MendsTest.h"

#include "PortraitWindow.h"
#include "TestWorld.h"
#include "Units.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

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
