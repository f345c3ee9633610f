#pragma once

#include "PingEcho.h"

#include <atomic>

// Echo requests on Linux. An unprivileged ICMP datagram socket first (allowed
// where net.ipv4.ping_group_range admits the user's group), a raw ICMP socket
// when that is refused (root or CAP_NET_RAW). When neither opens, the answer
// is NotPermitted with what the player can do about it.
class LinuxEchoBackend : public mPing::Backend {
public:
    mPing::Echo ping(std::uint32_t address) override;

    // What the player reads when neither socket may be opened.
    static QString notPermittedReason();

private:
    enum Kind { Unknown, Datagram, Raw };
    int openSocket(Kind *kind, int *error);

    // Once the datagram socket has been refused, go to the raw one at once.
    std::atomic<int> m_kind{Unknown};
    std::atomic<unsigned> m_sequence{0};
};
