#include "PingWindows.h"

// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>
// clang-format on

namespace winping {

SocketsStart startSockets()
{
    WSADATA data{};
    SocketsStart start;
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0) {
        start.result = SocketsStart::Failed;
        return start;
    }
    start.major = LOBYTE(data.wVersion);
    start.minor = HIBYTE(data.wVersion);
    if (start.major < 1 || (start.major == 1 && start.minor < 1))
        start.result = SocketsStart::VersionTooLow;
    else if (data.iMaxSockets < 1)
        start.result = SocketsStart::TooFewSockets;
    return start;
}

int stopSockets()
{
    return WSACleanup() == 0 ? 0 : WSAGetLastError();
}

EchoAnswer echo(std::uint32_t address, std::uint32_t timeoutMs)
{
    static const char request[] = "My Request";
    constexpr DWORD RequestSize = sizeof request - 1; // ten bytes
    // The reply record of this build (its layout differs between 32-bit and
    // 64-bit Windows), then the echoed data.
    alignas(ICMP_ECHO_REPLY) unsigned char reply[278];
    static_assert(sizeof reply >= sizeof(ICMP_ECHO_REPLY) + RequestSize + 8);

    EchoAnswer answer;
    const HANDLE icmp = IcmpCreateFile();
    if (icmp == INVALID_HANDLE_VALUE)
        return answer;
    const DWORD replies = IcmpSendEcho(icmp, IPAddr(address), const_cast<char *>(request), WORD(RequestSize),
                                       nullptr, reply, sizeof reply, timeoutMs);
    if (replies > 0) {
        const auto *record = reinterpret_cast<const ICMP_ECHO_REPLY *>(reply);
        answer.replied = true;
        answer.status = record->Status;
        answer.ms = record->RoundTripTime;
    }
    IcmpCloseHandle(icmp);
    return answer;
}

} // namespace winping
