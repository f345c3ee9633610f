#pragma once

#include "PingEcho.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <memory>

class QThread;

// What measuring one zone gave.
struct ZoneOutcome {
    bool permitted = true; // false: the system refused to send echo requests
    bool stopped = false;  // cut short on request
    QString reason;        // why not permitted, for the player
    QList<int> passValues; // the ten pass values, in ms (failures 1001)
    int latency = 0;       // the zone's latency in whole ms
    QList<mPing::Notice> notices; // raised by the platform, each once
};

// Measures one zone: ten passes, each pinging every server once in list
// order; a pass's value is the smallest of its servers' values. An entry
// that is not a dotted IPv4 address counts as a failure without an echo; a
// zone without servers counts as a failure in every pass. Stops at the first
// NotPermitted answer, or as soon as `stop` is set (checked between echoes).
ZoneOutcome measureZone(mPing::Backend &backend, const QStringList &servers,
                        const std::atomic<bool> &stop);

// Runs measureZone on a worker thread, one zone at a time, and reports on
// its own thread. A cancelled run never reports; its worker ends after the
// echo it is waiting on (at most the echo time limit).
class ZonePinger : public QObject {
    Q_OBJECT
public:
    explicit ZonePinger(QObject *parent = nullptr);
    ~ZonePinger() override; // cancels and waits for the worker

    // Starts measuring zone `zone` (1 to 4) with the backend in use now.
    void start(int zone, const QStringList &servers);
    void cancel();
    bool busy() const { return m_busy; }
    // Blocks until the worker has ended (tests, shutting down).
    void waitForWorker();

Q_SIGNALS:
    void measured(int zone, const ZoneOutcome &outcome);

private:
    std::unique_ptr<QThread> m_thread;
    std::shared_ptr<std::atomic<bool>> m_stop;
    quint64 m_run = 0;
    bool m_busy = false;
};
