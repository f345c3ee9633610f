#include "BestBuildRunner.h"

#include <QPointer>

BestBuildRunner::BestBuildRunner(QObject *parent)
    : QObject(parent)
{
}

BestBuildRunner::~BestBuildRunner()
{
    cancel();
    // Every worker started is parented to the runner; wait for the ones
    // still searching (a cancelled search stops within a few milliseconds).
    for (QThread *t : findChildren<QThread *>(Qt::FindDirectChildrenOnly))
        t->wait();
}

void BestBuildRunner::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
    m_cancel.reset();
    ++m_generation;
    m_running = false;
}

void BestBuildRunner::start(const BestBuildRequest &request)
{
    cancel();
    auto flag = std::make_shared<std::atomic_bool>(false);
    m_cancel = flag;
    m_running = true;
    const quint64 generation = m_generation;
    QPointer<BestBuildRunner> self(this);
    QThread *worker = QThread::create([request, flag, generation, self] {
        BestBuildRequest own = request;
        own.cancel = flag.get();
        BestBuildResult result = findBestBuild(own);
        if (flag->load())
            return;
        // Delivered on the runner's thread; dropped if the runner is gone.
        QMetaObject::invokeMethod(self.data(), [self, generation, result] {
            if (!self || generation != self->m_generation)
                return;
            self->m_running = false;
            Q_EMIT self->finished(result);
        }, Qt::QueuedConnection);
    });
    worker->setParent(this);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}
