#include "HttpGet.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QStringDecoder>

namespace {

struct Pending {
    QPointer<QObject> receiver;
    std::function<void(const HttpAnswer &)> done;
    QByteArray body;
};

const char *const PendingProperty = "zrcPending";

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
    static HttpClient *client = new HttpClient; // lives until the process ends
    return *client;
}

HttpClient::HttpClient() : QObject(QCoreApplication::instance()), m_manager(new QNetworkAccessManager(this))
{
    m_manager->setTransferTimeout(TimeLimitMs);
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &HttpClient::dropPending);
}

void HttpClient::get(const QUrl &url, QObject *receiver, std::function<void(const HttpAnswer &)> done)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(TimeLimitMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_manager->get(request);
    auto *pending = new Pending{receiver, std::move(done), {}};
    reply->setProperty(PendingProperty, QVariant::fromValue(static_cast<void *>(pending)));

    // A whole limit may arrive before the reply finishes: keep what fits and
    // stop reading, so a huge body never fills memory.
    connect(reply, &QNetworkReply::readyRead, this, [this, reply, pending] {
        pending->body += reply->read(BodyLimit - pending->body.size());
        if (pending->body.size() >= BodyLimit)
            finish(reply);
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
}

void HttpClient::finish(QNetworkReply *reply)
{
    auto *pending = static_cast<Pending *>(reply->property(PendingProperty).value<void *>());
    if (!pending)
        return;
    reply->setProperty(PendingProperty, QVariant());
    reply->disconnect(this);

    HttpAnswer answer;
    const bool cut = pending->body.size() >= BodyLimit;
    if (!cut)
        pending->body += reply->read(BodyLimit - pending->body.size());
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (cut || (reply->error() == QNetworkReply::NoError && (status == 0 || (status >= 200 && status < 300)))) {
        answer.ok = true;
        answer.body = decodeGbk(pending->body);
    } else {
        answer.error = reply->errorString();
    }
    if (cut)
        reply->abort();
    reply->deleteLater();

    if (!m_dropping && pending->receiver)
        pending->done(answer);
    delete pending;
}

void HttpClient::dropPending()
{
    m_dropping = true;
    for (QNetworkReply *reply : m_manager->findChildren<QNetworkReply *>()) {
        if (auto *pending = static_cast<Pending *>(reply->property(PendingProperty).value<void *>())) {
            reply->setProperty(PendingProperty, QVariant());
            delete pending;
        }
        reply->disconnect(this);
        reply->abort();
    }
}
