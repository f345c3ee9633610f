#include "PingLinuxTest.h"

#include "PingEcho.h"
#include "ZoneFakes.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <unistd.h>

namespace {

const QString Cli = QStringLiteral(ZRC_TEST_SAMPLE_DIR "/zrc-cli");

// Skips the test where the machine allows neither socket.
#define REQUIRE_ECHO(backend)                                                                      \
    do {                                                                                           \
        const mPing::Echo probe = (backend).ping(*mPing::parseAddress(u"127.0.0.1"));              \
        if (probe.status == mPing::Echo::Status::NotPermitted)                                     \
            QSKIP("this user may open neither an ICMP datagram socket (net.ipv4.ping_group_range) " \
                  "nor a raw one (root or CAP_NET_RAW)");                                          \
    } while (0)

} // namespace

void PingLinuxTest::echoesFromLoopback()
{
    std::shared_ptr<mPing::Backend> backend = mPing::platformBackend();
    REQUIRE_ECHO(*backend);
    for (const char *address : {"127.0.0.1", "127.0.0.2", "127.0.0.16"}) {
        const mPing::Echo echo = backend->ping(*mPing::parseAddress(QString::fromLatin1(address)));
        QVERIFY2(echo.status == mPing::Echo::Status::Success, address);
        QVERIFY(echo.ms >= 0 && echo.ms < mPing::TimeLimitMs);
    }
}

void PingLinuxTest::concurrentEchoesKeepTheirOwnReplies()
{
    // Two backends at once: a raw socket sees the other's requests and
    // replies too, and must take only its own.
    std::shared_ptr<mPing::Backend> a = mPing::platformBackend(), b = mPing::platformBackend();
    REQUIRE_ECHO(*a);
    std::atomic<int> answered{0};
    const auto run = [&answered](mPing::Backend *backend, const char *address) {
        for (int i = 0; i < 25; ++i)
            if (backend->ping(*mPing::parseAddress(QString::fromLatin1(address))).status
                == mPing::Echo::Status::Success)
                ++answered;
    };
    std::unique_ptr<QThread> first(QThread::create(run, a.get(), "127.0.0.1"));
    std::unique_ptr<QThread> second(QThread::create(run, b.get(), "127.0.0.1"));
    first->start();
    second->start();
    QVERIFY(first->wait(30000) && second->wait(30000));
    QCOMPARE(answered.load(), 50);
}

void PingLinuxTest::commandLinePrintsTheSheet()
{
    REQUIRE_ECHO(*mPing::platformBackend());
    QTemporaryDir dir;
    QVERIFY(writeEndpoints(dir, {"127.0.0.1,127.0.0.2", "bad.name", "", "127.0.0.3"}));
    QProcess cli;
    cli.start(Cli, {QStringLiteral("ping"), QStringLiteral("--data-dir"), dir.path()});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], QStringLiteral("我[未知网络]PINGHoopra服务器的状况：")); // no lookup page
    QVERIFY2(QRegularExpression(QStringLiteral("^1、青石球场（华东电信）→ \\d{1,2}ms（超棒|很棒）")).match(lines[2]).hasMatch(),
             qPrintable(lines[2]));
    QCOMPARE(lines[3], QStringLiteral("2、赤岩球场（西南电信）→ 1001ms（阻塞）"));
    QCOMPARE(lines[4], QStringLiteral("3、白沙球场（东北网通）→ 1001ms（阻塞）"));
    QCOMPARE(lines[10], QStringLiteral("作者微博【pages/author.html】"));
}

void PingLinuxTest::refusedWithoutPermission()
{
    // As nobody, where nobody may open neither socket: the command says why
    // and how to allow it, instead of calling every zone blocked.
    if (::geteuid() != 0)
        QSKIP("needs root to run the command as nobody");
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        QSKIP("setpriv is not installed");
    QFile range(QStringLiteral("/proc/sys/net/ipv4/ping_group_range"));
    if (range.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> bounds = range.readAll().simplified().split(' ');
        if (bounds.size() == 2 && bounds[0].toLongLong() <= 65534 && 65534 <= bounds[1].toLongLong())
            QSKIP("this machine lets every group send echo requests");
    }
    QTemporaryDir dir;
    QVERIFY(writeEndpoints(dir, {"127.0.0.1", "127.0.0.2", "127.0.0.3", "127.0.0.4"}));
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ReadOther | QFile::ExeOther);
    QProcess cli;
    cli.start(setpriv, {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                        QStringLiteral("--clear-groups"), Cli, QStringLiteral("ping"),
                        QStringLiteral("--data-dir"), dir.path()});
    QVERIFY(cli.waitForFinished(60000));
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    if (cli.exitCode() != 2 && err.contains(QStringLiteral("Permission denied")))
        QSKIP("nobody may not run the built program here");
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardOutput().isEmpty());
    QVERIFY2(err.contains(QStringLiteral("net.ipv4.ping_group_range")), qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("setcap cap_net_raw+ep ") + Cli), qPrintable(err));
}
