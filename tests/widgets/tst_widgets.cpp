#include "Placement.h"

#include <QTest>

using Placement::Side;

// Outer rectangles as a window manager frames them, in device-independent
// pixels. The screens: a 1366 × 768 laptop, 1280 × 1000, 1920 × 1080 at 150 %
// (1280 × 720 to Qt), a second screen left of the primary one, and 1920 × 1080.
namespace {
const QRect Laptop(0, 0, 1366, 768);
const QRect Tall(0, 0, 1280, 1000);
const QRect Scaled(0, 0, 1280, 720);
const QRect LeftScreen(-1280, 0, 1280, 1024);
const QRect Wide(0, 0, 1920, 1080);
} // namespace

class PlacementTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void beside_data();
    void beside();
    void besideOpener_data();
    void besideOpener();
    void centred();
};

void PlacementTest::beside_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("gap");
    QTest::addColumn<QPoint>("expected");

    const int rightIfRoom = int(Side::RightIfRoom), left = int(Side::Left), right = int(Side::Right);
    const QSize comparison(538, 520), portrait(229, 560);
    // The comparison window: right of the main window when there is room.
    QTest::newRow("comparison, room on the right") << Wide << QRect(600, 200, 650, 560) << comparison
                                                   << rightIfRoom << 10 << QPoint(1260, 200);
    QTest::newRow("comparison, left on a laptop") << Laptop << QRect(560, 100, 650, 560) << comparison
                                                  << rightIfRoom << 10 << QPoint(12, 100);
    // Neither side has room: the left has more, so left, then inward (it
    // landed at x = -31 with its row captions cut off).
    QTest::newRow("comparison, no room on 1280 × 1000") << Tall << QRect(517, 150, 650, 560) << comparison
                                                        << rightIfRoom << 10 << QPoint(0, 150);
    // Room of exactly its width on the right is not enough for "right if room".
    QTest::newRow("exact room, right if room") << Scaled << QRect(400, 50, 500, 500) << QSize(370, 400)
                                               << rightIfRoom << 10 << QPoint(20, 50);
    QTest::newRow("exact room, right") << Scaled << QRect(400, 50, 500, 500) << QSize(370, 400) << right << 10
                                       << QPoint(910, 50);
    // Past the bottom edge: moved up.
    QTest::newRow("comparison, past the bottom") << Laptop << QRect(560, 300, 650, 460) << comparison
                                                 << rightIfRoom << 10 << QPoint(12, 248);
    // The portrait window: left of the main window.
    QTest::newRow("portrait, left") << Tall << QRect(517, 150, 650, 560) << portrait << left << 13
                                    << QPoint(275, 150);
    QTest::newRow("portrait, right when the left has no room")
        << Tall << QRect(100, 150, 650, 560) << portrait << left << 13 << QPoint(763, 150);
    QTest::newRow("portrait, no room either side") << Scaled << QRect(150, 0, 1000, 700) << QSize(229, 700)
                                                   << left << 13 << QPoint(0, 0);
    // A second screen left of the primary one, all coordinates negative.
    QTest::newRow("comparison, screen on the left") << LeftScreen << QRect(-1000, 100, 650, 560) << comparison
                                                    << rightIfRoom << 10 << QPoint(-538, 100);
    QTest::newRow("portrait, screen on the left") << LeftScreen << QRect(-1000, 100, 650, 560) << portrait
                                                  << left << 13 << QPoint(-1242, 100);
    // Larger than the screen: top-left corner on the screen's.
    QTest::newRow("larger than the screen") << Scaled << QRect(0, 0, 600, 500) << QSize(1400, 800) << right
                                            << 10 << QPoint(0, 0);
}

void PlacementTest::beside()
{
    QFETCH(QRect, area);
    QFETCH(QRect, anchor);
    QFETCH(QSize, size);
    QFETCH(int, side);
    QFETCH(int, gap);
    QFETCH(QPoint, expected);
    QCOMPARE(Placement::beside(anchor, size, Side(side), gap, area), expected);
}

void PlacementTest::besideOpener_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("opener");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("expected");

    const QRect main(300, 100, 650, 560);
    QTest::newRow("level-up, right of the main window") << Laptop << main << main << QSize(400, 513)
                                                        << QPoint(960, 100);
    QTest::newRow("zone, screen on the left") << LeftScreen << QRect(-1000, 100, 650, 560)
                                              << QRect(-1000, 100, 650, 560) << QSize(300, 400)
                                              << QPoint(-340, 100);
    // Neither side has room, but below the main window has.
    QTest::newRow("best build, below") << Tall << QRect(517, 50, 650, 500) << QRect(517, 50, 650, 500)
                                       << QSize(600, 400) << QPoint(517, 560);
    // No room anywhere off the main window: beside it on the side with more
    // room, moved inward (it stood 15 px below the bottom edge).
    QTest::newRow("best build, no room on 1280 × 1000") << Tall << QRect(517, 150, 650, 560)
                                                        << QRect(517, 150, 650, 560) << QSize(600, 448)
                                                        << QPoint(0, 150);
    QTest::newRow("skills at 150 %") << Scaled << QRect(400, 40, 650, 600) << QRect(400, 40, 650, 600)
                                     << QSize(600, 450) << QPoint(0, 40);
    // The radar chart from the comparison window: right of it stands the
    // main window, so it goes left, over the comparison window rather than
    // over the main window.
    QTest::newRow("radar, comparison left of main") << Laptop << QRect(12, 100, 538, 520)
                                                    << QRect(560, 100, 650, 560) << QSize(480, 600)
                                                    << QPoint(0, 100);
    QTest::newRow("radar, comparison right of main") << Wide << QRect(960, 200, 538, 520) << QRect(300, 200, 650, 560)
                                                     << QSize(480, 600) << QPoint(1440, 200);
    QTest::newRow("radar, room left of the comparison") << Wide << QRect(1300, 200, 538, 520)
                                                        << QRect(300, 200, 650, 560) << QSize(300, 600)
                                                        << QPoint(990, 200);
    // A share opened from the level-up window left of the main window.
    QTest::newRow("share from level-up") << Wide << QRect(20, 100, 500, 513) << QRect(600, 100, 650, 560)
                                         << QSize(600, 500) << QPoint(1260, 100);
}

void PlacementTest::besideOpener()
{
    QFETCH(QRect, area);
    QFETCH(QRect, opener);
    QFETCH(QRect, main);
    QFETCH(QSize, size);
    QFETCH(QPoint, expected);
    QCOMPARE(Placement::besideOpener(opener, size, 10, area, main), expected);
}

void PlacementTest::centred()
{
    QCOMPARE(Placement::centred(QSize(800, 600), Laptop), QPoint(283, 84));
    QCOMPARE(Placement::centred(QSize(600, 400), LeftScreen), QPoint(-940, 312));
    // A tour picture larger than a 150 % screen: its top-left corner shows.
    QCOMPARE(Placement::centred(QSize(1400, 800), Scaled), QPoint(0, 0));
}

QTEST_APPLESS_MAIN(PlacementTest)
#include "tst_widgets.moc"
