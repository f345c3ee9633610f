#include "FifoTrap.h"
#include "HttpClientTest.h"
#include "MessageRecorder.h"
#include "RunTestClasses.h"
#include "ShownAsWritten.h"
#include "OpenPage.h"
#include "Random.h"
#include "WebView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWidget>

using MessageBox::Answer;
using MessageBox::Buttons;
using MessageBox::Icon;

class PlatformTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QUrl writePage(const QString &name, const QByteArray &content)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(content);
        return QUrl::fromLocalFile(file.fileName());
    }

    static QString pageText(WebView &view)
    {
        QString text;
        bool delivered = false;
        view.requestPlainText([&](const QString &t) {
            text = t;
            delivered = true;
        });
        // The real engine answers through the event loop.
        if (!QTest::qWaitFor([&] { return delivered; }, 30000))
            qWarning("the page never delivered its text");
        return text;
    }

private Q_SLOTS:
    void recorderAnswersAndRestores()
    {
        MessageRecorder outer(Answer::Cancel);
        {
            MessageRecorder recorder;
            QCOMPARE(MessageBox::show(QStringLiteral("一"), Icon::Warning), Answer::Ok);
            QCOMPARE(MessageBox::show(QStringLiteral("二"), Icon::Question, QStringLiteral("标题"),
                                      Buttons::YesNo),
                     Answer::Yes);
            recorder.setAnswer(Answer::No);
            QCOMPARE(MessageBox::show(QStringLiteral("三"), Icon::Question, QStringLiteral("标题"),
                                      Buttons::YesNo),
                     Answer::No);
            QCOMPARE(recorder.texts(), QStringList({"一", "二", "三"}));
            const MessageBox::Message &first = recorder.messages().first();
            QCOMPARE(first.title, QStringLiteral("ZR角色助手提示："));
            QCOMPARE(first.icon, Icon::Warning);
            QCOMPARE(recorder.messages().at(1).buttons, Buttons::YesNo);
        }
        // The inner recorder gone, the outer one answers again.
        QCOMPARE(MessageBox::show(QStringLiteral("四"), Icon::Information, QStringLiteral("t"),
                                  Buttons::OkCancel),
                 Answer::Cancel);
        QCOMPARE(outer.texts(), QStringList({"四"}));
    }

    void realBoxShowsTextAsWritten()
    {
        // Markup on the first line (the line the box would judge the format
        // by) naming a FIFO as a picture; a box without an icon too.
        FifoTrap trap;
        QVERIFY(trap.ready());
        const QString text = trap.markup(QStringLiteral(" 本地\r\n第二行"));
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label);
            QVERIFY2(shownAsWritten(label, text), qPrintable(label->text()));
            checked = true;
            box->accept();
        });
        QCOMPARE(MessageBox::show(text, Icon::None), Answer::Ok);
        QVERIFY(checked);
        QVERIFY2(!trap.opened(), "the box loaded the picture its text names");
    }

    void randomDrawsAreFixedByTheSourceAndUniformOtherwise()
    {
        QList<double> fixed{0.25, 0.999};
        Random::setSource([&] { return fixed.takeFirst(); });
        Random::reseedFromClock();
        QCOMPARE(Random::draw(), 0.25);
        QCOMPARE(Random::draw(), 0.999);
        Random::setSource({});

        // Ten buckets of 10000 draws: each within a generous band of 1000.
        int buckets[10] = {};
        for (int i = 0; i < 10000; ++i) {
            if (i % 1000 == 0)
                Random::reseedFromClock();
            const double r = Random::draw();
            QVERIFY2(r >= 0.0 && r < 1.0, "a random pick would fall outside the list");
            ++buckets[int(r * 10)];
        }
        for (int count : buckets)
            QVERIFY2(count > 800 && count < 1200, "random picks favour some entries");
    }

    void failedPageOpeningTellsThePlayer()
    {
        MessageRecorder recorder;
        QList<QUrl> asked;
        bool succeed = true;
        setPageOpener([&](const QUrl &url) {
            asked.append(url);
            return succeed;
        });
        QVERIFY(openPage(QUrl(QStringLiteral("http://127.0.0.1/a"))));
        QCOMPARE(recorder.count(), 0);

        succeed = false;
        QVERIFY(!openPage(QUrl(QStringLiteral("http://127.0.0.1/b"))));
        setPageOpener({});
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked.at(1), QUrl(QStringLiteral("http://127.0.0.1/b")));
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.messages().at(0).text, QStringLiteral("调用浏览器错误！"));
        QCOMPARE(recorder.messages().at(0).title, QStringLiteral("错误："));
        QCOMPARE(recorder.messages().at(0).icon, Icon::Critical);
    }

    void fallbackViewShowsLocalPagesAndLinksRemoteOnes()
    {
        qputenv("ZRC_NO_WEBENGINE", "1");
        QWidget window;
        auto view = createWebView(&window);
        QVERIFY(view->widget());
        QCOMPARE(view->widget()->parentWidget(), &window);
        view->setSilent(true);
        QList<bool> finished;
        view->onLoadFinished([&](bool ok) { finished.append(ok); });

        // A fan-site page in GBK that names its encoding.
        QByteArray gbk = QStringEncoder("GBK").encode(QStringLiteral(
            "<html><head><meta charset=\"gbk\"><title>公告</title></head>"
            "<body><p>街球公告：新角色上线</p></body></html>"));
        const QUrl page = writePage(QStringLiteral("notice.html"), gbk);
        view->load(page);
        QCOMPARE(view->url(), page);
        QVERIFY2(pageText(*view).contains(QStringLiteral("街球公告：新角色上线")),
                 "the announcement page's text is not shown");

        view->load(QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("missing.html"))));
        const QUrl remote(QStringLiteral("http://127.0.0.1:8931/index.php?c=share"));
        view->load(remote);
        QVERIFY2(pageText(*view).contains(remote.toString()), "a remote page shows no address");
        QCOMPARE(finished, QList<bool>({true, false, true}));

        // The view's widget goes with the view.
        QPointer<QWidget> widget = view->widget();
        view.reset();
        QVERIFY(widget.isNull());
        qunsetenv("ZRC_NO_WEBENGINE");
    }

    // Built or copied: the plugin beside the program. Installed: only in the
    // private library folder next to the program's.
    void pluginIsFoundBesideOrInstalled()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString lib = root.filePath(QStringLiteral("lib/zrc"));
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(lib));
        auto touch = [](const QString &path) { QFile f(path); return f.open(QIODevice::WriteOnly); };
