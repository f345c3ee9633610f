#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class HttpTransport;
struct HttpReceived;

// What a plain GET brought back. `ok` is false for every failure (no
// connection, an HTTP error status, the time limit); callers stay silent on
// it by their own rules. The body is decoded as GBK; a body longer than the
// size limit is cut there and what arrived is kept.
struct HttpAnswer {
    bool ok = false;
    QString body;
    bool cut = false;  // the body was longer than the size limit
    QString error;     // for logs and tests only, never shown
};

// The program's one HTTP client: plain GETs that answer asynchronously, so no
// window waits on the network. The client is made on first use, and the
// network stack only with the first http(s) request: it lives in the plugin
// zrc-http, so start-up never maps it. A file page (file URL) is read here,
// by the same rules as every other file of the program: anything but a
// regular file in its place (a FIFO, a device) fails at once, unopened.
class HttpClient : public QObject {
    Q_OBJECT
public:
    static constexpr int TimeLimitMs = 10'000;
    static constexpr qint64 BodyLimit = 1 << 20; // 1 MiB

    static HttpClient &instance();
    // The client when it was made already, else null: the exit routine
    // drops answers without making a client for it.
    static HttpClient *existing();

    // Starts a GET of `url`. `done` runs later on the GUI thread with the
    // answer, exactly once, unless `receiver` is destroyed first or the
    // answer was dropped. The whole request, from connecting to the last
    // byte, must be over within the time limit.
    void get(const QUrl &url, QObject *receiver, std::function<void(const HttpAnswer &)> done);

    // Drops every answer still to come (the exit routine calls it).
    void dropPending();
    // Requests still waiting for their answer.
    int pendingCount() const;

    // The whole-request limit for later requests (tests shorten it).
    void setTimeLimitMs(int ms) { m_timeLimitMs = ms; }
    int timeLimitMs() const { return m_timeLimitMs; }

    // Whether the network plugin is loaded (the start-up guard asks).
    static bool networkLoaded();

private:
    HttpClient();
    ~HttpClient() override;
    // The network side, loaded on the first http(s) request; null when the
    // plugin is missing.
    HttpTransport *transport();
    // Delivers an answer known now on the next turn of the event loop, as
    // one from the network would come.
    void answerLater(const HttpAnswer &answer, std::function<void(const HttpAnswer &)> done);

    std::unique_ptr<HttpTransport> m_transport;
    bool m_transportTried = false;
    QString m_transportError;
    QList<quint64> m_waiting; // answers known now, not yet delivered
    quint64 m_nextWaiting = 0;
    int m_timeLimitMs = TimeLimitMs;
};

// The GBK text of a body (U+FFFD for bytes that do not decode).
QString decodeGbk(const QByteArray &bytes);
