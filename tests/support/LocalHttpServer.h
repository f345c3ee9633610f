#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

// Test support: a real HTTP server on 127.0.0.1, on a port of its own. Every
// request gets the same answer: the page with status 200 (after a delay, if
// one is set), or nothing at all when the server is set to stay silent.
class LocalHttpServer : public QTcpServer {
    Q_OBJECT
public:
    LocalHttpServer() { listen(QHostAddress(QHostAddress::LocalHost), 0); }

    void setPage(const QByteArray &page) { m_page = page; }
    void setDelayMs(int ms) { m_delayMs = ms; }
    void setSilent(bool silent) { m_silent = silent; }

    QUrl url(const QString &path = QStringLiteral("/download.html")) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path));
    }
    int requests() const { return m_requests; }

Q_SIGNALS:
    void requestSeen();
    // The client went away before its answer was sent.
    void clientLeftEarly();

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        auto answered = std::make_shared<bool>(false);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, answered] {
            m_pending[socket] += socket->readAll();
            if (!m_pending[socket].contains("\r\n\r\n") || socket->property("seen").toBool())
                return;
            socket->setProperty("seen", true);
            ++m_requests;
            Q_EMIT requestSeen();
            if (m_silent)
                return;
            QPointer<QTcpSocket> guarded(socket);
            QTimer::singleShot(m_delayMs, this, [this, guarded, answered] {
                if (!guarded || guarded->state() != QAbstractSocket::ConnectedState)
                    return;
                *answered = true;
                guarded->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: "
                               + QByteArray::number(m_page.size()) + "\r\nConnection: close\r\n\r\n");
                guarded->write(m_page);
                guarded->disconnectFromHost();
            });
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket, answered] {
            if (!*answered)
                Q_EMIT clientLeftEarly();
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }

private:
    QByteArray m_page;
    int m_delayMs = 0;
    bool m_silent = false;
    int m_requests = 0;
    QHash<QTcpSocket *, QByteArray> m_pending;
};
