#pragma once

#include "PingEcho.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

// Echo requests on Linux. An unprivileged ICMP datagram socket first (allowed
// where net.ipv4.ping_group_range admits the user's group), a raw ICMP socket
// when that is refused (root or CAP_NET_RAW). When neither opens, the answer
// is NotPermitted with what the player can do about it.
class LinuxEchoBackend : public mPing::Backend {
public:
    enum class Path { DatagramFirst, RawOnly };
    explicit LinuxEchoBackend(Path path = Path::DatagramFirst);

    mPing::Echo ping(std::uint32_t address) override;

    // The identifier of this object's requests on a raw socket (network
    // byte order): each object has its own, so two objects measuring at
    // once never take each other's replies. A datagram socket uses the
    // socket's own instead.
    std::uint16_t identifier() const { return m_id; }

    // The ICMP part of a received packet when it is the reply to our request
    // `id`/`sequence` (network byte order) from `from`, else null. A raw
    // packet starts with its IP header; a datagram one with the ICMP header.
    static const unsigned char *echoReply(const unsigned char *packet, std::size_t size, bool raw,
                                          std::uint32_t from, std::uint16_t id, std::uint16_t sequence);

    // What the player reads when neither socket may be opened.
    static QString notPermittedReason();

private:
    enum Kind { Unknown, Datagram, Raw };
    int openSocket(Kind *kind, int *error);

    // Once the datagram socket has been refused, go to the raw one at once.
    std::atomic<int> m_kind{Unknown};
    std::atomic<unsigned> m_sequence{0};
    std::uint16_t m_id;
};
