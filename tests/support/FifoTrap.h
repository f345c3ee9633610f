#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// A FIFO to name in markup such as <img src="...">, which tells whether
// anyone opened it. A watcher keeps trying to open its write end with
// O_WRONLY | O_NONBLOCK, which succeeds only while a reader has it open (or
// waits in open() for a writer). Then it notes the opening and closes the
// write end at once, so a reader gets end of file instead of hanging: a test
// fails fast and never waits on the FIFO.
class FifoTrap {
public:
    FifoTrap()
        : m_path(QDir(m_dir.path()).filePath(QStringLiteral("trap.png")))
    {
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
