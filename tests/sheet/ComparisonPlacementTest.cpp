#include "ComparisonPlacementTest.h"

#include "BesideWindow.h"
#include "ClickLabel.h"
#include "ComparisonWindow.h"
#include "ComparisonWindows.h"
#include "SheetWorld.h"
#include "Units.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

bool framed(const QWidget *w)
{
    return QTest::qWaitFor([w] { return BesideWindow::frameMargins(w).top() > 0; }, 10000);
}

} // namespace

void ComparisonPlacementTest::besideMainByOuterGeometry()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs X11 and a window manager: tests/browser/under-window-manager.sh runs it");
    SheetWorld world;
    QWidget &main = world.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    if (!framed(&main))
        QSKIP("no window manager framed the window");
    // As the window system has it, frames included.
    const auto outer = [](const QWidget *w) { return BesideWindow::outerGeometry(w); };
    const int gap = twipsToPixels(ComparisonWindow::GapTwips);
    QCOMPARE(gap, 10);
    ComparisonWindows windows(world.engine(), &main);

    // Room on the right: level tops, 150 twips between the frames. Placed
    // on load while still unframed, so the frame's arrival must not shift it.
    QPointer<ComparisonWindow> first = windows.open();
    QVERIFY(framed(first));
    QTRY_COMPARE_WITH_TIMEOUT(outer(first).top(), outer(&main).top(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(outer(first).left() - outer(&main).right() - 1, gap, 5000);

    // The second window at the first one's outer right edge, top level.
    clickOn(first->Zj);
    QPointer<ComparisonWindow> second = windows.secondWindow();
    QVERIFY(second);
    QVERIFY(framed(second));
    QTRY_COMPARE_WITH_TIMEOUT(outer(second).left(), outer(first).right() + 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(outer(second).top(), outer(&main).top(), 5000);
    second->close();
    first->close();

    // The main window at the screen's right edge: the left side, measured
    // by the window's outer width, which only its frame tells.
    const QRect screen = main.screen()->geometry();
    BesideWindow::moveOuterTo(&main, QPoint(screen.right() + 1 - outer(&main).width(), 60));
    QTRY_COMPARE_WITH_TIMEOUT(outer(&main).topLeft(), QPoint(screen.right() + 1 - outer(&main).width(), 60), 5000);
    first = windows.open();
    QVERIFY(framed(first));
    QTRY_COMPARE_WITH_TIMEOUT(outer(&main).left() - outer(first).right() - 1, gap, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(outer(first).top(), 60, 5000);
}
