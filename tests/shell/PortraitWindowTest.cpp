#include "PortraitWindowTest.h"

#include "Abilities.h"
#include "BesideWindow.h"
#include "PortraitWindow.h"
#include "ShareWindowOpen.h"
#include "Units.h"
#include "WindowList.h"

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QCursor>
#include <QTest>

#ifndef Q_OS_WIN
#  include <sys/stat.h>
#endif

namespace {

QLabel *control(QWidget &w, const char *name) { return w.findChild<QLabel *>(QLatin1String(name)); }

// A point on the window's own surface, away from every control.
QPoint surface(const QWidget &w) { return QPoint(4, w.height() / 3); }

QColor textColour(const QLabel *l) { return l->palette().color(QPalette::WindowText); }
QColor backColour(const QLabel *l) { return l->palette().color(QPalette::Window); }

} // namespace

void PortraitWindowTest::init()
{
    // The pointer starts away from every window, as when a window first opens.
    // Two steps: the cursor ignores a move to where it already is, and the
    // last test's pointer moves went around it.
    QCursor::setPos(798, 598);
    QCursor::setPos(799, 599);
    QCoreApplication::processEvents();
}

void PortraitWindowTest::hoverShowsTheLinksUntilTimer1Fires()
{
    PortraitWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("角色头像 - ZR角色助手"));
    QLabel *guanBi = control(w, "GuanBi");
    QLabel *dklj = control(w, "DKLJ");
    QVERIFY(guanBi && dklj);
    QCOMPARE(guanBi->text(), QStringLiteral("关闭头像"));
    QCOMPARE(dklj->text(), QStringLiteral("我有话要说..."));
    QVERIFY(!guanBi->isVisible() && !dklj->isVisible());
    QVERIFY(!w.Timer1.isActive());
    QCOMPARE(w.Timer1.interval(), 1000);

    QTest::mouseMove(&w, surface(w));
    QVERIFY2(guanBi->isVisible() && dklj->isVisible(), "hovering the portrait shows no links");
    QVERIFY(w.Timer1.isActive());
    QCOMPARE(textColour(guanBi), fromBgr(0xFFFFFF));
    QCOMPARE(backColour(guanBi), fromBgr(0xFFC16C));

    w.Timer1_Timer();
    QVERIFY2(!guanBi->isVisible() && !dklj->isVisible(), "the portrait's links never go away");
    QVERIFY(!w.Timer1.isActive());
}

void PortraitWindowTest::pointerOnGuanBiKeepsTheLinks()
{
    PortraitWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QLabel *guanBi = control(w, "GuanBi");
    QTest::mouseMove(&w, surface(w));
    QTest::mouseMove(guanBi, guanBi->rect().center());
    QCOMPARE(textColour(guanBi), fromBgr(0x0000FF));
    QVERIFY2(!w.Timer1.isActive(), "the close link vanishes under the pointer");
    QVERIFY(guanBi->isVisible());

    // Back on the surface: the links are white on blue again and time out.
    QTest::mouseMove(&w, surface(w));
    QCOMPARE(textColour(guanBi), fromBgr(0xFFFFFF));
    QVERIFY(w.Timer1.isActive());
}

void PortraitWindowTest::guanBiHidesTheWindowAndTellsTheMainWindow()
{
    PortraitWindow w;
    QSignalSpy closed(&w, &PortraitWindow::portraitClosed);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QLabel *guanBi = control(w, "GuanBi");
    QTest::mouseMove(&w, surface(w));
    QTest::mouseClick(guanBi, Qt::LeftButton);
    QVERIFY2(!w.isVisible(), "关闭头像 left the portrait open");
    QCOMPARE(closed.count(), 1);

    // The title bar's close is the same: 显示头像 must come back.
    w.show();
    w.close();
    QCOMPARE(closed.count(), 2);
}

