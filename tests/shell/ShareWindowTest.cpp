#include "ShareWindowTest.h"

#include "AppPaths.h"
#include "ClickLabel.h"
#include "MessageRecorder.h"
#include "OpenPage.h"
#include "ShareWindow.h"
#include "ShareWindowOpen.h"
#include "Units.h"
#include "WebView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QTest>
#include <QTextBrowser>
#include <QUrlQuery>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString pageText(WebView *view)
{
    QString t;
    view->requestPlainText([&](const QString &s) { t = s; });
    return t;
}

int shareWindows()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += w->objectName() == QLatin1String("WbFx");
    return n;
}

ShareWindow *openedWindow()
{
    ShareWindow *w = ShareWindow::existing();
    if (w && !QTest::qWaitForWindowExposed(w))
        return nullptr;
    return w;
}

bool underlined(QLabel *l) { return l->font().underline(); }
QColor colour(QLabel *l) { return l->palette().color(QPalette::WindowText); }

} // namespace

void ShareWindowTest::init()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("ZRCendpoints.ini")),
                      "[pages]\r\nshare=pages/share.html\r\nauthor=pages/author.html\r\n"
                      "user_search=http://127.0.0.1:8931/search?q=Hoopra\r\ntopic=pages/topic.html\r\n"));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("pages/share.html")),
                      "<html><head><meta charset=\"utf-8\"></head><body><p>share page</p>"
                      "<p><a href=\"javascript:window.close()\">close-link</a></p></body></html>"));
    AppPaths::setDataDir(m_dir.path());
}

void ShareWindowTest::cleanup()
{
    setPageOpener({});
    delete ShareWindow::existing();
}

void ShareWindowTest::twoShareActionsLeaveOneWindowWithTheSecondPost()
{
    ShareWindowOpen(QStringLiteral("%23Hoopra%23 第一条"), QStringLiteral("分享软件 - ZR角色助手"));
    ShareWindow *window = openedWindow();
    QVERIFY2(window, "the first share action showed no share window");
    const QString second = QStringLiteral("【%23Hoopra%23】我的%23Hoopra-陆星河%23（职业：PG）传球+7");
    ShareWindowOpen(second, QStringLiteral("分享能力值 - ZR角色助手"));

    QCOMPARE(shareWindows(), 1);
    QCOMPARE(ShareWindow::existing(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("分享能力值 - ZR角色助手"));
    // The sample's page itself, with the post in its query as "#" marks.
    const QUrl shown = window->WB()->url();
    QCOMPARE(shown.toLocalFile(), QDir(m_dir.path()).filePath(QStringLiteral("pages/share.html")));
    QCOMPARE(QUrlQuery(shown).queryItemValue(QStringLiteral("title"), QUrl::FullyDecoded),
             QString(second).replace(QStringLiteral("%23"), QStringLiteral("#")));
    QVERIFY2(pageText(window->WB()).contains(u"share page"), "the share page is not shown");
}

void ShareWindowTest::thePageClosesItsWindow()
{
    ShareWindowOpen(QStringLiteral("x"), QStringLiteral("t"));
    ShareWindow *window = openedWindow();
    QVERIFY(window);
    auto *browser = qobject_cast<QTextBrowser *>(window->WB()->widget());
    QVERIFY(browser);
    QTextCursor link = browser->document()->find(QStringLiteral("close-link"));
    QVERIFY(!link.isNull());
    link.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
    QTRY_VERIFY2(!window->isVisible(), "the page's close link left the share window open");

    // The next share action brings the same window back.
    ShareWindowOpen(QStringLiteral("y"), QStringLiteral("t2"));
    QCOMPARE(ShareWindow::existing(), window);
    QVERIFY(window->isVisible());
}

void ShareWindowTest::linksOpenTheirPagesAndShowWhereThePointerIs()
{
    MessageRecorder messages;
    QList<QUrl> opened;
    setPageOpener([&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    ShareWindowOpen(QStringLiteral("x"), QStringLiteral("t"));
    ShareWindow *w = openedWindow();
    QVERIFY(w);
    ClickLabel *links[] = {w->QLNDWB, w->HPRAWJ, w->JSZSHT, w->HPRAHT};
    for (ClickLabel *l : links)
        QTest::mouseClick(l, Qt::LeftButton);
    const QString dir = QDir(m_dir.path()).absolutePath();
    QCOMPARE(opened.size(), 4);
    QCOMPARE(opened[0], QUrl::fromLocalFile(dir + u"/pages/author.html"));
    QCOMPARE(opened[1], QUrl(u"http://127.0.0.1:8931/search?q=Hoopra"_qs));
    QCOMPARE(opened[2].toLocalFile(), dir + u"/pages/topic.html");
    QCOMPARE(QUrlQuery(opened[2]).queryItemValue(u"topic"_qs, QUrl::FullyDecoded), u"ZR角色助手"_qs);
    QCOMPARE(QUrlQuery(opened[3]).queryItemValue(u"topic"_qs, QUrl::FullyDecoded), u"Hoopra"_qs);
    QCOMPARE(messages.count(), 0);

    // The desktop refuses: the player is told.
    setPageOpener([](const QUrl &) { return false; });
    QTest::mouseClick(w->QLNDWB, Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList{u"调用浏览器错误！"_qs});

    // Under the pointer a link is underlined and blue; on the surface all
    // four are plain again, white but for the red JSZSHT.
    QTest::mouseMove(w->JSZSHT, w->JSZSHT->rect().center());
    QVERIFY(underlined(w->JSZSHT));
    QCOMPARE(colour(w->JSZSHT), fromBgr(0xFF0000));
    QTest::mouseMove(w, QPoint(w->width() - 5, w->height() - 5));
    for (ClickLabel *l : links)
        QVERIFY2(!underlined(l), qPrintable(l->objectName() + u" stays underlined"));
    QCOMPARE(colour(w->JSZSHT), fromBgr(0x0000FF));
    QCOMPARE(colour(w->QLNDWB), fromBgr(0xFFFFFF));
    QCOMPARE(colour(w->HPRAHT), fromBgr(0xFFFFFF));
}

void ShareWindowTest::queDingClosesAndTheSurfaceDrags()
{
    ShareWindowOpen(QStringLiteral("x"), QStringLiteral("t"));
    ShareWindow *w = openedWindow();
    QVERIFY(w);
    for (QFrame *line : w->QuedingLines)
        QVERIFY(!line->isVisible());
    QTest::mouseMove(w->Queding, w->Queding->rect().center());
    for (QFrame *line : w->QuedingLines)
        QVERIFY2(line->isVisible(), "the close button is not framed under the pointer");
    const QPoint surface(w->width() - 5, w->height() - 5);
    QTest::mouseMove(w, surface);
    for (QFrame *line : w->QuedingLines)
        QVERIFY(!line->isVisible());

    // The pointer moves on the screen; the window follows it.
    const QPoint before = w->pos();
    const QPoint grab = w->mapToGlobal(surface);
    auto at = [&](QPoint by) { return w->mapFromGlobal(grab + by); };
    QTest::mousePress(w, Qt::LeftButton, {}, at({0, 0}));
    QTest::mouseMove(w, at({-30, -20}));
    QTest::mouseRelease(w, Qt::LeftButton, {}, at({-30, -20}));
    QCOMPARE(w->pos(), before + QPoint(-30, -20));

    QTest::mouseClick(w->Queding, Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QCOMPARE(shareWindows(), 1);
}
