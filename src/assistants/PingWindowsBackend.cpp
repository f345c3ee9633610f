#include "PingWindowsBackend.h"

#include "PingWindows.h"

QList<mPing::Notice> WindowsEchoBackend::start()
{
    const winping::SocketsStart s = winping::startSockets();
    switch (s.result) {
    case winping::SocketsStart::Ok:
        return {};
    case winping::SocketsStart::Failed:
        return {{QStringLiteral("Windows Sockets for 32 bit Windows environments is not successfully responding."),
                 false}};
    case winping::SocketsStart::VersionTooLow:
        return {{QStringLiteral("Windows Sockets Version %1.%2 is not supported by Windows Sockets for 32 bit "
                                "Windows environments.")
                     .arg(s.major)
                     .arg(s.minor),
                 true}};
    case winping::SocketsStart::TooFewSockets:
        return {{QStringLiteral("This application requires a minimum of 1 supported sockets."), true}};
    }
    return {};
}

QList<mPing::Notice> WindowsEchoBackend::stop()
{
    const int code = winping::stopSockets();
    if (code == 0)
        return {};
    return {{QStringLiteral("Windows Sockets error %1 occurred in Cleanup.").arg(code), true}};
}

mPing::Echo WindowsEchoBackend::ping(std::uint32_t address)
{
    QList<mPing::Notice> notices = start();
    const winping::EchoAnswer answer = winping::echo(address, mPing::TimeLimitMs);
    notices += stop();
    mPing::Echo echo = answer.replied && answer.status == 0 ? mPing::Echo::success(int(answer.ms))
                                                           : mPing::Echo::failure();
    echo.notices = notices;
    return echo;
}
