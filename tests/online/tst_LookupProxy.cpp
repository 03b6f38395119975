// Requests through a real HTTP proxy (tinyproxy with Basic authentication) started by the
// test on 127.0.0.1; skipped where tinyproxy is missing or cannot start.
#include "TestHttpServer.h"

#include "online/CredentialCipher.h"
#include "online/LookupService.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace korvel::online;

class tst_LookupProxy : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void credentialsFromSettingsGoThroughProxy();
    void wrongCredentialsFail();
    void noHostGoesDirect();
    void savedInDialogAnswersTheChallenge();
    void removedInDialogGoesDirect();

  private:
    std::unique_ptr<LookupService> makeService(const QString& host, const QString& user,
                                               const QString& password);
    QString m_skipReason;
    QTemporaryDir m_dir;
    QProcess m_proxy;
    quint16 m_proxyPort = 0;
    std::unique_ptr<TestHttpServer> m_server;
    std::unique_ptr<QSettings> m_settings;
};

void tst_LookupProxy::initTestCase()
{
    const QString program = QStandardPaths::findExecutable(
        QStringLiteral("tinyproxy"), {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin")});
    if (program.isEmpty()) {
        m_skipReason = QStringLiteral("tinyproxy is not installed");
        return;
    }
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    m_proxyPort = probe.serverPort();
    probe.close();
    const QString conf = m_dir.filePath(QStringLiteral("tinyproxy.conf"));
    QFile f(conf);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("Port %1\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\n"
                           "BasicAuth korvel geheim\nLogLevel Info\n")
                .arg(m_proxyPort)
                .toUtf8());
    f.close();
    m_proxy.setProcessChannelMode(QProcess::MergedChannels);
    m_proxy.start(program, {QStringLiteral("-d"), QStringLiteral("-c"), conf});
    if (!m_proxy.waitForStarted(5000)) {
        m_skipReason = QStringLiteral("tinyproxy did not start");
        return;
    }
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 5000) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, m_proxyPort);
        if (s.waitForConnected(200))
            return;
        if (m_proxy.state() != QProcess::Running)
            break;
        QTest::qWait(50);
    }
    m_skipReason =
        QStringLiteral("tinyproxy does not listen: ") + QString::fromLocal8Bit(m_proxy.readAll());
}

void tst_LookupProxy::cleanupTestCase()
{
    if (m_proxy.state() != QProcess::NotRunning) {
        m_proxy.terminate();
        if (!m_proxy.waitForFinished(3000))
            m_proxy.kill();
        m_proxy.waitForFinished(3000);
    }
}

void tst_LookupProxy::init()
{
    if (!m_skipReason.isEmpty())
        QSKIP(qPrintable(m_skipReason));
    m_server = std::make_unique<TestHttpServer>();
    m_server->setHandler([](const RecordedRequest&) {
        return CannedResponse{200, "angekommen", {}, 0};
    });
}

std::unique_ptr<LookupService>
tst_LookupProxy::makeService(const QString& host, const QString& user, const QString& password)
{
    static int n = 0;
    m_settings = std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("s%1.ini").arg(++n)),
                                             QSettings::IniFormat);
    m_settings->setValue(LookupService::kMakerAddress, m_server->address());
    m_settings->setValue(LookupService::kProxyServer, host);
    m_settings->setValue(LookupService::kProxyPort,
                         host.isEmpty() ? QString() : QString::number(m_proxyPort));
    m_settings->setValue(LookupService::kProxyUsername, CredentialCipher::encrypt(user));
    m_settings->setValue(LookupService::kProxyPassword, CredentialCipher::encrypt(password));
    auto service = std::make_unique<LookupService>(*m_settings);
    service->setTimeouts({4000, 2000, 4000});
    return service;
}

void tst_LookupProxy::credentialsFromSettingsGoThroughProxy()
{
    auto service = makeService(QStringLiteral("127.0.0.1"), QStringLiteral("korvel"),
                               QStringLiteral("geheim"));
    QVERIFY(service->proxy().basicAuth);
    QCOMPARE(service->search_moviebase(QStringLiteral("Rock & Roll")),
             QStringLiteral("angekommen"));
    QVERIFY(!service->error());
    QCOMPARE(m_server->requests().size(), 1);
    const RecordedRequest& r = m_server->requests().first();
    QVERIFY2(r.header("Via").contains("tinyproxy"), r.header("Via").constData());
    QCOMPARE(r.path(), QByteArray("/include/querydb.php"));
    QCOMPARE(r.body, QByteArray("titel=Rock+%26+Roll"));
}

void tst_LookupProxy::wrongCredentialsFail()
{
    auto service = makeService(QStringLiteral("127.0.0.1"), QStringLiteral("korvel"),
                               QStringLiteral("falsch"));
    QVERIFY(service->search_moviebase(QStringLiteral("x")).isEmpty());
    QVERIFY(service->error());
    QVERIFY(m_server->requests().isEmpty());

    auto anonymous = makeService(QStringLiteral("127.0.0.1"), QString(), QString());
    QVERIFY(anonymous->proxy().basicAuth);
    anonymous->search_moviebase(QStringLiteral("x"));
    QVERIFY(anonymous->error());
    QVERIFY(m_server->requests().isEmpty());
}

void tst_LookupProxy::noHostGoesDirect()
{
    qputenv("http_proxy", QStringLiteral("http://127.0.0.1:%1").arg(m_proxyPort).toUtf8());
    auto service = makeService(QString(), QStringLiteral("korvel"), QStringLiteral("geheim"));
    QVERIFY(!service->proxy().basicAuth);
    QCOMPARE(service->search_moviebase(QStringLiteral("x")), QStringLiteral("angekommen"));
    qunsetenv("http_proxy");
    QCOMPARE(m_server->requests().size(), 1);
    QVERIFY(!m_server->requests().first().hasHeader("Via"));
}

void tst_LookupProxy::savedInDialogAnswersTheChallenge()
{
    // Saving in the proxy dialog switches Basic off: the credentials then go out only after
    // the proxy has asked for them.
    auto service = makeService(QString(), QString(), QString());
    service->setBasicAuth(false);
    service->setProxyHost(QStringLiteral("127.0.0.1"));
    service->setProxyPort(m_proxyPort);
    service->setProxyUser(QStringLiteral("korvel"));
    service->setProxyPassword(QStringLiteral("geheim"));
    QCOMPARE(service->search_moviebase(QStringLiteral("x")), QStringLiteral("angekommen"));
    QVERIFY(!service->error());
    QCOMPARE(m_server->requests().size(), 1);
    QVERIFY(m_server->requests().first().header("Via").contains("tinyproxy"));
}

void tst_LookupProxy::removedInDialogGoesDirect()
{
    auto service = makeService(QStringLiteral("127.0.0.1"), QStringLiteral("korvel"),
                               QStringLiteral("falsch"));
    service->setBasicAuth(false);
    service->setProxyHost(QString());
    service->setProxyPort(0);
    service->setProxyUser(QString());
    service->setProxyPassword(QString());
    QCOMPARE(service->search_moviebase(QStringLiteral("x")), QStringLiteral("angekommen"));
    QVERIFY(!service->error());
    QVERIFY(!m_server->requests().first().hasHeader("Via"));
}

QTEST_GUILESS_MAIN(tst_LookupProxy)
#include "tst_LookupProxy.moc"
