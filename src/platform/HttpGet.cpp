#include "HttpGet.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QStringDecoder>
#include <QTimer>

namespace {

struct Pending {
    QPointer<QObject> receiver;
    std::function<void(const HttpAnswer &)> done;
    QByteArray body;
    bool timedOut = false;
};

const char *const PendingProperty = "zrcPending";

Pending *pendingOf(const QNetworkReply *reply)
{
    return static_cast<Pending *>(reply->property(PendingProperty).value<void *>());
}

HttpClient *&theClient()
{
    static HttpClient *client = nullptr;
    return client;
}

} // namespace

QString decodeGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringConverter::System);
    return decoder.decode(bytes);
}

HttpClient &HttpClient::instance()
{
    if (!theClient())
        theClient() = new HttpClient; // lives as long as the application
    return *theClient();
}

HttpClient *HttpClient::existing() { return theClient(); }

HttpClient::HttpClient() : QObject(QCoreApplication::instance()), m_manager(new QNetworkAccessManager(this))
{
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &HttpClient::dropPending);
    // Gone with the application: a later instance() makes a new one.
    connect(this, &QObject::destroyed, [] { theClient() = nullptr; });
}

void HttpClient::get(const QUrl &url, QObject *receiver, std::function<void(const HttpAnswer &)> done)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_manager->get(request);
    auto *pending = new Pending{receiver, std::move(done), {}, false};
    reply->setProperty(PendingProperty, QVariant::fromValue(static_cast<void *>(pending)));

    // One limit for the whole request: a server that trickles a byte now and
    // then would keep a limit on silence alone waiting for ever.
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [reply] {
        if (Pending *p = pendingOf(reply)) {
            p->timedOut = true;
            reply->abort(); // finishes the reply
        }
    });
    deadline->start(m_timeLimitMs);

    // A whole limit may arrive before the reply finishes: keep what fits and
    // stop reading, so a huge body never fills memory.
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        Pending *p = pendingOf(reply);
        if (!p)
            return;
        p->body += reply->read(BodyLimit - p->body.size());
        if (p->body.size() >= BodyLimit)
            finish(reply);
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
}

void HttpClient::finish(QNetworkReply *reply)
{
    Pending *pending = pendingOf(reply);
    if (!pending)
        return;
    reply->setProperty(PendingProperty, QVariant());
    reply->disconnect(this);

    HttpAnswer answer;
    if (pending->body.size() < BodyLimit && !pending->timedOut)
        pending->body += reply->read(BodyLimit - pending->body.size());
    answer.cut = pending->body.size() >= BodyLimit;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool statusOk = status == 0 || (status >= 200 && status < 300); // 0: a file page
    if (answer.cut ? statusOk : (reply->error() == QNetworkReply::NoError && statusOk && !pending->timedOut)) {
        answer.ok = true;
        answer.body = decodeGbk(pending->body);
    } else {
        answer.error = pending->timedOut ? QStringLiteral("time limit reached") : reply->errorString();
    }
    if (answer.cut)
        reply->abort();
    reply->deleteLater();

    // Taken out first: `done` may start another request or end the program.
    const QPointer<QObject> receiver = pending->receiver;
    const auto done = std::move(pending->done);
    delete pending;
    if (receiver)
        done(answer);
}

void HttpClient::dropPending()
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

int HttpClient::pendingCount() const
{
    int count = 0;
    for (const QNetworkReply *reply : m_manager->findChildren<QNetworkReply *>())
        count += pendingOf(reply) != nullptr;
    return count;
}
