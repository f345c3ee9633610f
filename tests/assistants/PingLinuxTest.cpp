#include "PingLinuxTest.h"

#include "PingEcho.h"
#include "PingLinux.h"
#include "ZoneFakes.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <arpa/inet.h>
#include <cstring>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
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

// An ICMP message: type, code, checksum (left 0: the filter need not check
// it, the kernel did), identifier, sequence, then the data.
QByteArray icmp(std::uint8_t type, std::uint16_t id, std::uint16_t sequence, const QByteArray &data)
{
    QByteArray m(8, '\0');
    m[0] = char(type);
    std::memcpy(m.data() + 4, &id, 2);
    std::memcpy(m.data() + 6, &sequence, 2);
    return m + data;
}

// The same behind an IPv4 header of `words` 32-bit words from `source`.
QByteArray ipv4(const QByteArray &payload, std::uint32_t source, int words = 5)
{
    QByteArray h(words * 4, '\0');
    h[0] = char(0x40 | words);
    h[9] = char(IPPROTO_ICMP);
    std::memcpy(h.data() + 12, &source, 4);
    return h + payload;
}

bool taken(const QByteArray &packet, bool raw, std::uint32_t from, std::uint16_t id, std::uint16_t sequence)
{
    return LinuxEchoBackend::echoReply(reinterpret_cast<const unsigned char *>(packet.constData()),
                                       std::size_t(packet.size()), raw, from, id, sequence)
           != nullptr;
}

} // namespace

void PingLinuxTest::echoesFromLoopback()
{
    // Both paths where the machine allows them: the datagram socket first,
    // and the raw socket on its own.
    int ran = 0;
    for (auto path : {LinuxEchoBackend::Path::DatagramFirst, LinuxEchoBackend::Path::RawOnly}) {
        LinuxEchoBackend backend(path);
        if (backend.ping(*mPing::parseAddress(u"127.0.0.1")).status == mPing::Echo::Status::NotPermitted)
            continue;
        ++ran;
        for (const char *address : {"127.0.0.1", "127.0.0.2", "127.0.0.16"}) {
            const mPing::Echo echo = backend.ping(*mPing::parseAddress(QString::fromLatin1(address)));
            QVERIFY2(echo.status == mPing::Echo::Status::Success, address);
            QVERIFY(echo.ms >= 0 && echo.ms < mPing::TimeLimitMs);
        }
    }
    if (ran == 0)
        QSKIP("this user may open neither an ICMP datagram socket nor a raw one");
}

void PingLinuxTest::filterTakesOnlyOurReply()
{
    const std::uint32_t host = *mPing::parseAddress(u"127.0.0.2");
    const std::uint32_t other = *mPing::parseAddress(u"127.0.0.3");
    const std::uint16_t id = htons(0x1234), seq = htons(7);
    const QByteArray data(mPing::RequestData, mPing::RequestSize);
    const QByteArray reply = icmp(0, id, seq, data);
    const QByteArray request = icmp(8, id, seq, data);
    // A destination-unreachable error quotes the IP header and the start of our request.
    QByteArray unreachable = icmp(3, 0, 0, ipv4(request, host));
    unreachable[1] = 1;
    const struct {
        const char *what;
        QByteArray packet;
        bool raw;
        bool takenExpected;
    } cases[] = {
        {"our reply, raw", ipv4(reply, host), true, true},
        {"our reply, datagram", reply, false, true},
        {"our reply behind IP options (IHL 6)", ipv4(reply, host, 6), true, true},
        {"our own request (loopback)", ipv4(request, host), true, false},
        {"a reply from another host", ipv4(reply, other), true, false},
        {"another identifier", ipv4(icmp(0, htons(0x1235), seq, data), host), true, false},
        {"another sequence", ipv4(icmp(0, id, htons(8), data), host), true, false},
        {"another payload", ipv4(icmp(0, id, seq, QByteArray("My Reply!!")), host), true, false},
        {"a short reply", ipv4(reply.left(12), host), true, false},
        {"a short datagram", reply.left(17), false, false},
        {"shorter than an IP header", ipv4(reply, host).left(19), true, false},
        {"an IP header longer than the packet", ipv4(reply, host, 15).left(40), true, false},
        {"an error quoting our request", ipv4(unreachable, host), true, false},
    };
    for (const auto &c : cases)
        QVERIFY2(taken(c.packet, c.raw, host, id, seq) == c.takenExpected, c.what);
}

void PingLinuxTest::concurrentEchoesKeepTheirOwnReplies()
{
    // Two backends at once: a raw socket sees the other's requests and
    // replies too, and must take only its own.
    auto a = std::make_shared<LinuxEchoBackend>(), b = std::make_shared<LinuxEchoBackend>();
    // Each object its own identifier, and the filter takes no reply to the other's.
    QVERIFY(a->identifier() != b->identifier());
    const std::uint32_t host = *mPing::parseAddress(u"127.0.0.1");
    const QByteArray toB = ipv4(icmp(0, b->identifier(), htons(1), QByteArray(mPing::RequestData, mPing::RequestSize)), host);
    QVERIFY(taken(toB, true, host, b->identifier(), htons(1)));
    QVERIFY(!taken(toB, true, host, a->identifier(), htons(1)));
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
    QVERIFY2(QRegularExpression(QStringLiteral("^1、青石球场（华东电信）→ \\d{1,2}ms（(?:超棒|很棒)）")).match(lines[2]).hasMatch(),
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

void PingLinuxTest::silentHostCountsAsFailure()
{
    // A host that answers nothing: a network namespace of our own whose
    // loopback ignores echo requests. Needs CAP_SYS_ADMIN (status 77 without).
    const pid_t child = ::fork();
    if (child == 0) {
        if (::unshare(CLONE_NEWNET) != 0)
            ::_exit(77);
        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        ifreq lo{};
        std::strcpy(lo.ifr_name, "lo");
        lo.ifr_flags = IFF_UP | IFF_LOOPBACK | IFF_RUNNING;
        if (fd < 0 || ::ioctl(fd, SIOCSIFFLAGS, &lo) != 0)
            ::_exit(77);
        FILE *ignore = std::fopen("/proc/sys/net/ipv4/icmp_echo_ignore_all", "w");
        if (!ignore || std::fputs("1", ignore) < 0 || std::fclose(ignore) != 0)
            ::_exit(77);
        LinuxEchoBackend backend;
        const mPing::Echo echo = backend.ping(*mPing::parseAddress(u"127.0.0.1"));
        ::_exit(echo.status == mPing::Echo::Status::Failure                ? 0
                : echo.status == mPing::Echo::Status::NotPermitted ? 77
                                                                          : 1);
    }
    QVERIFY(child > 0);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        QSKIP("needs CAP_SYS_ADMIN for a network namespace, and echo requests there");
    QVERIFY2(WEXITSTATUS(status) == 0, "a silent host was answered");
}
