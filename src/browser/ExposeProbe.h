#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <functional>

#ifdef Q_OS_LINUX
#  include <link.h>
#endif

// Start-up measurement, on when ZRC_STARTUP_PROBE=1. The program marks the
// stages of its start-up ("stage <name> <ns>"); once the watched window is
// exposed and ready(), the probe prints "exposed <ns>", then "painted <ns>"
// once the window's first paint that follows the exposure is done, then what
// was loaded at the exposure, and quits the program. The times are
// steady-clock nanoseconds: the launching benchmark reads the same clock
// before starting the program.
//
// What was loaded: one "loaded <path>" line per shared object the dynamic
// loader has mapped, "loaded-objects <count> <KiB mapped>", and the lines
// the `extra` report gives (zrc: its translators).
class ExposeProbe : public QObject {
public:
    ExposeProbe(QWindow *window, std::function<bool()> ready, std::function<QStringList()> extra = {})
        : QObject(window), m_ready(std::move(ready)), m_extra(std::move(extra))
    {
        window->installEventFilter(this);
    }

    static bool enabled()
    {
        static const bool on = qEnvironmentVariableIntValue("ZRC_STARTUP_PROBE") == 1;
        return on;
    }

    static qint64 nowNs()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    // Marks the end of one stage of the start-up.
    static void stage(const char *name)
    {
        if (enabled())
            std::printf("stage %s %lld\n", name, static_cast<long long>(nowNs()));
    }

    // The shared objects mapped now, and their report lines.
    static QStringList loadedObjects()
    {
        QStringList lines;
#ifdef Q_OS_LINUX
        struct Seen {
            QStringList *lines;
            qint64 bytes = 0;
        } seen{&lines};
        dl_iterate_phdr(
            [](dl_phdr_info *info, size_t, void *data) {
                auto *s = static_cast<Seen *>(data);
                for (int i = 0; i < info->dlpi_phnum; ++i)
                    if (info->dlpi_phdr[i].p_type == PT_LOAD)
                        s->bytes += qint64(info->dlpi_phdr[i].p_memsz);
                if (info->dlpi_name && *info->dlpi_name)
                    s->lines->append(QStringLiteral("loaded ") + QString::fromLocal8Bit(info->dlpi_name));
                return 0;
            },
            &seen);
        lines.append(QStringLiteral("loaded-objects %1 %2").arg(lines.size()).arg(seen.bytes / 1024));
#endif
        return lines;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_done && event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()
            && (!m_ready || m_ready())) {
            m_done = true;
            std::printf("exposed %lld\n", static_cast<long long>(nowNs()));
            QStringList loaded = loadedObjects();
            if (m_extra)
                loaded += m_extra();
            // A widget window paints while it handles the exposure; this
            // runs once that is over.
            QTimer::singleShot(0, qApp, [loaded] {
                std::printf("painted %lld\n", static_cast<long long>(nowNs()));
                for (const QString &line : loaded)
                    std::printf("%s\n", line.toLocal8Bit().constData());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> m_ready;
    std::function<QStringList()> m_extra;
    bool m_done = false;
};