void PortraitWindowTest::dkljSharesAPostAboutTheCharacter()
{
    QList<QStringList> shared;
    setShareWindowOpen([&](const QString &post, const QString &title) { shared.append({post, title}); });
    PortraitWindow w;
    w.setCharacterNameProvider([] { return QStringLiteral("小明"); });
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseMove(&w, surface(w));
    QLabel *dklj = control(w, "DKLJ");
    QTest::mouseClick(dklj, Qt::LeftButton);
    setShareWindowOpen({});
    QCOMPARE(shared.size(), 1);
    QCOMPARE(shared.at(0).at(0),
             QStringLiteral("%23Hoopra%23-%23小明%23【 请 把 此 处 文 字 修 改 成 你 想 要 说 的 话 ！】"
                            "（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）"));
    QCOMPARE(shared.at(0).at(1), QStringLiteral("角色交流 - ZR角色助手"));
}

void PortraitWindowTest::pictureIsDrawnOrTheNoticeIsShown()
{
    QImage red(120, 160, QImage::Format_RGB32);
    red.fill(QColor(200, 20, 20));
    const QString jpeg = m_dir.filePath(QStringLiteral("小明.jpg"));
    QVERIFY(red.save(jpeg, "JPEG"));
    const QString notAPicture = m_dir.filePath(QStringLiteral("坏.jpg"));
    QFile bad(notAPicture);
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();

    PortraitWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.setPicture(jpeg));
    QVERIFY(w.hasPicture());
    QVERIFY(w.noticeText().isEmpty());
    // The middle of the picture area shows the picture.
    const QImage shot = w.grab().toImage();
    const QColor middle = shot.pixelColor(w.width() / 2, twipsToPixels(1200));
    QVERIFY2(qAbs(middle.red() - 200) < 20 && middle.green() < 50, "the character's picture is not shown");

    w.showMissingPicture();
    QVERIFY(!w.hasPicture());
    QCOMPARE(w.noticeText(), QStringLiteral("无头像，请检查客户端完整性！"));
    QVERIFY2(w.grab().toImage() != shot, "the picture stays after it went missing");

    QVERIFY2(!w.setPicture(notAPicture), "a broken picture file counts as loaded");
    // What the database check calls an error is refused: a picture that is not a JPEG.
    const QString png = m_dir.filePath(QStringLiteral("画.jpg"));
    QVERIFY(red.save(png, "PNG"));
    QVERIFY2(!w.setPicture(png), "a PNG under a .jpg name counts as loaded");
    QVERIFY(!w.hasPicture());
    QVERIFY(!w.setPicture(m_dir.filePath(QStringLiteral("无此文件.jpg"))));
#ifndef Q_OS_WIN
    // A FIFO or a device in the pictures folder: no picture, and no hang.
    const QString fifo = m_dir.filePath(QStringLiteral("管道.jpg"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QVERIFY2(!w.setPicture(fifo), "a FIFO counted as a picture");
    QVERIFY2(!w.setPicture(QStringLiteral("/dev/zero")), "a device counted as a picture");
#endif
}

void PortraitWindowTest::barsAndValuesFollowTheCalculator()
{
    PortraitWindow w;
    w.setHeightTwips(7200);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < AbilityCount; ++i) {
        QLabel *value = w.findChild<QLabel *>(Abilities[i].valueLabel.toString());
        QLabel *caption = w.findChild<QLabel *>(Abilities[i].caption.toString());
        QVERIFY(value && caption);
        QCOMPARE(value, w.valueLabel(i));
        QCOMPARE(caption, w.captionLabel(i));
        QCOMPARE(caption->text(), Abilities[i].name.toString());
        QCOMPARE(w.barX2(i), w.barX1(i));
    }
    const QImage empty = w.grab().toImage();

    // 跑动 99: the bar runs to X1 + 1831.5, the value just right of it.
    const double x2 = w.barX1(0) + 18.5 * 99;
    w.setBarX2(0, x2);
    w.setValueLeftTwips(0, x2 + 10);
    w.valueLabel(0)->setText(QStringLiteral("99"));
    QCOMPARE(w.barX2(0), x2);
    QCOMPARE(w.valueLabel(0)->x(), twipsToPixels(x2 + 10));
    // Its bar row now has ink between X1 and X2, and only that row changed.
    const QImage drawn = w.grab().toImage();
    const int barMiddleX = twipsToPixels((w.barX1(0) + x2) / 2);
    const QRect firstRow(0, w.valueLabel(0)->y(), w.width(), w.valueLabel(0)->height());
    QVERIFY2(drawn.pixelColor(barMiddleX, firstRow.center().y()) != empty.pixelColor(barMiddleX, firstRow.center().y()),
             "the 跑动 bar is not drawn");
    const int secondRowY = w.valueLabel(1)->geometry().center().y();
    QCOMPARE(drawn.pixelColor(barMiddleX, secondRowY), empty.pixelColor(barMiddleX, secondRowY));

    // A capped bar and a three-digit value still fit the window.
    w.setBarX2(1, 2450);
    w.setValueLeftTwips(1, 2460);
    w.valueLabel(1)->setText(QStringLiteral("152"));
    QVERIFY2(w.valueLabel(1)->geometry().right() < w.width()
                 && w.valueLabel(1)->sizeHint().width() <= w.valueLabel(1)->width(),
             "the value of a full bar is cut off");
}

