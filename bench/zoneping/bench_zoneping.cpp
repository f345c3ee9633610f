// A whole zone measurement in the window, against an echo backend where
// every echo takes its full 200 ms limit: 4 zones, 16 servers, 10 passes,
// 160 echoes, with the real one-second timers between the zones. Prints the
// largest stall of the window's event loop and the total time. First, where
// the machine allows a network namespace (CAP_SYS_ADMIN), the real Linux
// backend's time for one echo to a silent host (loopback ignoring echoes).
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench_zoneping

#include "AppPaths.h"
#include "MessageRecorder.h"
#include "PingEcho.h"
#include "ZoneWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTextStream>
#include <thread>

#ifdef Q_OS_LINUX
#  include "PingLinux.h"
#  include <cstring>
#  include <net/if.h>
#  include <sched.h>
#  include <sys/ioctl.h>
#  include <sys/socket.h>
#  include <sys/wait.h>
#  include <unistd.h>
#endif

namespace {

class SlowEcho : public mPing::Backend {
public:
    mPing::Echo ping(std::uint32_t) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(mPing::TimeLimitMs)); // no answer in time
        return mPing::Echo::failure();
    }
};

#ifdef Q_OS_LINUX
// Milliseconds of five echoes to a silent host in a namespace of our own, one
// line each; empty where a namespace may not be made.
QString silentHost()
{
    int out[2];
    if (::pipe(out) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        if (::unshare(CLONE_NEWNET) != 0)
            ::_exit(1);
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0); // in the new namespace
        ifreq lo{};
        std::strcpy(lo.ifr_name, "lo");
        lo.ifr_flags = IFF_UP | IFF_LOOPBACK | IFF_RUNNING;
        FILE *ignore = nullptr;
        if (::ioctl(fd, SIOCSIFFLAGS, &lo) != 0
            || !(ignore = std::fopen("/proc/sys/net/ipv4/icmp_echo_ignore_all", "w")))
            ::_exit(1);
        std::fputs("1", ignore);
        std::fclose(ignore);
        LinuxEchoBackend backend;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer t;
            t.start();
            const mPing::Echo echo = backend.ping(*mPing::parseAddress(u"127.0.0.1"));
            const QByteArray line = QByteArray::number(t.nsecsElapsed() / 1e6, 'f', 1)
                                    + (echo.status == mPing::Echo::Status::Failure ? " ms, failure\n" : " ms, answered?\n");
            if (::write(out[1], line.constData(), size_t(line.size())) < 0)
                ::_exit(1);
        }
        ::_exit(0);
    }
    ::close(out[1]);
    QByteArray got;
    char buf[256];
    for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;)
        got.append(buf, n);
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return QString::fromLatin1(got);
}
#endif

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_LINUX
    // Before any thread starts: the child of a fork runs single-threaded.
    const QString silent = silentHost();
    QTextStream(stdout) << "one echo to a silent host (real backend, own network namespace):\n"
                        << (silent.isEmpty() ? QStringLiteral("  not measured: no network namespace here\n") : silent);
#endif
    QApplication app(argc, argv);
    QTemporaryDir dir;
    {
        QFile f(dir.filePath(QStringLiteral("ZRCendpoints.ini")));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write("[zones]\r\n"
                "zone1=127.0.0.1,127.0.0.2,127.0.0.3,127.0.0.4,127.0.0.5\r\n"
                "zone2=127.0.0.6,127.0.0.7,127.0.0.8,127.0.0.9\r\n"
                "zone3=127.0.0.10,127.0.0.11,127.0.0.12,127.0.0.13\r\n"
                "zone4=127.0.0.14,127.0.0.15,127.0.0.16\r\n");
    }
    AppPaths::setDataDir(dir.path());
    mPing::setBackend(std::make_shared<SlowEcho>());
    MessageRecorder messages; // the verdict's box answers at once

    XQzs window;
    window.show();
    window.Timer5->stop(); // no address lookup: only the measurement is timed

    // The event loop's heartbeat: the longest gap between two ticks of a 5 ms
    // timer, less the 5 ms, is the longest the window could not answer.
    QElapsedTimer total;
    QElapsedTimer beat;
    qint64 last = 0, stall = 0, stallAt = 0, idleStall = 0;
    int over50 = 0;
    bool measuring = false;
    // The gaps in which the window did its own work: a zone's result shown.
    bool resultInGap = false;
    qint64 resultStall = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(5);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = beat.elapsed();
        const qint64 gap = now - last - 5;
        if (!measuring) {
            idleStall = std::max(idleStall, gap);
        } else {
            over50 += gap > 50;
            if (resultInGap)
                resultStall = std::max(resultStall, gap);
            resultInGap = false;
            if (gap > stall) {
                stall = gap;
                stallAt = total.elapsed();
            }
        }
        last = now;
    });

    QObject::connect(&window, &XQzs::zoneShown, [&](int zone) {
        resultInGap = true;
        QTextStream(stdout) << "zone " << zone << " shown at " << total.elapsed() / 1000.0 << " s\n";
        if (zone == 4)
            QTimer::singleShot(0, &app, &QApplication::quit);
    });
    // Two idle seconds first: the machine's own noise, for comparison.
    beat.start();
    heartbeat.start();
    QTimer::singleShot(2000, [&] {
        measuring = true;
        total.start();
        window.cmdPing->click();
    });
    app.exec();

    QTextStream out(stdout);
    out << "echoes: 160 (4 zones, 16 servers, 10 passes), each 200 ms without an answer\n"
        << "total time: " << total.elapsed() / 1000.0 << " s (32 s of echoes + 4 one-second timers)\n"
        << "largest event-loop stall: " << stall << " ms (ending " << stallAt / 1000.0 << " s in); gaps over 50 ms: " << over50
        << "; largest while idle beforehand: " << idleStall << " ms\n"
        << "largest gap spanning a zone's result on screen: " << resultStall << " ms\n"
        << "verdict: " << window.JG->text() << '\n';
    return messages.count() == 1 ? 0 : 1;
}
