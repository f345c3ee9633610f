#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <thread>
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// A FIFO to name in markup such as <img src="...">, which tells whether
// anyone opened it. A watcher keeps trying to open its write end with
// O_WRONLY | O_NONBLOCK, which succeeds only while a reader has it open (or
// waits in open() for a writer). Then it notes the opening and closes the
// write end at once, so a reader gets end of file instead of hanging: a test
// fails fast and never waits on the FIFO. Windows has no FIFOs: there the
// trap is never ready().
class FifoTrap {
public:
    FifoTrap() : FifoTrap(QString()) {}
    // The FIFO at `place`, where the program expects one of its files (in a
    // folder of its own when empty).
    explicit FifoTrap(const QString &place)
        : m_path(place.isEmpty() ? QDir(m_dir.path()).filePath(QStringLiteral("trap.png")) : place)
    {
#ifdef Q_OS_WIN
        return;
#else
        const QByteArray path = QFile::encodeName(m_path);
        if (::mkfifo(path.constData(), 0600) != 0)
            return;
        m_watcher = std::thread([this, path] {
            while (!m_stop.load()) {
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    m_opened.store(true);
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
#endif
    }
    ~FifoTrap()
    {
        m_stop.store(true);
        if (m_watcher.joinable())
            m_watcher.join();
    }
    FifoTrap(const FifoTrap &) = delete;
    FifoTrap &operator=(const FifoTrap &) = delete;

    bool ready() const { return m_watcher.joinable(); }
    QString path() const { return m_path; }
    // Markup that loads the FIFO as a picture if it is read as rich text,
    // followed by the given text; Qt decides from the first line.
    QString markup(const QString &rest = QString()) const
    {
        return QStringLiteral("<img src=\"") + m_path + QStringLiteral("\">") + rest;
    }
    bool opened() const { return m_opened.load(); }

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
    std::thread m_watcher;
};
