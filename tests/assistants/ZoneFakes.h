#pragma once

#include "PingEcho.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <atomic>
#include <functional>

// An echo backend that answers from a script: per address, the answers of
// successive echoes (the last one repeats). An address without a script
// never answers. Thread-safe: the window's worker calls it.
class ScriptedEcho : public mPing::Backend {
public:
    // ms >= 0: an answer after that many ms; -1: no answer.
    void script(const QString &address, QList<int> answers)
    {
        QMutexLocker l(&m_mutex);
        m_script.insert(*mPing::parseAddress(address), {std::move(answers), 0});
    }
    void refuseEverything() { m_refuse = true; }
    // Every echo also raises this notice (as Windows Sockets may); call again
    // for more than one.
    void raiseWithEveryEcho(const QString &notice, bool warning = true) { m_notices.append({notice, warning}); }
    // Runs on the worker before each echo (a test holds the worker here).
    void setBeforeEcho(std::function<void()> f) { m_before = std::move(f); }
    int echoes() const { return m_echoes; }

    mPing::Echo ping(std::uint32_t address) override
    {
        ++m_echoes;
        if (m_before)
            m_before();
        if (m_refuse)
            return mPing::Echo::notPermitted(QStringLiteral("不允许"));
        QMutexLocker l(&m_mutex);
        mPing::Echo echo = mPing::Echo::failure();
        auto it = m_script.find(address);
        if (it != m_script.end() && !it->answers.isEmpty()) {
            const int ms = it->answers.at(qMin(it->next, it->answers.size() - 1));
            ++it->next;
            if (ms >= 0)
                echo = mPing::Echo::success(ms);
        }
        echo.notices += m_notices;
        return echo;
    }

private:
    struct Script {
        QList<int> answers;
        qsizetype next;
    };
    QMutex m_mutex;
    QHash<std::uint32_t, Script> m_script;
    std::atomic<bool> m_refuse{false};
    std::atomic<int> m_echoes{0};
    std::function<void()> m_before;
    QList<mPing::Notice> m_notices;
};

// A data folder with an endpoints file: `zones` are the four [zones] values,
// `pages` extra lines of [pages].
inline bool writeEndpoints(const QTemporaryDir &dir, const QStringList &zones, const QByteArray &pages = {})
{
    QFile f(dir.filePath(QStringLiteral("ZRCendpoints.ini")));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write("[pages]\r\nauthor=pages/author.html\r\n" + pages + "[zones]\r\n");
    for (int i = 0; i < zones.size(); ++i)
        f.write("zone" + QByteArray::number(i + 1) + '=' + zones[i].toLatin1() + "\r\n");
    return true;
}

// A real HTTP server on 127.0.0.1 that answers every GET with one body.
class PageServer : public QTcpServer {
public:
    explicit PageServer(QByteArray body) : m_body(std::move(body))
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    if (!s->readAll().contains("\r\n\r\n"))
                        return;
                    ++requests;
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=gbk\r\nContent-Length: "
                             + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
                    s->disconnectFromHost();
                });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
        listen(QHostAddress::LocalHost);
    }
    QByteArray url() const { return "http://127.0.0.1:" + QByteArray::number(serverPort()) + "/ip.asp"; }
    int requests = 0;

private:
    QByteArray m_body;
};
