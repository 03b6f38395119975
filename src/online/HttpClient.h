#pragma once

#include <QByteArray>
#include <QString>

namespace korvel::online {

// The proxy the client goes through. An empty host means a direct connection (proxy
// variables of the environment are ignored as well).
struct ProxySettings
{
    QString host;
    int port = 0;
    QString user;
    QString password;
    // On: every request carries the credentials by the Basic scheme from the first request
    // on. Off: they are only given when the proxy asks for them.
    bool basicAuth = false;
};

struct HttpReply
{
    bool ok = false; // false on any failure; body is empty then
    QByteArray body; // the bytes as received
    long status = 0; // the last HTTP status seen, 0 without an answer
    QString error;   // a short reason for failures (for diagnostics only)
};

// Posts form bodies over HTTP/1.0 through libcurl. The transfer runs on a worker thread
// while the calling thread waits in a local event loop, so windows repaint and timers fire;
// the caller still gets the reply as if the call had blocked. Each request uses a fresh
// connection and keeps no cookies. Redirects are followed.
class HttpClient
{
  public:
    static constexpr int kDefaultReadTimeoutMs = 12000;
    static constexpr qint64 kDefaultMaxReplyBytes = 8 * 1024 * 1024;

    HttpClient();

    const ProxySettings& proxy() const { return m_proxy; }
    void setProxy(const ProxySettings& proxy) { m_proxy = proxy; }

    // How long a request may wait without receiving anything (connecting included).
    int readTimeout() const { return m_readTimeoutMs; }
    void setReadTimeout(int ms) { m_readTimeoutMs = ms; }

    // A larger reply is a failure rather than unbounded memory.
    qint64 maxReplyBytes() const { return m_maxReplyBytes; }
    void setMaxReplyBytes(qint64 bytes) { m_maxReplyBytes = bytes; }

    // Posts body (already form-encoded) with Content-Type application/x-www-form-urlencoded.
    HttpReply post(const QString& url, const QByteArray& body) const;

  private:
    ProxySettings m_proxy;
    int m_readTimeoutMs = kDefaultReadTimeoutMs;
    qint64 m_maxReplyBytes = kDefaultMaxReplyBytes;
};

} // namespace korvel::online
