#pragma once

#include "BestBuild.h"

#include <QObject>
#include <QThread>
#include <memory>

// Runs one best-build search at a time on a worker thread. The request is
// complete when it is handed over (the record already read), so the worker
// reads no file. Starting again or cancelling drops the search under way:
// its result is never reported.
class BestBuildRunner : public QObject {
    Q_OBJECT
public:
    explicit BestBuildRunner(QObject *parent = nullptr);
    ~BestBuildRunner() override; // cancels and waits for the worker

    void start(const BestBuildRequest &request);
    void cancel();
    bool running() const { return m_running; }

Q_SIGNALS:
    // On the runner's thread, for the search last started.
    void finished(const BestBuildResult &result);

private:
    std::shared_ptr<std::atomic_bool> m_cancel;
    QThread *m_worker = nullptr;
    quint64 m_generation = 0;
    bool m_running = false;
};
