// Proves the Windows echo backend: built with MinGW-w64 and run under Wine
// by scripts/ping-wine.sh. Prints what each call returned; exit status 0
// when 127.0.0.1 answered every echo with status 0 and sockets started and
// stopped cleanly.

#include "PingWindows.h"

#include <cstdio>

int main()
{
    const winping::SocketsStart start = winping::startSockets();
    std::printf("startSockets: result %d, version %d.%d\n", int(start.result), start.major, start.minor);

    const std::uint32_t loopback = 127u | 1u << 24; // 127.0.0.1, network byte order
    int answered = 0;
    for (int i = 0; i < 5; ++i) {
        const winping::EchoAnswer a = winping::echo(loopback, 200);
        std::printf("echo 127.0.0.1: replied %d, status %u, %u ms\n", int(a.replied), unsigned(a.status),
                    unsigned(a.ms));
        answered += a.replied && a.status == 0;
    }
    // 127.0.0.2 answers on a Linux host too; an address that does not parse
    // never reaches this file.
    const winping::EchoAnswer other = winping::echo(127u | 2u << 24, 200);
    std::printf("echo 127.0.0.2: replied %d, status %u, %u ms\n", int(other.replied), unsigned(other.status),
                unsigned(other.ms));

    const int cleanup = winping::stopSockets();
    std::printf("stopSockets: %d\n", cleanup);
    // A clean-up without a start reports its error code.
    const int second = winping::stopSockets();
    std::printf("stopSockets again: %d\n", second);

    const bool ok = start.result == winping::SocketsStart::Ok && answered == 5 && cleanup == 0 && second != 0;
    std::printf(ok ? "PASS\n" : "FAIL\n");
    return ok ? 0 : 1;
}
