#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <functional>

// Start-up measurement: once the watched window is exposed and ready(),
// prints "exposed <steady-clock nanoseconds>", then "painted <ns>" once the
// window's first paint that follows the exposure is done, and quits the
// program. The launching benchmark reads the same clock before starting it.
class ExposeProbe : public QObject {
public:
    ExposeProbe(QWindow *window, std::function<bool()> ready)
        : QObject(window), m_ready(std::move(ready))
    {
        window->installEventFilter(this);
    }

    static qint64 nowNs()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_done && event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()
            && (!m_ready || m_ready())) {
            m_done = true;
            std::printf("exposed %lld\n", static_cast<long long>(nowNs()));
            // A widget window paints while it handles the exposure; this
            // runs once that is over.
            QTimer::singleShot(0, qApp, [] {
                std::printf("painted %lld\n", static_cast<long long>(nowNs()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> m_ready;
    bool m_done = false;
};
