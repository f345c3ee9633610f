#include "ZoneMeasure.h"

#include "ZoneRating.h"

#include <QThread>

ZoneOutcome measureZone(mPing::Backend &backend, const QStringList &servers, const std::atomic<bool> &stop)
{
    ZoneOutcome outcome;
    for (int pass = 0; pass < PassesPerZone; ++pass) {
        int best = FailedEchoMs;
        bool first = true;
        for (const QString &server : servers) {
            if (stop.load()) {
                outcome.stopped = true;
                return outcome;
            }
            int value = FailedEchoMs;
            if (const auto address = mPing::parseAddress(server)) {
                mPing::Echo echo = backend.ping(*address);
                for (const mPing::Notice &notice : echo.notices)
                    if (!outcome.notices.contains(notice))
                        outcome.notices.append(notice);
                if (echo.status == mPing::Echo::Status::NotPermitted) {
                    outcome.permitted = false;
                    outcome.reason = echo.reason;
                    return outcome;
                }
                if (echo.status == mPing::Echo::Status::Success)
                    value = echo.ms;
            }
            if (first || value < best)
                best = value;
            first = false;
        }
        outcome.passValues.append(best);
    }
    outcome.latency = zoneLatency(outcome.passValues);
    return outcome;
}

ZonePinger::ZonePinger(QObject *parent) : QObject(parent) {}

ZonePinger::~ZonePinger()
{
    cancel();
    waitForWorker();
}

void ZonePinger::start(int zone, const QStringList &servers)
{
    cancel();
    waitForWorker(); // a cancelled worker is at most one echo from its end

    m_stop = std::make_shared<std::atomic<bool>>(false);
    const quint64 run = ++m_run;
    m_busy = true;
    std::shared_ptr<mPing::Backend> backend = mPing::backend();
    std::shared_ptr<std::atomic<bool>> stop = m_stop;
    m_thread.reset(QThread::create([this, zone, servers, backend, stop, run] {
        ZoneOutcome outcome = measureZone(*backend, servers, *stop);
        // Back on the pinger's thread; dropped if the pinger is gone by then.
        QMetaObject::invokeMethod(this, [this, zone, outcome, run] {
            if (run != m_run)
                return; // cancelled meanwhile
            m_busy = false;
            Q_EMIT measured(zone, outcome);
        }, Qt::QueuedConnection);
    }));
    m_thread->setObjectName(QStringLiteral("zone-ping"));
    m_thread->start();
}

void ZonePinger::cancel()
{
    if (m_stop)
        m_stop->store(true);
    ++m_run;
    m_busy = false;
}

void ZonePinger::waitForWorker()
{
    if (m_thread)
        m_thread->wait();
    m_thread.reset();
}
