#include "PingEcho.h"

#include <QMutex>

#include <cstring>

#if defined(Q_OS_WIN)
#include "PingWindowsBackend.h"
#else
#include "PingLinux.h"
#endif

namespace mPing {

std::optional<std::uint32_t> parseAddress(QStringView text)
{
    const QList<QStringView> parts = text.split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    std::uint8_t bytes[4];
    for (int i = 0; i < 4; ++i) {
        const QStringView part = parts[i];
        if (part.isEmpty() || part.size() > 3)
            return std::nullopt;
        int value = 0;
        for (QChar c : part) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = value * 10 + (c.unicode() - u'0');
        }
        if (value > 255)
            return std::nullopt;
        bytes[i] = std::uint8_t(value);
    }
    // Network byte order: the first part in the lowest byte in memory.
    std::uint32_t address;
    std::memcpy(&address, bytes, 4);
    return address;
}

namespace {

QMutex &lock()
{
    static QMutex mutex;
    return mutex;
}

std::shared_ptr<Backend> &installed()
{
    static std::shared_ptr<Backend> b;
    return b;
}

} // namespace

std::shared_ptr<Backend> platformBackend()
{
#if defined(Q_OS_WIN)
    return std::make_shared<WindowsEchoBackend>();
#else
    return std::make_shared<LinuxEchoBackend>();
#endif
}

std::shared_ptr<Backend> backend()
{
    QMutexLocker locker(&lock());
    if (!installed())
        installed() = platformBackend();
    return installed();
}

void setBackend(std::shared_ptr<Backend> b)
{
    QMutexLocker locker(&lock());
    installed() = std::move(b);
}

} // namespace mPing