void PortraitWindowTest::placedLeftOfTheMainWindow()
{
    QWidget main;
    main.setGeometry(400, 100, 500, 400);
    main.show();
    PortraitWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setHeightTwips(3000);
    QCOMPARE(w.heightTwips(), 3000);
    w.placeBeside(&main);
    // Within the pixel the twips round to.
    const int left = int(pixelsToTwips(main.frameGeometry().x())) - w.widthTwips() - 200;
    QVERIFY2(qAbs(w.leftTwips() - left) <= TwipsPerPixel / 2, "the portrait is not beside the main window");
    QCOMPARE(w.topTwips(), int(pixelsToTwips(main.frameGeometry().y())));
    QVERIFY(w.isNormalState());
    w.showMinimized();
    QVERIFY2(!w.isNormalState(), "a minimised portrait counts as normal");
    w.showNormal();
    QVERIFY(w.isNormalState());
}

void PortraitWindowTest::negativeValueDrawsItsBarLeftOfX1()
{
    PortraitWindow w;
    w.setHeightTwips(7200);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage empty = w.grab().toImage();
    // 弹跳 -10: X2 = X1 - 185, and the bar runs there.
    const double x2 = w.barX1(1) + 18.5 * -10;
    w.setBarX2(1, x2);
    const QImage drawn = w.grab().toImage();
    const int y = w.valueLabel(1)->geometry().center().y();
    const int x = twipsToPixels((w.barX1(1) + x2) / 2);
    QVERIFY2(drawn.pixelColor(x, y) != empty.pixelColor(x, y), "a negative value draws no bar");
    const int right = twipsToPixels(w.barX1(1) + 100);
    QCOMPARE(drawn.pixelColor(right, y), empty.pixelColor(right, y));
}

void PortraitWindowTest::linkOpensBesideItsOpenerOnTheScreen()
{
    // The offscreen screen is 800 × 800; its windows have thin frames.
    QCOMPARE(BesideWindow::screenArea(), QRect(0, 0, 800, 800));
    const auto outer = [](const QWidget *w) { return BesideWindow::outerGeometry(w); };
    const int gap = twipsToPixels(BesideWindow::OpenerGapTwips);
    QWidget main;
    main.setGeometry(330, 100, 370, 400);
    main.show();
    BesideWindow::setMainWindow(&main);
    QWidget window;
    window.resize(300, 300);

    // No room right of the main window: left of it, tops level.
    WindowList::showFromLink(&window, &main);
    QCOMPARE(outer(&window).topLeft(), QPoint(outer(&main).left() - gap - outer(&window).width(), outer(&main).top()));
    // Shown already and moved by the player: a link leaves it where it is.
    window.move(50, 20);
    WindowList::showFromLink(&window, &main);
    QCOMPARE(window.pos(), QPoint(50, 20));
    // Closed and opened again from another window: beside that one, or
    // below the main window, the only room it leaves.
    window.close();
    QWidget opener;
    opener.setGeometry(650, 0, 150, 100);
    opener.show();
    main.setGeometry(0, 0, 600, 250);
    WindowList::showFromLink(&window, &opener);
    // Placed while closed, without its frame: again once the frame is back.
    QTRY_COMPARE(outer(&window).topLeft(), QPoint(0, outer(&main).bottom() + 1 + gap));
    BesideWindow::setMainWindow(nullptr);
    WindowList::clear();
}
