#include "HttpClientTest.h"

#include "FifoTrap.h"
#include "HttpGet.h"
#include "LocalHttpServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

const QString GbkText = QStringLiteral("<title>Hoopra角色助手 V3.3 下载</title>街球：数据更新");

QByteArray gbk(const QString &text) { return QStringEncoder("GBK").encode(text); }

// Fetches a page and waits for its answer on the real event loop.
std::optional<HttpAnswer> fetch(const QUrl &url, int waitMs = 20000)
{
    std::optional<HttpAnswer> answer;
    QObject receiver;
    int calls = 0;
    HttpClient::instance().get(url, &receiver, [&](const HttpAnswer &a) {
        answer = a;
        ++calls;
    });
    if (!QTest::qWaitFor([&] { return calls > 0; }, waitMs))
        return std::nullopt;
    QTest::qWait(0);
    if (calls != 1)
        qWarning("an answer was delivered %d times", calls);
    return answer;
}

} // namespace

void HttpClientTest::gbkPagesArriveAsText()
{
    LocalHttpServer server;
    server.setPage(gbk(GbkText));
    auto answer = fetch(server.url());
    QVERIFY2(answer, "the page never arrived");
    QVERIFY2(answer->ok, qPrintable(answer->error));
    QCOMPARE(answer->body, GbkText);
    QVERIFY(!answer->cut);

    // A page among the data files is fetched the same way.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("download.html")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(gbk(GbkText));
    file.close();
    answer = fetch(QUrl::fromLocalFile(file.fileName()));
    QVERIFY(answer && answer->ok);
    QCOMPARE(answer->body, GbkText);

    // A file that is not there is a failure, not an empty page.
    answer = fetch(QUrl::fromLocalFile(dir.filePath(QStringLiteral("missing.html"))));
    QVERIFY(answer);
    QVERIFY2(!answer->ok, "a missing page counted as an empty one");
}

void HttpClientTest::bodiesAreCutAtOneMebibyteAndKept()
{
    LocalHttpServer server;
    QByteArray page = gbk(GbkText);
    page += QByteArray(5 * 1000 * 1000 - page.size(), 'x');
    server.setPage(page);
    const auto answer = fetch(server.url());
    QVERIFY2(answer, "a 5 MB page never gave an answer");
    QVERIFY2(answer->ok, "a page over the size limit was thrown away instead of cut");
    QVERIFY(answer->cut);
    QVERIFY2(answer->body.startsWith(GbkText), "the beginning of a long page was lost");
    const qsizetype expectedChars = GbkText.size() + (HttpClient::BodyLimit - gbk(GbkText).size());
    QCOMPARE(answer->body.size(), expectedChars);
    QCOMPARE(HttpClient::instance().pendingCount(), 0);
}

void HttpClientTest::silentServerEndsAtTheTimeLimit()
{
    QCOMPARE(HttpClient::instance().timeLimitMs(), HttpClient::TimeLimitMs);
    LocalHttpServer server;
    server.setSilent(true);
    HttpClient::instance().setTimeLimitMs(300);
    QElapsedTimer clock;
    clock.start();
    const auto answer = fetch(server.url(), 5000);
    HttpClient::instance().setTimeLimitMs(HttpClient::TimeLimitMs);
    QVERIFY2(answer, "a server that never answers kept the request open past its limit");
    QVERIFY(!answer->ok);
    QVERIFY(answer->body.isEmpty());
    QCOMPARE(server.requests(), 1);
    QVERIFY(clock.elapsed() >= 250);
}

void HttpClientTest::refusedConnectionFailsQuietly()
{
    quint16 port = 0;
    {
        LocalHttpServer closed;
        port = closed.serverPort();
    }
    const auto answer = fetch(QUrl(QStringLiteral("http://127.0.0.1:%1/download.html").arg(port)));
    QVERIFY2(answer, "a refused connection gave no answer");
    QVERIFY(!answer->ok);
    QVERIFY(!answer->error.isEmpty());
}

void HttpClientTest::droppedAnswersNeverArrive()
{
    LocalHttpServer server;
    server.setPage(gbk(GbkText));
    server.setDelayMs(300);
    QSignalSpy seen(&server, &LocalHttpServer::requestSeen);
    QSignalSpy left(&server, &LocalHttpServer::clientLeftEarly);
    QObject receiver;
    int calls = 0;
    HttpClient::instance().get(server.url(), &receiver, [&](const HttpAnswer &) { ++calls; });
    QVERIFY(seen.wait(5000));
    QCOMPARE(HttpClient::instance().pendingCount(), 1);

    HttpClient::instance().dropPending();
    QCOMPARE(HttpClient::instance().pendingCount(), 0);
    QVERIFY2(left.count() > 0 || left.wait(5000), "the dropped request stayed connected");
    QCOMPARE(calls, 0);

    // A receiver that is gone gets nothing either; the client goes on working.
    auto gone = std::make_unique<QObject>();
    HttpClient::instance().get(server.url(), gone.get(), [&](const HttpAnswer &) { ++calls; });
    gone.reset();
    server.setDelayMs(0);
    const auto answer = fetch(server.url());
    QVERIFY(answer && answer->ok);
    QCOMPARE(calls, 0);
}

void HttpClientTest::localPagesAreReadLikeEveryOtherFile()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("download.html"));
    FifoTrap watch(fifo);
    QVERIFY(watch.ready());
    const QString longPage = dir.filePath(QStringLiteral("long.html"));
    QFile file(longPage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(gbk(GbkText) + QByteArray(3 * 1000 * 1000, 'x'));
    file.close();

    // Anything but a regular file fails at once and is never opened; a long
    // page is cut and kept like a long body.
    const struct {
        const char *what;
        QString path;
        bool ok;
    } rows[] = {
        {"a FIFO", fifo, false},
        {"a device", QStringLiteral("/dev/zero"), false},
        {"a folder", dir.path(), false},
        {"a page over the size limit", longPage, true},
    };
    for (const auto &row : rows) {
        const auto answer = fetch(QUrl::fromLocalFile(row.path), 5000);
        QVERIFY2(answer, row.what);
        QVERIFY2(answer->ok == row.ok, row.what);
        QCOMPARE(answer->cut, row.ok);
    }
    QVERIFY2(!watch.opened(), "the FIFO in the page's place was opened");
    const auto cut = fetch(QUrl::fromLocalFile(longPage));
    QVERIFY(cut->body.startsWith(GbkText));
    QCOMPARE(cut->body.size(), GbkText.size() + (HttpClient::BodyLimit - gbk(GbkText).size()));

    // Its answer comes later, and is dropped like any other.
    QObject receiver;
    int calls = 0;
    HttpClient::instance().get(QUrl::fromLocalFile(longPage), &receiver, [&](const HttpAnswer &) { ++calls; });
    QCOMPARE(calls, 0);
    QCOMPARE(HttpClient::instance().pendingCount(), 1);
    HttpClient::instance().dropPending();
    QTest::qWait(20);
    QCOMPARE(calls, 0);
#else
    QSKIP("FIFOs and devices are a Unix thing");
#endif
}
