#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <functional>

#ifdef Q_OS_LINUX
#  include <link.h>
#endif
#if __has_include(<valgrind/callgrind.h>)
#  include <valgrind/callgrind.h>
#  define ZRC_PROBE_MARK(name) CALLGRIND_DUMP_STATS_AT(name)
#else
#  define ZRC_PROBE_MARK(name)
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
// the `extra` report gives (zrc: its translators); then what the first paint
// added: "loaded-in-paint <path>" per object and "painted-objects <count>
// <KiB mapped>" for all of them.
//
// With ZRC_STARTUP_SHOT=<file.png> as well, the screen as the first paint
// left it is saved there, to compare the first paint of two builds.
//
// Under callgrind the probe also cuts the counts at the exposure and at the
// paint's end: part 1 of the output holds the instructions until the window
// was exposed, part 2 those of the first paint.
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
            ZRC_PROBE_MARK("exposed");
            std::printf("exposed %lld\n", static_cast<long long>(nowNs()));
            const QStringList atExposure = loadedObjects();
            QStringList report = atExposure;
            if (m_extra)
                report += m_extra();
            // A widget window paints while it handles the exposure; this
            // runs once that is over.
            QTimer::singleShot(0, qApp, [atExposure, report] {
                ZRC_PROBE_MARK("painted");
                std::printf("painted %lld\n", static_cast<long long>(nowNs()));
                for (const QString &line : report)
                    std::printf("%s\n", line.toLocal8Bit().constData());
                QStringList afterPaint = loadedObjects();
                if (!afterPaint.isEmpty()) {
                    const QString total = afterPaint.takeLast().replace(QStringLiteral("loaded-objects"), QStringLiteral("painted-objects"));
                    for (const QString &line : std::as_const(afterPaint))
                        if (!atExposure.contains(line))
                            std::printf("loaded-in-paint %s\n", line.mid(7).toLocal8Bit().constData());
                    std::printf("%s\n", total.toLocal8Bit().constData());
                }
                std::fflush(stdout);
                if (const QString shot = qEnvironmentVariable("ZRC_STARTUP_SHOT"); !shot.isEmpty())
                    QGuiApplication::primaryScreen()->grabWindow(0).save(shot, "PNG");
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
