#include "PingLinux.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint8_t EchoRequest = 8;
constexpr std::uint8_t EchoReply = 0;
constexpr std::size_t HeaderSize = 8; // type, code, checksum, identifier, sequence

std::uint16_t checksum(const unsigned char *data, std::size_t size)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        sum += std::uint32_t(data[i] << 8 | data[i + 1]);
    if (size % 2)
        sum += std::uint32_t(data[size - 1] << 8);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return htons(std::uint16_t(~sum));
}

struct Socket {
    int fd = -1;
    ~Socket()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

// A raw socket hands over the IP header too, and every ICMP packet of the
// machine: on loopback also our own request, which only the type tells apart.
const unsigned char *LinuxEchoBackend::echoReply(const unsigned char *packet, std::size_t size, bool raw,
                                                 std::uint32_t from, std::uint16_t id, std::uint16_t sequence)
{
    if (raw) {
        if (size < 20)
            return nullptr;
        const std::size_t ipHeader = std::size_t(packet[0] & 0x0F) * 4;
        std::uint32_t source;
        std::memcpy(&source, packet + 12, 4);
        if (ipHeader < 20 || size < ipHeader || packet[9] != IPPROTO_ICMP || source != from)
            return nullptr;
        packet += ipHeader;
        size -= ipHeader;
    }
    if (size < HeaderSize + mPing::RequestSize)
        return nullptr;
    std::uint16_t gotId, gotSequence;
    std::memcpy(&gotId, packet + 4, 2);
    std::memcpy(&gotSequence, packet + 6, 2);
    if (packet[0] != EchoReply || packet[1] != 0 || gotId != id || gotSequence != sequence)
        return nullptr;
    if (std::memcmp(packet + HeaderSize, mPing::RequestData, mPing::RequestSize) != 0)
        return nullptr;
    return packet;
}

LinuxEchoBackend::LinuxEchoBackend(Path path)
    : m_kind(path == Path::RawOnly ? Raw : Unknown)
{
    // The process number tells this program from others on the machine; the
    // count tells this program's objects apart.
    static std::atomic<unsigned> objects{0};
    m_id = htons(std::uint16_t(unsigned(::getpid()) * 7919u + objects++));
}

QString LinuxEchoBackend::notPermittedReason()
{
    char exe[PATH_MAX] = {};
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    const QString program = n > 0 ? QString::fromLocal8Bit(exe, n) : QStringLiteral("程序文件");
    return QStringLiteral("系统不允许本程序发送 ICMP 回显请求（ping），无法测试各大区的延迟。\r\n"
                          "\r\n"
                          "以下两种办法任选其一（需要 root 权限）：\r\n"
                          "1. 允许普通用户发送回显请求：\r\n"
                          "   sysctl -w net.ipv4.ping_group_range=\"0 2147483647\"\r\n"
                          "2. 给程序加上发送原始网络包的能力：\r\n"
                          "   setcap cap_net_raw+ep ")
           + program;
}

int LinuxEchoBackend::openSocket(Kind *kind, int *error)
{
    if (m_kind.load() != Raw) {
        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (fd >= 0) {
            m_kind = Datagram;
            *kind = Datagram;
            return fd;
        }
    }
    const int fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    *error = errno;
    if (fd >= 0) {
        m_kind = Raw;
        *kind = Raw;
    }
    return fd;
}

mPing::Echo LinuxEchoBackend::ping(std::uint32_t address)
{
    Kind kind = Unknown;
    int error = 0;
    Socket socket{openSocket(&kind, &error)};
    if (socket.fd < 0) {
        if (error == EPERM || error == EACCES)
            return mPing::Echo::notPermitted(notPermittedReason());
        return mPing::Echo::failure();
    }
    const bool raw = kind == Raw;

    const std::uint16_t sequence = htons(std::uint16_t(++m_sequence));
    std::uint16_t id = m_id;

    unsigned char request[HeaderSize + mPing::RequestSize] = {EchoRequest, 0};
    std::memcpy(request + 4, &id, 2);
    std::memcpy(request + 6, &sequence, 2);
    std::memcpy(request + HeaderSize, mPing::RequestData, mPing::RequestSize);
    const std::uint16_t sum = checksum(request, sizeof request);
    std::memcpy(request + 2, &sum, 2);

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = address;
    const Clock::time_point sent = Clock::now();
    const Clock::time_point deadline = sent + std::chrono::milliseconds(mPing::TimeLimitMs);
    if (::sendto(socket.fd, request, sizeof request, 0, reinterpret_cast<sockaddr *>(&to), sizeof to)
        != ssize_t(sizeof request))
        return mPing::Echo::failure();

    if (!raw) {
        // The datagram socket puts its own identifier (its local port) in place of ours.
        sockaddr_in local{};
        socklen_t length = sizeof local;
        if (::getsockname(socket.fd, reinterpret_cast<sockaddr *>(&local), &length) == 0)
            id = local.sin_port;
    }

    unsigned char packet[1500];
    for (;;) {
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return mPing::Echo::failure();
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec wait{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
        pollfd p{socket.fd, POLLIN, 0};
        const int ready = ::ppoll(&p, 1, &wait, nullptr);
        if (ready < 0 && errno != EINTR)
            return mPing::Echo::failure();
        if (ready <= 0)
            continue;

        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t got = ::recvfrom(socket.fd, packet, sizeof packet, MSG_DONTWAIT,
                                       reinterpret_cast<sockaddr *>(&from), &length);
        if (got < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                continue;
            return mPing::Echo::failure(); // an ICMP error for our request (unreachable …)
        }
        if (!raw && from.sin_addr.s_addr != address)
            continue;
        if (echoReply(packet, std::size_t(got), raw, address, id, sequence)) {
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent);
            return mPing::Echo::success(int(elapsed.count()));
        }
    }
}
