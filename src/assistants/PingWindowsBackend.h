#pragma once

#include "PingEcho.h"

// Echo requests on Windows: the ICMP functions (PingWindows.h), with Windows
// Sockets started and stopped around every echo as well as around the
// window's lifetime. Their failures come back as notices.
class WindowsEchoBackend : public mPing::Backend {
public:
    mPing::Echo ping(std::uint32_t address) override;
    QList<mPing::Notice> start() override;
    QList<mPing::Notice> stop() override;
};
