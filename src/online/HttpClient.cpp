#include "online/HttpClient.h"

#include "common/Cp1252.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <curl/curl.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <memory>
#include <mutex>
#include <thread>

namespace korvel::online {

namespace {

using Clock = std::chrono::steady_clock;

// State of one transfer, shared by the waiting thread and the worker.
struct Transfer
{
    CURL* easy = nullptr;
    curl_slist* headers = nullptr;
    QByteArray body;
    QByteArray url, proxy, user, password;
    QByteArray reply;
    qint64 limit = 0;
    std::chrono::milliseconds readTimeout{0};
    Clock::time_point lastActivity;
    bool tooLarge = false;
    bool timedOut = false;
    CURLcode result = CURLE_OK;
    long status = 0;
    char errorText[CURL_ERROR_SIZE] = {};
    std::atomic<bool> done{false};

    ~Transfer()
    {
        if (easy)
            curl_easy_cleanup(easy);
        curl_slist_free_all(headers);
    }
};

size_t onBody(char* data, size_t size, size_t count, void* user)
{
    auto* t = static_cast<Transfer*>(user);
    const size_t n = size * count;
    t->lastActivity = Clock::now();
    if (t->reply.size() + qint64(n) > t->limit) {
        t->tooLarge = true;
        return 0; // aborts the transfer
    }
    t->reply.append(data, qsizetype(n));
    return n;
}

size_t onHeader(char*, size_t size, size_t count, void* user)
{
    static_cast<Transfer*>(user)->lastActivity = Clock::now();
    return size * count;
}

// Runs on the worker thread: drives the transfer and gives up when nothing arrives within
// the read time-out.
void perform(Transfer* t)
{
    CURLM* multi = curl_multi_init();
    curl_multi_add_handle(multi, t->easy);
    t->lastActivity = Clock::now();
    int running = 1;
    while (running) {
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            break;
        if (!running)
            break;
        if (Clock::now() - t->lastActivity > t->readTimeout) {
            t->timedOut = true;
            break;
        }
        curl_multi_poll(multi, nullptr, 0, 25, nullptr);
    }
    int left = 0;
    t->result = CURLE_RECV_ERROR;
    while (CURLMsg* msg = curl_multi_info_read(multi, &left))
        if (msg->msg == CURLMSG_DONE && msg->easy_handle == t->easy)
            t->result = msg->data.result;
    curl_easy_getinfo(t->easy, CURLINFO_RESPONSE_CODE, &t->status);
    curl_multi_remove_handle(multi, t->easy);
    curl_multi_cleanup(multi);
}

void globalInit()
{
    static std::once_flag once;
    std::call_once(once, [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
#ifndef Q_OS_WIN
        // Transfers run on worker threads with CURLOPT_NOSIGNAL, where curl leaves SIGPIPE
        // alone: a server closing a TLS connection mid-write must not end the program.
        std::signal(SIGPIPE, SIG_IGN);
#endif
    });
}

} // namespace

HttpClient::HttpClient()
{
    globalInit();
}

HttpReply HttpClient::post(const QString& url, const QByteArray& body) const
{
    auto t = std::make_shared<Transfer>();
    t->body = body;
    t->url = url.toUtf8();
    t->limit = m_maxReplyBytes;
    t->readTimeout = std::chrono::milliseconds(m_readTimeoutMs);
    t->easy = curl_easy_init();
    HttpReply reply;
    if (!t->easy) {
        reply.error = QStringLiteral("curl_easy_init");
        return reply;
    }
    CURL* e = t->easy;
    curl_easy_setopt(e, CURLOPT_URL, t->url.constData());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(e, CURLOPT_POST, 1L);
    curl_easy_setopt(e, CURLOPT_POSTFIELDS, t->body.constData());
    curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(t->body.size()));
    t->headers = curl_slist_append(t->headers, "Content-Type: application/x-www-form-urlencoded");
    t->headers = curl_slist_append(t->headers, "Accept: text/html, */*");
    t->headers = curl_slist_append(t->headers, "Expect:");
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, t->headers);
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, 15L);
    curl_easy_setopt(e, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(e, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, t->errorText);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, t.get());
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &onHeader);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, t.get());

    // An empty proxy string also keeps curl from taking one from the environment.
    t->proxy = m_proxy.host.toUtf8();
    curl_easy_setopt(e, CURLOPT_PROXY, t->proxy.constData());
    if (!m_proxy.host.isEmpty()) {
        curl_easy_setopt(e, CURLOPT_PROXYTYPE, long(CURLPROXY_HTTP));
        curl_easy_setopt(e, CURLOPT_PROXYPORT, long(m_proxy.port));
        t->user = Cp1252::encode(m_proxy.user);
        t->password = Cp1252::encode(m_proxy.password);
        if (m_proxy.basicAuth) {
            curl_easy_setopt(e, CURLOPT_PROXYAUTH, long(CURLAUTH_BASIC));
            curl_easy_setopt(e, CURLOPT_PROXYUSERNAME, t->user.constData());
            curl_easy_setopt(e, CURLOPT_PROXYPASSWORD, t->password.constData());
        } else if (!t->user.isEmpty() || !t->password.isEmpty()) {
            curl_easy_setopt(e, CURLOPT_PROXYAUTH, long(CURLAUTH_ANY));
            curl_easy_setopt(e, CURLOPT_PROXYUSERNAME, t->user.constData());
            curl_easy_setopt(e, CURLOPT_PROXYPASSWORD, t->password.constData());
        }
    }

    // Wait in a local event loop; the worker wakes it when the transfer has ended. Without
    // an application object there is no loop to keep alive, and the call simply blocks.
    if (QCoreApplication::instance()) {
        QEventLoop loop;
        std::thread worker([t, &loop] {
            perform(t.get());
            t->done = true;
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        while (!t->done)
            loop.exec();
        worker.join();
    } else {
        perform(t.get());
    }

    reply.status = t->status;
    if (t->timedOut)
        reply.error = QStringLiteral("Zeitüberschreitung");
    else if (t->tooLarge)
        reply.error = QStringLiteral("Antwort zu groß");
    else if (t->result != CURLE_OK)
        reply.error =
            QString::fromUtf8(t->errorText[0] ? t->errorText : curl_easy_strerror(t->result));
    else if (t->status < 200 || t->status > 299)
        reply.error = QStringLiteral("HTTP-Status %1").arg(t->status);
    else {
        reply.ok = true;
        reply.body = std::move(t->reply);
    }
    return reply;
}

} // namespace korvel::online
