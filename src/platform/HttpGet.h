#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

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
// window waits on the network. The client is made on first use (start-up
// never pays for the network stack).
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

private:
    HttpClient();
    void finish(QNetworkReply *reply);

    QNetworkAccessManager *m_manager;
    int m_timeLimitMs = TimeLimitMs;
};

// The GBK text of a body (U+FFFD for bytes that do not decode).
QString decodeGbk(const QByteArray &bytes);
