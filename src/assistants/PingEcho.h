#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <optional>

// The ICMP module: one echo request to one IPv4 address, with the ten
// request bytes "My Request" and a limit of 200 ms. A backend per platform
// sends it; tests install their own at the seam.
namespace mPing {

inline constexpr int TimeLimitMs = 200;
inline constexpr char RequestData[] = "My Request"; // ten bytes, no terminator sent
inline constexpr int RequestSize = 10;

// A notice for the player that the platform raised around an echo (the
// Windows Sockets start-up and clean-up messages). Shown by the window.
struct Notice {
    QString text;
    bool warning = true; // false: a plain box without an icon of its own
    bool operator==(const Notice &) const = default;
};

struct Echo {
    enum class Status { Success, Failure, NotPermitted };
    Status status = Status::Failure;
    int ms = 0;             // the echo time, for Success
    QString reason;         // why, for NotPermitted (shown to the player)
    QList<Notice> notices;  // raised while sending, in order

    static Echo success(int ms) { return {Status::Success, ms, {}, {}}; }
    static Echo failure() { return {}; }
    static Echo notPermitted(QString why) { return {Status::NotPermitted, 0, std::move(why), {}}; }
};

// Dotted text a.b.c.d, four decimal parts of 0 to 255, to the address in
// network byte order (a in the lowest byte in memory). Anything else, names
// included, is no address: it is never resolved.
std::optional<std::uint32_t> parseAddress(QStringView text);

// Sends echo requests. ping() is called from a worker thread, one call at a
// time per backend object, and returns within the time limit (plus the cost
// of opening a socket).
class Backend {
public:
    virtual ~Backend() = default;
    virtual Echo ping(std::uint32_t address) = 0;
    // Around a window's lifetime: Windows starts its sockets when the window
    // loads and stops them when it unloads. Notices come back for the window.
    virtual QList<Notice> start() { return {}; }
    virtual QList<Notice> stop() { return {}; }
};

// The backend in use: the platform's unless one was installed.
std::shared_ptr<Backend> backend();
// Installs a backend (tests, the benchmark); an empty pointer restores the
// platform's.
void setBackend(std::shared_ptr<Backend> backend);
// The platform's own backend.
std::shared_ptr<Backend> platformBackend();

} // namespace mPing
