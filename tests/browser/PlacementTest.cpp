#include "PlacementTest.h"

#include "BesideWindow.h"
#include "PortraitWindow.h"
#include "TestWorld.h"
#include "Units.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QTest>

void PlacementTest::portraitMeetsMainByOuterGeometry()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs X11 and a window manager: tests/browser/under-window-manager.sh runs it");
    TestWorld world;
    world.writeStandardDatabase();
    // Where its load puts it: the window manager then frames it without
    // moving its client area, and Qt's own idea of its frame stays empty.
    Main &main = world.open(false);
    PortraitWindow *portrait = main.portrait();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    if (!QTest::qWaitFor([&] { return BesideWindow::frameMargins(&main).top() > 0; }, 10000))
        QSKIP("no window manager framed the window");

    // As the window system has it (the X server and the window manager's
    // frame extents), not as QWidget remembers it.
    const auto outer = [](QWidget *w) { return BesideWindow::outerGeometry(w); };
    const int gap = twipsToPixels(200);
    // Level tops, 200 twips apart, the portrait 3000 twips tall outside.
    QTRY_COMPARE_WITH_TIMEOUT(outer(portrait).top(), outer(&main).top(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(outer(&main).left() - outer(portrait).right() - 1, gap, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(outer(portrait).height(), twipsToPixels(3000), 5000);

    // With the abilities shown the two windows end level, frames included.
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Xingming")), QStringLiteral("林风")));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("ZYe")), QStringLiteral("G")));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Dji")), QStringLiteral("1级")));
    QTRY_COMPARE_WITH_TIMEOUT(outer(portrait).height(), outer(&main).height(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(outer(portrait).top(), outer(&main).top(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(outer(&main).left() - outer(portrait).right() - 1, gap, 5000);
}
