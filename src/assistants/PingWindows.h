#pragma once

// Echo requests on Windows through the ICMP functions, and the Windows
// Sockets start-up and clean-up around them. Plain C++ without Qt: it shows
// nothing and returns codes; the caller turns them into messages.

#include <cstdint>

namespace winping {

struct SocketsStart {
    enum Result { Ok, Failed, VersionTooLow, TooFewSockets };
    Result result = Ok;
    int major = 0; // the version granted
    int minor = 0;
};

// WSAStartup asking for version 1.1.
SocketsStart startSockets();
// WSACleanup: 0, or the error code it reported.
int stopSockets();

struct EchoAnswer {
    bool replied = false;     // IcmpSendEcho returned a reply record
    std::uint32_t status = 0; // the record's status, 0 for success
    std::uint32_t ms = 0;     // the record's echo time
};

// One echo request to `address` (network byte order) with the ten request
// bytes "My Request", no request options, a 278-byte reply buffer and the
// given limit: IcmpCreateFile, IcmpSendEcho, IcmpCloseHandle.
EchoAnswer echo(std::uint32_t address, std::uint32_t timeoutMs);

} // namespace winping
