#pragma once

#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#  include <fcntl.h>
#  include <sys/stat.h>
#  include <unistd.h>
#endif

// A FIFO for tests that must fail fast and never hang. A thread watches it:
// its own non-blocking open for writing succeeds only while someone holds the
// FIFO open for reading. Each time that happens it counts the open and closes
// at once, so a reader that opened blindly sees the end of an empty file
// instead of waiting for ever, and the test fails instead of hanging.
class FifoWatch {
public:
    explicit FifoWatch(const QString &path)
    {
#ifdef Q_OS_UNIX
        const QByteArray name = QFile::encodeName(path);
        m_made = ::mkfifo(name.constData(), 0600) == 0;
        if (m_made)
            m_thread = std::thread([this, name] {
                while (!m_stop) {
                    const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                    if (fd >= 0) {
                        ++m_opened;
                        ::close(fd);
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
            });
#else
        Q_UNUSED(path);
#endif
    }
    ~FifoWatch()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    FifoWatch(const FifoWatch &) = delete;
    FifoWatch &operator=(const FifoWatch &) = delete;

    bool made() const { return m_made; }
    // How often someone had the FIFO open for reading.
    int opened() const { return m_opened; }

private:
    bool m_made = false;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_opened{0};
    std::thread m_thread;
};
