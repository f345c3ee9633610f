#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QtPlugin>
#include <functional>
#include <memory>

// What one GET brought back over the network, before decoding.
struct HttpReceived {
    bool ok = false;   // a success status, and the whole body (or the first bodyLimit bytes)
    QByteArray body;   // at most bodyLimit bytes
    bool cut = false;  // the body went on past bodyLimit
    QString error;     // for logs and tests only
};

// The network side of the HTTP client. It lives in the plugin zrc-http, the
// only part of zrc that links QtNetwork, so starting the program never maps
// the network stack (src/platform/HttpGet.cpp loads it on the first request).
class HttpTransport {
public:
    virtual ~HttpTransport() = default;
    // Starts a GET of an http(s) URL. `done` runs later on the GUI thread,
    // exactly once, unless dropPending() runs first. The whole request, from
    // connecting to the last byte, must be over within timeLimitMs.
    virtual void get(const QUrl &url, int timeLimitMs, qint64 bodyLimit,
                     std::function<void(const HttpReceived &)> done) = 0;
    // Aborts every request still open; their `done` never runs.
    virtual void dropPending() = 0;
    virtual int pendingCount() const = 0;
};

// The plugin's entry.
class HttpTransportFactory {
public:
    virtual ~HttpTransportFactory() = default;
    virtual std::unique_ptr<HttpTransport> create() = 0;
};

#define HttpTransportFactory_iid "zrc.HttpTransportFactory/1.0"
Q_DECLARE_INTERFACE(HttpTransportFactory, HttpTransportFactory_iid)
