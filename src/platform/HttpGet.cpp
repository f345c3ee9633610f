#include "HttpGet.h"

#include "CodePage936.h"

#include "HttpTransport.h"
#include "PluginPath.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QPluginLoader>
#include <QPointer>
#include <QTimer>

namespace {

HttpClient *&theClient()
{
    static HttpClient *client = nullptr;
    return client;
}

bool &networkPluginLoaded()
{
    static bool loaded = false;
    return loaded;
}

HttpAnswer answerFrom(const HttpReceived &received)
{
    HttpAnswer answer;
    answer.ok = received.ok;
    answer.cut = received.cut;
    answer.error = received.error;
    if (received.ok)
        answer.body = decodeGbk(received.body);
    return answer;
}

// A page among the data files: read, never opened blindly.
HttpAnswer readLocalPage(const QString &path)
{
    HttpAnswer answer;
    const RegularFile::Head head = RegularFile::readHead(path, HttpClient::BodyLimit);
    if (!head.ok()) {
        answer.error = RegularFile::describe(head.problem);
        return answer;
    }
    answer.ok = true;
    answer.cut = head.more;
    answer.body = decodeGbk(head.bytes);
    return answer;
}

} // namespace

QString decodeGbk(const QByteArray &bytes)
{
    return CodePage936::decode(bytes);
}

HttpClient &HttpClient::instance()
{
    if (!theClient())
        theClient() = new HttpClient; // lives as long as the application
    return *theClient();
}

HttpClient *HttpClient::existing() { return theClient(); }

bool HttpClient::networkLoaded() { return networkPluginLoaded(); }

HttpClient::HttpClient() : QObject(QCoreApplication::instance())
{
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &HttpClient::dropPending);
}

HttpClient::~HttpClient()
{
    // Gone with the application: a later instance() makes a new one.
    theClient() = nullptr;
}

HttpTransport *HttpClient::transport()
{
    if (!m_transportTried) {
        m_transportTried = true;
        QPluginLoader loader(programPluginPath(QStringLiteral("zrc-http")));
        if (auto *factory = qobject_cast<HttpTransportFactory *>(loader.instance())) {
            m_transport = factory->create();
            networkPluginLoaded() = true;
        } else {
            m_transportError = u"network plugin unavailable: " + loader.errorString();
            qInfo("%s", qPrintable(m_transportError));
        }
    }
    return m_transport.get();
}

void HttpClient::get(const QUrl &url, QObject *receiver, std::function<void(const HttpAnswer &)> done)
{
    // Nothing for a receiver that is gone by the time the answer comes.
    auto deliver = [receiver = QPointer<QObject>(receiver), done = std::move(done)](const HttpAnswer &answer) {
        if (receiver)
            done(answer);
    };
    if (url.isLocalFile()) {
        answerLater(readLocalPage(url.toLocalFile()), std::move(deliver));
        return;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme != u"http" && scheme != u"https") {
        HttpAnswer failed;
        failed.error = u"not a page address: " + url.toDisplayString();
        answerLater(failed, std::move(deliver));
        return;
    }
    HttpTransport *network = transport();
    if (!network) {
        HttpAnswer failed;
        failed.error = m_transportError;
        answerLater(failed, std::move(deliver));
        return;
    }
    network->get(url, m_timeLimitMs, BodyLimit,
                 [deliver = std::move(deliver)](const HttpReceived &received) { deliver(answerFrom(received)); });
}

void HttpClient::answerLater(const HttpAnswer &answer, std::function<void(const HttpAnswer &)> done)
{
    const quint64 id = m_nextWaiting++;
    m_waiting.append(id);
    QTimer::singleShot(0, this, [this, id, answer, done = std::move(done)] {
        if (!m_waiting.removeOne(id))
            return; // dropped
        done(answer);
    });
}

void HttpClient::dropPending()
{
    m_waiting.clear();
    if (m_transport)
        m_transport->dropPending();
}

int HttpClient::pendingCount() const
{
    return int(m_waiting.size()) + (m_transport ? m_transport->pendingCount() : 0);
}
