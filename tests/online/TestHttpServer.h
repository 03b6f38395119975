#pragma once

// A small HTTP server on 127.0.0.1 for the lookup tests: it records every request as it
// arrived and answers through a handler the test sets.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>

struct RecordedRequest
{
    QByteArray requestLine;
    QByteArray method;
    QByteArray target;
    QList<QByteArray> headerLines;
    QByteArray body;

    QByteArray header(const QByteArray& name) const
    {
        for (const QByteArray& line : headerLines) {
            const int colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
                return line.mid(colon + 1).trimmed();
        }
        return {};
    }
    bool hasHeader(const QByteArray& name) const
    {
        for (const QByteArray& line : headerLines)
            if (line.toLower().startsWith(name.toLower() + ':'))
                return true;
        return false;
    }
    // The path without scheme and host (a proxy may send an absolute address).
    QByteArray path() const
    {
        QByteArray t = target;
        if (t.startsWith("http://")) {
            const int slash = t.indexOf('/', 7);
            t = slash < 0 ? QByteArray("/") : t.mid(slash);
        }
        return t;
    }
};

struct CannedResponse
{
    int status = 200;
    QByteArray body;
    QList<QByteArray> extraHeaders;
    int delayMs = 0;
    bool never = false; // accept the request and never answer
};

class TestHttpServer
{
  public:
    using Handler = std::function<CannedResponse(const RecordedRequest&)>;

    TestHttpServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection())
                serve(s);
        });
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    quint16 port() const { return m_server.serverPort(); }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }
    void setHandler(Handler h) { m_handler = std::move(h); }
    const QList<RecordedRequest>& requests() const { return m_requests; }
    void clear() { m_requests.clear(); }

  private:
    void serve(QTcpSocket* socket)
    {
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const int end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            RecordedRequest r;
            const QList<QByteArray> lines = buffer->left(end).split('\n');
            r.requestLine = lines.value(0).trimmed();
            const QList<QByteArray> parts = r.requestLine.split(' ');
            r.method = parts.value(0);
            r.target = parts.value(1);
            for (int i = 1; i < lines.size(); ++i)
                r.headerLines << lines[i].trimmed();
            const int length = r.header("Content-Length").toInt();
            if (buffer->size() < end + 4 + length)
                return;
            r.body = buffer->mid(end + 4, length);
            buffer->clear();
            m_requests << r;
            const CannedResponse c = m_handler ? m_handler(r) : CannedResponse{};
            if (c.never)
                return;
            QPointer<QTcpSocket> guarded(socket);
            const auto answer = [guarded, c] {
                if (!guarded)
                    return;
                QByteArray out = "HTTP/1.0 " + QByteArray::number(c.status) + " Status\r\n";
                for (const QByteArray& h : c.extraHeaders)
                    out += h + "\r\n";
                out += "Content-Length: " + QByteArray::number(c.body.size()) + "\r\n";
                out += "Connection: close\r\n\r\n" + c.body;
                guarded->write(out);
                guarded->disconnectFromHost();
            };
            if (c.delayMs > 0)
                QTimer::singleShot(c.delayMs, socket, answer);
            else
                answer();
        });
    }

    QTcpServer m_server;
    Handler m_handler;
    QList<RecordedRequest> m_requests;
};
