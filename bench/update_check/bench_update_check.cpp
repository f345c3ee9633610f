// How long the main window's event loop stalls while the update check waits
// for a download page that takes 5 s to answer. A 10 ms timer ticks on the
// GUI thread the whole time; the longest gap between two ticks is the
// longest the window could not answer the player. For comparison the same
// page is then fetched the blocking way (connect, send, wait for the whole
// answer on the GUI thread), as a synchronous request would.

#include "AppPaths.h"
#include "HttpGet.h"
#include "LocalHttpServer.h"
#include "Main.h"
#include "Versions.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

namespace {

constexpr int AnswerDelayMs = 5000;
constexpr int TickMs = 10;

// Ticks every 10 ms and keeps the longest gap between two ticks.
class StallMeter : public QObject {
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            if (now - m_last > m_longest) {
                m_longest = now - m_last;
                m_longestAt = m_last;
            }
            m_last = now;
        });
    }
    void start()
    {
        m_longest = 0;
        m_longestAt = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start(TickMs);
    }
    double longestGapMs() const { return m_longest / 1e6; }
    // When the longest gap began, from the start.
    double longestAtMs() const { return m_longestAt / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
    qint64 m_longestAt = 0;
};

// Waits on the event loop until the condition holds (or the limit passes).
template <typename Condition>
bool runUntil(Condition done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// The blocking fetch a synchronous request does, on the calling thread.
bool blockingGet(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    if (!socket.waitForConnected(10000))
        return false;
    socket.write("GET /download.html HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(10000))
        socket.readAll();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QDir bin(QCoreApplication::applicationDirPath());

    // A slow download page, served from a thread of its own so that the
    // blocking fetch below cannot hold the server up too.
    QThread serverThread;
    serverThread.start();
    LocalHttpServer *server = nullptr;
    auto *starter = new QObject;
    starter->moveToThread(&serverThread);
    QMetaObject::invokeMethod(
        starter,
        [&server] {
            server = new LocalHttpServer;
            server->setDelayMs(AnswerDelayMs);
            server->setPage(QByteArray("<title>Hoopra</title>"));
        },
        Qt::BlockingQueuedConnection);
    const quint16 port = server->serverPort();

    // A data folder with the sample database whose download page is the slow one.
    QTemporaryDir data;
    QFile::copy(bin.filePath(QStringLiteral("ZRCdata.dat")), data.filePath(QStringLiteral("ZRCdata.dat")));
    QFile endpoints(data.filePath(QStringLiteral("ZRCendpoints.ini")));
    if (!endpoints.open(QIODevice::WriteOnly))
        return 1;
    endpoints.write("[pages]\r\ndownload=http://127.0.0.1:" + QByteArray::number(port) + "/download.html\r\n");
    endpoints.close();
    AppPaths::setDataDir(data.path());
    AppPaths::setConfigPath(data.filePath(QStringLiteral("ZRCconfig.ini")));

    // A returning user whose data version was announced: no message box
    // can stop the measurement.
    QFile config(data.filePath(QStringLiteral("ZRCconfig.ini")));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write("[zrv]\r\nfver=3.2\r\nsver=3.1\r\n");
    config.close();
    Versions::run().setSver0(3.1f);

    Main main;
    main.show();
    main.Timer8->stop();
    runUntil([] { return false; }, 500); // let the window come up and settle

    // The machine's own noise: the same loop with nothing to wait for.
    StallMeter meter;
    meter.start();
    runUntil([] { return false; }, AnswerDelayMs);
    const double idleStall = meter.longestGapMs();

    meter.start();
    QElapsedTimer clock;
    clock.start();
    main.Timer9_Timer();
    const bool asked = runUntil([] { return HttpClient::existing() && HttpClient::existing()->pendingCount() > 0; }, 2000);
    const bool answered = runUntil([] { return HttpClient::existing()->pendingCount() == 0; }, 15000);
    const double waitedMs = clock.elapsed();
    const double asyncStall = meter.longestGapMs();
    const double asyncStallAt = meter.longestAtMs();

    meter.start();
    clock.restart();
    const bool blockingOk = blockingGet(port);
    runUntil([] { return false; }, 50);
    const double blockingStall = meter.longestGapMs();

    out << "download page answers after " << AnswerDelayMs << " ms; event loop ticks every " << TickMs << " ms\n";
    out << "idle event loop, " << AnswerDelayMs << " ms: longest stall " << QString::number(idleStall, 'f', 1)
        << " ms (the machine's noise)\n";
    out << "update check (asynchronous): answer " << (asked && answered ? "arrived" : "MISSING") << " after "
        << QString::number(waitedMs, 'f', 0) << " ms; longest event-loop stall "
        << QString::number(asyncStall, 'f', 1) << " ms, beginning " << QString::number(asyncStallAt, 'f', 0)
        << " ms after the check started\n";
    out << "blocking fetch (synchronous design): " << (blockingOk ? "done" : "FAILED")
        << "; longest event-loop stall " << QString::number(blockingStall, 'f', 1) << " ms\n";

    QMetaObject::invokeMethod(starter, [&server] { delete server; }, Qt::BlockingQueuedConnection);
    serverThread.quit();
    serverThread.wait();
    delete starter;
    return asked && answered && asyncStall < 50 ? 0 : 1;
}
