#include "NetworkPlugin.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace {

struct Pending {
    std::function<void(const HttpReceived &)> done;
    qint64 bodyLimit = 0;
    QByteArray body;
    bool timedOut = false;
};

const char *const PendingProperty = "zrcPending";

Pending *pendingOf(const QNetworkReply *reply)
{
    return static_cast<Pending *>(reply->property(PendingProperty).value<void *>());
}

class NetworkTransport : public QObject, public HttpTransport {
public:
    NetworkTransport() : m_manager(new QNetworkAccessManager(this)) {}
    ~NetworkTransport() override { dropPending(); }

    void get(const QUrl &url, int timeLimitMs, qint64 bodyLimit,
             std::function<void(const HttpReceived &)> done) override
    {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        QNetworkReply *reply = m_manager->get(request);
        auto *pending = new Pending{std::move(done), bodyLimit, {}, false};
        reply->setProperty(PendingProperty, QVariant::fromValue(static_cast<void *>(pending)));

        // One limit for the whole request: a server that trickles a byte now
        // and then would keep a limit on silence alone waiting for ever.
        auto *deadline = new QTimer(reply);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, this, [reply] {
            if (Pending *p = pendingOf(reply)) {
                p->timedOut = true;
                reply->abort(); // finishes the reply
            }
        });
        deadline->start(timeLimitMs);

        // The limit may arrive before the reply finishes: keep what fits and
        // stop reading, so a huge body never fills memory.
        connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
            Pending *p = pendingOf(reply);
            if (!p)
                return;
            p->body += reply->read(p->bodyLimit - p->body.size());
            if (p->body.size() >= p->bodyLimit)
                finish(reply);
        });
        connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
    }

    void dropPending() override
    {
        for (QNetworkReply *reply : m_manager->findChildren<QNetworkReply *>()) {
            if (Pending *pending = pendingOf(reply)) {
                reply->setProperty(PendingProperty, QVariant());
                delete pending;
            }
            reply->disconnect(this);
            reply->abort();
            reply->deleteLater();
        }
    }

    int pendingCount() const override
    {
        int count = 0;
        for (const QNetworkReply *reply : m_manager->findChildren<QNetworkReply *>())
            count += pendingOf(reply) != nullptr;
        return count;
    }

private:
    void finish(QNetworkReply *reply)
    {
        Pending *pending = pendingOf(reply);
        if (!pending)
            return;
        reply->setProperty(PendingProperty, QVariant());
        reply->disconnect(this);

        HttpReceived received;
        if (pending->body.size() < pending->bodyLimit && !pending->timedOut)
            pending->body += reply->read(pending->bodyLimit - pending->body.size());
        received.cut = pending->body.size() >= pending->bodyLimit;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const bool statusOk = status >= 200 && status < 300;
        if (received.cut ? statusOk
                         : (reply->error() == QNetworkReply::NoError && statusOk && !pending->timedOut)) {
            received.ok = true;
            received.body = std::move(pending->body);
        } else {
            received.error = pending->timedOut ? QStringLiteral("time limit reached") : reply->errorString();
        }
        if (received.cut)
            reply->abort();
        reply->deleteLater();

        // Taken out first: `done` may start another request or end the program.
        const auto done = std::move(pending->done);
        delete pending;
        done(received);
    }

    QNetworkAccessManager *m_manager;
};

} // namespace

std::unique_ptr<HttpTransport> NetworkPlugin::create()
{
    return std::make_unique<NetworkTransport>();
}
