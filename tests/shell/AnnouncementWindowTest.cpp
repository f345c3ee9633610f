#include "AnnouncementWindowTest.h"

#include "AnnouncementWindow.h"
#include "AppPaths.h"
#include "Units.h"
#include "WebView.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QCursor>
#include <QTest>

namespace {

QUrl writePage(const QTemporaryDir &dir, const QString &name, const QString &body)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>%1</body></html>")
                   .arg(body)
                   .toUtf8());
    return QUrl::fromLocalFile(file.fileName());
}

QString text(WebView *view)
{
    QString t;
    view->requestPlainText([&](const QString &s) { t = s; });
    return t;
}

bool minimised(const QWidget &w) { return w.windowState() & Qt::WindowMinimized; }

// A point on the window's own surface below the pages, away from the controls.
QPoint surface(const QWidget &w) { return QPoint(10, w.height() - 12); }

struct Fixture {
    QWidget main;
    AnnouncementWindow window{&main};

    explicit Fixture(const QTemporaryDir &dir)
    {
        main.setObjectName(QStringLiteral("Main"));
        main.setGeometry(200, 150, 400, 300);
        main.show();
        window.setPages(writePage(dir, QStringLiteral("title.html"), QStringLiteral("官方动态")),
                        writePage(dir, QStringLiteral("notice.html"), QStringLiteral("停机维护公告")));
    }
    bool open()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
};

} // namespace

void AnnouncementWindowTest::init()
{
    // The pointer starts away from every window, as when a window first opens.
    // Two steps: the cursor ignores a move to where it already is, and the
    // last test's pointer moves went around it.
    QCursor::setPos(798, 598);
    QCursor::setPos(799, 599);
    QCoreApplication::processEvents();
}

void AnnouncementWindowTest::openingMinimisesMainAndShowsBothPages()
{
    Fixture f(m_dir);
    QVERIFY2(!f.window.titleView() && !f.window.noticeView(), "the pages are made before they are wanted");
    QVERIFY(f.open());
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Hoopra公告 - ZR角色助手"));
    QVERIFY(f.window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(f.window.Caption->text(), QStringLiteral("Hoopra官方动态 - ZR角色助手"));
    QVERIFY2(minimised(f.main), "the main window stays up behind the announcements");
    QVERIFY(f.window.titleView() && f.window.noticeView());
    QVERIFY2(text(f.window.titleView()).contains(QStringLiteral("官方动态")), "the title page is not shown");
    QVERIFY2(text(f.window.noticeView()).contains(QStringLiteral("停机维护公告")), "the notice page is not shown");
    QWidget *first = f.window.titleView()->widget();
    QWidget *second = f.window.noticeView()->widget();
    QVERIFY(first->isVisible() && second->isVisible());
    QCOMPARE(second->size(), first->size());
    QVERIFY2(!first->geometry().intersects(second->geometry()), "the two pages overlap");
}

void AnnouncementWindowTest::pagesComeFromTheEndpointsFile()
{
    QTemporaryDir data;
    QVERIFY(QDir(data.path()).mkdir(QStringLiteral("pages")));
    writePage(data, QStringLiteral("pages/t.html"), QStringLiteral("标题页"));
    writePage(data, QStringLiteral("pages/n.html"), QStringLiteral("公告页"));
    QFile endpoints(data.filePath(QStringLiteral("ZRCendpoints.ini")));
    QVERIFY(endpoints.open(QIODevice::WriteOnly));
    endpoints.write("[pages]\r\nannounce_title=pages/t.html\r\nannounce_notice=pages/n.html\r\n");
    endpoints.close();
    AppPaths::setDataDir(data.path());

    QWidget main;
    main.show();
    AnnouncementWindow window(&main);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(text(window.titleView()).contains(QStringLiteral("标题页")), "the fan site's title page is not shown");
    QVERIFY2(text(window.noticeView()).contains(QStringLiteral("公告页")), "the fan site's notice page is not shown");
}

void AnnouncementWindowTest::quedingClosesAndRestoresMain()
{
    Fixture f(m_dir);
    QVERIFY(f.open());
    WebView *pageView = f.window.titleView();
    auto *queding = f.window.findChild<QLabel *>(QStringLiteral("Queding"));
    QVERIFY(queding);
    QCOMPARE(queding->text(), QStringLiteral("关 闭"));
    QTest::mouseClick(queding, Qt::LeftButton);
    QVERIFY2(!f.window.isVisible(), "关 闭 left the announcements open");
    QVERIFY2(!minimised(f.main), "the main window stays minimised after the announcements close");

    // Opened again: the main window steps aside again, the same pages reload.
    QVERIFY(f.open());
    QVERIFY(minimised(f.main));
    QCOMPARE(f.window.titleView(), pageView);
}

void AnnouncementWindowTest::linesFrameQuedingOnlyUnderThePointer()
{
    Fixture f(m_dir);
    QVERIFY(f.open());
    QList<QFrame *> lines;
    for (const char *name : {"Line1", "Line2", "Line3", "Line4"}) {
        auto *line = f.window.findChild<QFrame *>(QLatin1String(name));
        QVERIFY(line);
        lines.append(line);
    }
    auto *queding = f.window.findChild<QLabel *>(QStringLiteral("Queding"));
    auto anyShown = [&] {
        return std::any_of(lines.begin(), lines.end(), [](QFrame *l) { return l->isVisible(); });
    };
    auto allShown = [&] {
        return std::all_of(lines.begin(), lines.end(), [](QFrame *l) { return l->isVisible(); });
    };
    QVERIFY(!anyShown());
    QTest::mouseMove(queding, queding->rect().center());
    QVERIFY2(allShown(), "the close button is not framed under the pointer");
    // The frame surrounds the button.
    QRect frame;
    for (QFrame *l : lines)
        frame |= l->geometry();
    QVERIFY(frame.contains(queding->geometry()));

    QTest::mouseMove(&f.window, surface(f.window));
    QVERIFY2(!anyShown(), "the close button stays framed after the pointer left it");
    QCOMPARE(f.window.Caption->palette().color(QPalette::WindowText), fromBgr(0xC0C0FF));
}

void AnnouncementWindowTest::draggingTheSurfaceMovesTheWindow()
{
    Fixture f(m_dir);
    QVERIFY(f.open());
    f.window.move(100, 80);
    const QPoint start = f.window.pos();
    // The pointer moves on the screen; the window moves under it.
    const QPoint grab = f.window.mapToGlobal(surface(f.window));
    auto at = [&](QPoint by) { return f.window.mapFromGlobal(grab + by); };
    QTest::mousePress(&f.window, Qt::LeftButton, {}, at({0, 0}));
    QTest::mouseMove(&f.window, at({30, -20}));
    QCOMPARE(f.window.pos(), start + QPoint(30, -20));
    QTest::mouseMove(&f.window, at({25, -13}));
    QCOMPARE(f.window.pos(), start + QPoint(25, -13));
    QTest::mouseRelease(&f.window, Qt::LeftButton, {}, at({25, -13}));
    QTest::mouseMove(&f.window, at({60, -30}));
    QVERIFY2(f.window.pos() == start + QPoint(25, -13),
             "the announcements follow the pointer after the button is released");
}