#ifdef Q_OS_WIN
        const QString suffix = QStringLiteral(".dll");
#else
        const QString suffix = QStringLiteral(".so");
#endif
        QCOMPARE(webViewPluginPath(bin), bin + QStringLiteral("/zrc-webview")); // neither: the error names the folder
        QVERIFY(touch(lib + QStringLiteral("/zrc-webview") + suffix));
        QCOMPARE(webViewPluginPath(bin), lib + QStringLiteral("/zrc-webview"));
        QVERIFY(touch(bin + QStringLiteral("/zrc-webview") + suffix));
        QCOMPARE(webViewPluginPath(bin), bin + QStringLiteral("/zrc-webview"));
    }

    void pluginShowsLocalPages()
    {
        qunsetenv("ZRC_NO_WEBENGINE");
        if (!webEngineAvailable())
            QSKIP(qPrintable(QStringLiteral("the web-view plugin is not built or does not load: ")
                             + webViewPluginPath()));
        QWidget window;
        window.resize(400, 300);
        auto view = createWebView(&window);
        QVERIFY(view->widget());
        QVERIFY2(QString::fromLatin1(view->widget()->metaObject()->className())
                     != QLatin1String("QTextBrowser"),
                 "the plugin loaded but the plain view is used");
        view->setSilent(true);
        bool done = false, ok = false;
        view->onLoadFinished([&](bool result) {
            done = true;
            ok = result;
        });
        window.show();
        // alert() would raise a dialog and stall the test if silence did not hold.
        const QUrl page = writePage(
            QStringLiteral("title.html"),
            QStringLiteral("<html><body><p>官方动态第一条</p>"
                           "<script>alert('x'); nosuchfunction();</script></body></html>")
                .toUtf8());
        view->load(page);
        QTRY_VERIFY_WITH_TIMEOUT(done, 60000);
        QVERIFY2(ok, "the fan-site page did not load in the web view");
        QVERIFY2(pageText(*view).contains(QStringLiteral("官方动态第一条")),
                 "the fan-site page's text is not shown");
    }

    // A reused view: the engine lets a page close its window only while the
    // history holds one entry, so the view is cleared after every load.
    void pluginPageClosesAReusedViewWhenHistoryIsCleared()
    {
        qunsetenv("ZRC_NO_WEBENGINE");
        if (!webEngineAvailable())
            QSKIP("the web-view plugin is not built or does not load");
        QWidget window;
        window.resize(400, 300);
        auto view = createWebView(&window);
        view->setSilent(true);
        int loads = 0;
        bool closeAsked = false;
        view->onLoadFinished([&](bool) {
            ++loads;
            view->clearHistory();
        });
        view->onCloseRequested([&] { closeAsked = true; });
        window.show();
        view->load(writePage(QStringLiteral("first.html"), "<html><body>first</body></html>"));
        QTRY_COMPARE_WITH_TIMEOUT(loads, 1, 60000);
        view->load(writePage(QStringLiteral("closing.html"),
                             "<html><body>second<script>setTimeout(function () { window.close(); }, 200);"
                             "</script></body></html>"));
        QTRY_VERIFY2_WITH_TIMEOUT(closeAsked, "the second page's window.close() was ignored", 30000);
    }

    void fallbackViewTakesACloseLinkAsTheClosingRequest()
    {
        qputenv("ZRC_NO_WEBENGINE", "1");
        QWidget window;
        auto view = createWebView(&window);
        int closes = 0;
        view->onCloseRequested([&] { ++closes; });
        view->load(writePage(QStringLiteral("close.html"),
                             "<html><body><a href=\"javascript:window.close()\">close</a></body></html>"));
        auto *browser = qobject_cast<QTextBrowser *>(view->widget());
        QVERIFY(browser);
        QList<QUrl> opened;
        setPageOpener([&](const QUrl &url) {
            opened.append(url);
            return true;
        });
        Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("javascript:window.close()")));
        Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("javascript:alert(1)")));
        setPageOpener({});
        QCOMPARE(closes, 1);
        QVERIFY2(opened.isEmpty(), "a script link went to the browser");
        qunsetenv("ZRC_NO_WEBENGINE");
    }
};

int main(int argc, char **argv)
{
    // The engine refuses to run as root without this; the test runner sets it too.
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    return runTestClasses<PlatformTest, HttpClientTest>(argc, argv);
}

#include "tst_platform.moc"
