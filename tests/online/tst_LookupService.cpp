// The lookup service against a small HTTP server on 127.0.0.1: request bodies byte for byte,
// the HTTP settings, failures, the update check and the event loop during a request.
#include "TestHttpServer.h"

#include "online/CredentialCipher.h"
#include "online/LookupService.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace korvel::online;

namespace {

struct ScriptedNotifier : UpdateCheckNotifier
{
    bool answer = true;
    QStringList confirmed, informed;
    bool confirm(const QString& text) override
    {
        confirmed << text;
        return answer;
    }
    void inform(const QString& text) override { informed << text; }
};

struct RecordingOpener : DesktopOpener
{
    QList<QUrl> opened;
    void openUrl(const QUrl& url) override { opened << url; }
};

enum class Op
{
    PartnerSearch,
    MoviebaseSearch,
    PartnerDetails,
    MoviebaseDetails
};

} // namespace

class tst_LookupService : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void requestBodies_data();
    void requestBodies();
    void uploadBody_data();
    void uploadBody();
    void httpSettings();
    void redirectFollowedWithoutCookies();
    void failuresSetErrorFlag_data();
    void failuresSetErrorFlag();
    void refusedConnection();
    void silentServerTimesOut();
    void timeoutsSetBackAfterUpdateCheck();
    void eventLoopRunsDuringRequest();
    void replyBytesAreWindows1252();
    void listAndDetailsThroughService();
    void updateCheck_data();
    void updateCheck();
    void proxyValuesFromSettings_data();
    void proxyValuesFromSettings();
    void proxyCredentialsWhenBasicIsOn();
    void proxyCredentialsOnlyWhenAskedWhileBasicIsOff();

  private:
    std::unique_ptr<LookupService> makeService(const QVariantMap& extra = {});

    QTemporaryDir m_dir;
    std::unique_ptr<TestHttpServer> m_server;
    std::unique_ptr<QSettings> m_settings;
};

void tst_LookupService::init()
{
    m_server = std::make_unique<TestHttpServer>();
    QVERIFY(m_server->port() != 0);
    m_server->setHandler([](const RecordedRequest&) { return CannedResponse{200, "ok", {}, 0}; });
    m_settings.reset();
}

std::unique_ptr<LookupService> tst_LookupService::makeService(const QVariantMap& extra)
{
    static int n = 0;
    m_settings = std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("s%1.ini").arg(++n)),
                                             QSettings::IniFormat);
    m_settings->setValue(LookupService::kPartnerAddress, m_server->address());
    m_settings->setValue(LookupService::kMakerAddress, m_server->address() + QStringLiteral("/"));
    for (auto it = extra.cbegin(); it != extra.cend(); ++it)
        m_settings->setValue(it.key(), it.value());
    return std::make_unique<LookupService>(*m_settings);
}

void tst_LookupService::requestBodies_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("body");

    const QByteArray partner = "/partner/quarnsite/dvdkorvel_221.php";
    QTest::newRow("partner search, ampersand between blanks")
        << int(Op::PartnerSearch) << QStringLiteral("Rock & Roll") << partner
        << QByteArray("action=search&suchbegriff=Rock+%26+Roll&");
    QTest::newRow("partner search Alien ends with &")
        << int(Op::PartnerSearch) << QStringLiteral("Alien") << partner
        << QByteArray("action=search&suchbegriff=Alien&");
    QTest::newRow("partner search, empty term") << int(Op::PartnerSearch) << QString() << partner
                                                << QByteArray("action=search&suchbegriff=&");
    QTest::newRow("moviebase search, single item has no &")
        << int(Op::MoviebaseSearch) << QStringLiteral("Matrix")
        << QByteArray("/include/querydb.php") << QByteArray("titel=Matrix");
    QTest::newRow("moviebase search, umlaut and euro in Windows-1252")
        << int(Op::MoviebaseSearch) << QStringLiteral("Die Brücke 5€")
        << QByteArray("/include/querydb.php") << QByteArray("titel=Die+Br%FCcke+5%80");
    QTest::newRow("moviebase search, punctuation and line break all encoded")
        << int(Op::MoviebaseSearch) << QStringLiteral("a-b.c_d~e=f\r\ng")
        << QByteArray("/include/querydb.php") << QByteArray("titel=a%2Db%2Ec%5Fd%7Ee%3Df%0D%0Ag");
    QTest::newRow("moviebase search, character outside the code page")
        << int(Op::MoviebaseSearch) << QStringLiteral("Ω") << QByteArray("/include/querydb.php")
        << QByteArray("titel=%3F");
    QTest::newRow("details from the partner") << int(Op::PartnerDetails) << QStringLiteral("12345")
                                              << partner << QByteArray("action=get&dvdid=12345&");
    QTest::newRow("details from the moviebase")
        << int(Op::MoviebaseDetails) << QStringLiteral("77")
        << QByteArray("/include/querydbdetails.php") << QByteArray("id=77");
}

void tst_LookupService::requestBodies()
{
    QFETCH(int, op);
    QFETCH(QString, argument);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, body);
    auto service = makeService();
    m_server->setHandler([](const RecordedRequest&) { return CannedResponse{200, "ok", {}, 0}; });
    QString reply;
    switch (Op(op)) {
    case Op::PartnerSearch:
        reply = service->search_partner(argument);
        break;
    case Op::MoviebaseSearch:
        reply = service->search_moviebase(argument);
        break;
    case Op::PartnerDetails:
        service->setSource(true);
        reply = service->get_details(argument);
        break;
    case Op::MoviebaseDetails:
        service->setSource(false);
        reply = service->get_details(argument);
        break;
    }
    QVERIFY(!service->error());
    QCOMPARE(reply, QStringLiteral("ok"));
    QCOMPARE(m_server->requests().size(), 1);
    const RecordedRequest& r = m_server->requests().first();
    QCOMPARE(r.method, QByteArray("POST"));
    QCOMPARE(r.target, path);
    QCOMPARE(r.body, body);
}

void tst_LookupService::uploadBody_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QByteArray>("item");
    QTest::newRow("leading zero") << QStringLiteral("01") << QByteArray("medienzahl1");
    QTest::newRow("three") << QStringLiteral("3") << QByteArray("medienzahl3");
    QTest::newRow("not a number") << QStringLiteral("zwei") << QByteArray("medienzahl1");
    QTest::newRow("empty") << QString() << QByteArray("medienzahl1");
}

void tst_LookupService::uploadBody()
{
    QFETCH(QString, count);
    QFETCH(QByteArray, item);
    auto service = makeService();
    UploadFields f;
    f.titel = QStringLiteral("Matrix");
    f.darsteller = QStringLiteral("Keanu Reeves, Carrie-Anne Moss");
    f.regie = QStringLiteral("Wachowski");
    f.musik = QStringLiteral("Don Davis");
    f.genre = QStringLiteral("Science-Fiction");
    f.jahr = QStringLiteral("1999");
    f.laufzeit = QStringLiteral("131");
    f.bildtyp = 0;
    f.bildformat = 1;
    f.beschreibung = QStringLiteral("Neo & Co.");
    f.buch = QStringLiteral("B");
    f.produzent = QStringLiteral("P");
    f.visuelleEffekte = QStringLiteral("E");
    f.kostueme = QStringLiteral("K");
    f.fsk = QStringLiteral("16");
    f.originaltitel = QStringLiteral("The Matrix");
    f.ean = QStringLiteral("7321921174166");
    f.region = QStringLiteral("2");
    f.dvdextras = {QStringLiteral("Trailer"), QStringLiteral("Making-of")};
    f.medienzahl = count;
    service->upload_to_moviebase(f);
    QVERIFY(!service->error());
    QCOMPARE(m_server->requests().size(), 1);
    const RecordedRequest& r = m_server->requests().first();
    QCOMPARE(r.target, QByteArray("/include/upload.php"));
    const QByteArray expected =
        "titel=Matrix&darsteller=Keanu+Reeves%2C+Carrie%2DAnne+Moss&regie=Wachowski&"
        "musik=Don+Davis&genre=Science%2DFiction&jahr=1999&laufzeit=131&bildtyp=0&bildformat=1&"
        "beschreibung=Neo+%26+Co%2E&buch=B&produzent=P&visuelle_effekte=E&kostueme=K&fsk=16&"
        "originaltitel=The+Matrix&ean=7321921174166&region=2&dvdextras=Trailer%0D%0AMaking%2Dof&" +
        item + "&";
    QCOMPARE(r.body, expected);
}

void tst_LookupService::httpSettings()
{
    auto service = makeService();
    service->search_partner(QStringLiteral("x"));
    QCOMPARE(m_server->requests().size(), 1);
    const RecordedRequest& r = m_server->requests().first();
    QCOMPARE(r.requestLine, QByteArray("POST /partner/quarnsite/dvdkorvel_221.php HTTP/1.0"));
    QCOMPARE(r.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(r.header("Accept"), QByteArray("text/html, */*"));
    QCOMPARE(r.header("Content-Length"), QByteArray::number(r.body.size()));
    QVERIFY(!r.hasHeader("User-Agent"));
    QVERIFY(!r.hasHeader("Cookie"));
    QVERIFY(!r.hasHeader("Proxy-Authorization"));
    QVERIFY(!r.hasHeader("Via"));
}

void tst_LookupService::redirectFollowedWithoutCookies()
{
    auto service = makeService();
    m_server->setHandler([](const RecordedRequest& r) {
        if (r.path() == "/include/querydb.php")
            return CannedResponse{
                302, {}, {"Location: /moved/here.php", "Set-Cookie: sitzung=4711; Path=/"}, 0};
        return CannedResponse{200, "<DVD1><Titel>Ziel</Titel></DVD1>", {"Set-Cookie: b=2"}, 0};
    });
    service->setReply(service->search_moviebase(QStringLiteral("Alien")));
    QVERIFY(!service->error());
    QCOMPARE(service->parse_list(), 1);
    QCOMPARE(service->results().first().title, QStringLiteral("Ziel"));
    service->search_moviebase(QStringLiteral("Alien"));
    QCOMPARE(m_server->requests().size(), 4);
    QCOMPARE(m_server->requests()[1].path(), QByteArray("/moved/here.php"));
    for (const RecordedRequest& r : m_server->requests()) {
        QVERIFY2(!r.hasHeader("Cookie"), r.requestLine.constData());
        QVERIFY(r.requestLine.endsWith("HTTP/1.0"));
    }
}

void tst_LookupService::failuresSetErrorFlag_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<qint64>("limit");
    QTest::newRow("404 with a body")
        << 404 << QByteArray("<DVD1><Titel>x</Titel></DVD1>") << qint64(1000);
    QTest::newRow("500") << 500 << QByteArray("Fehler") << qint64(1000);
    QTest::newRow("redirect to a missing page") << 301 << QByteArray() << qint64(1000);
    QTest::newRow("reply over the size limit") << 200 << QByteArray(2048, 'x') << qint64(1024);
}

void tst_LookupService::failuresSetErrorFlag()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(qint64, limit);
    auto service = makeService();
    service->client().setMaxReplyBytes(limit);
    m_server->setHandler([status, body](const RecordedRequest& r) {
        if (status == 301 && r.path() != "/missing")
            return CannedResponse{301, {}, {"Location: /missing"}, 0};
        return CannedResponse{status == 301 ? 404 : status, body, {}, 0};
    });
    const QString reply = service->search_moviebase(QStringLiteral("x"));
    QVERIFY(service->error());
    QVERIFY(reply.isEmpty());

    // The next request clears the flag again.
    m_server->setHandler([](const RecordedRequest&) { return CannedResponse{200, "ok", {}, 0}; });
    QCOMPARE(service->search_moviebase(QStringLiteral("x")), QStringLiteral("ok"));
    QVERIFY(!service->error());
}

void tst_LookupService::refusedConnection()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    QTemporaryDir dir;
    QSettings s(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    s.setValue(LookupService::kMakerAddress, QStringLiteral("http://127.0.0.1:%1").arg(port));
    LookupService service(s);
    QVERIFY(service.search_moviebase(QStringLiteral("x")).isEmpty());
    QVERIFY(service.error());
}

void tst_LookupService::silentServerTimesOut()
{
    auto service = makeService();
    service->setTimeouts({300, 2000, 7000});
    m_server->setHandler([](const RecordedRequest&) {
        CannedResponse c;
        c.never = true;
        return c;
    });
    QElapsedTimer t;
    t.start();
    service->search_partner(QStringLiteral("x"));
    QVERIFY(service->error());
    QVERIFY2(t.elapsed() >= 250 && t.elapsed() < 2000, QByteArray::number(t.elapsed()));
}

void tst_LookupService::timeoutsSetBackAfterUpdateCheck()
{
    auto service = makeService();
    service->setTimeouts({5000, 250, 300});
    m_server->setHandler([](const RecordedRequest&) {
        CannedResponse c;
        c.never = true;
        return c;
    });
    ScriptedNotifier notifier;
    RecordingOpener opener;
    QElapsedTimer t;
    t.start();
    service->check_updates(notifier, opener);
    QVERIFY2(t.elapsed() < 2000, QByteArray::number(t.elapsed()));
    QVERIFY(service->error());
    QCOMPARE(service->client().readTimeout(), 5000);
    t.restart();
    UploadFields f;
    service->upload_to_moviebase(f);
    QVERIFY2(t.elapsed() < 2000, QByteArray::number(t.elapsed()));
    QVERIFY(service->error());
    QCOMPARE(service->client().readTimeout(), 5000);
}

void tst_LookupService::eventLoopRunsDuringRequest()
{
    auto service = makeService();
    m_server->setHandler([](const RecordedRequest&) {
        return CannedResponse{200, "spät", {}, 500};
    });
    int ticks = 0;
    QTimer timer;
    timer.setInterval(20);
    connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
    timer.start();
    const QString reply = service->search_moviebase(QStringLiteral("x"));
    timer.stop();
    QVERIFY(!service->error());
    QCOMPARE(reply, QStringLiteral("sp\u00c3\u00a4t")); // UTF-8 bytes read as Windows-1252
    QVERIFY2(ticks >= 10, QByteArray::number(ticks));
}

void tst_LookupService::replyBytesAreWindows1252()
{
    auto service = makeService();
    m_server->setHandler([](const RecordedRequest&) {
        return CannedResponse{200, QByteArray("\x80 \xe4\xf6\xfc\xdf \x93q\x94"), {}, 0};
    });
    QCOMPARE(service->search_moviebase(QStringLiteral("x")),
             QStringLiteral("€ äöüß \u201cq\u201d"));
}

void tst_LookupService::listAndDetailsThroughService()
{
    auto service = makeService();
    m_server->setHandler([](const RecordedRequest& r) {
        if (r.path() == "/include/querydb.php")
            return CannedResponse{200,
                                  "<DVD1><Titel>Die Br&#252;cke</Titel><dvdid>5</dvdid>"
                                  "<Herstellungsjahr>1959</Herstellungsjahr></DVD1>"
                                  "<DVD2><Titel>Tom &amp; Jerry</Titel><dvdid>9</dvdid></DVD2>",
                                  {},
                                  0};
        return CannedResponse{
            200,
            "<Filmtitel>Die Br&#252;cke</Filmtitel><EAN>400638133393</EAN>"
            "<Kost\xfcme>Ruth</Kost\xfcme><Darsteller>A &quot;B&quot;</Darsteller>",
            {},
            0};
    });
    service->clearResults();
    service->setReply(service->search_moviebase(QStringLiteral("Brücke")));
    QCOMPARE(service->parse_list(), 2);
    QCOMPARE(service->results()[0].title, QStringLiteral("Die Brücke"));
    QCOMPARE(service->results()[0].year, QStringLiteral("1959"));
    QCOMPARE(service->results()[1].title, QStringLiteral("Tom & Jerry"));
    QCOMPARE(service->results()[1].id, QStringLiteral("9"));

    service->setReply(service->get_details(service->results()[0].id));
    QVERIFY(!service->error());
    QCOMPARE(m_server->requests().last().body, QByteArray("id=5"));
    service->fill_details();
    QCOMPARE(service->details().value(QStringLiteral("Filmtitel")), QStringLiteral("Die Brücke"));
    QCOMPARE(service->details().value(QStringLiteral("EAN")), QStringLiteral("4006381333931"));
    QCOMPARE(service->details().value(QStringLiteral("Kostüme")), QStringLiteral("Ruth"));
    QCOMPARE(service->details().value(QStringLiteral("Darsteller")), QStringLiteral("A \"B\""));
    QCOMPARE(service->details().value(QStringLiteral("Regie")), QString());
}

void tst_LookupService::updateCheck_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("confirmText");
    QTest::addColumn<bool>("opened");

    const QString none;
    QTest::newRow("availability 0")
        << 200 << QByteArray("<AVAIL>0</AVAIL><TEXT>Version 3</TEXT>") << true << none << false;
    QTest::newRow("availability 1, answer yes")
        << 200 << QByteArray("<AVAIL>1</AVAIL><TEXT>Version 2.30 ist da.</TEXT>") << true
        << QStringLiteral("Version 2.30 ist da. Jetzt herunterladen ?") << true;
    QTest::newRow("availability 1, answer no")
        << 200 << QByteArray("<AVAIL>1</AVAIL><TEXT>Version 2.30</TEXT>") << false
        << QStringLiteral("Version 2.30 Jetzt herunterladen ?") << false;
    QTest::newRow("announcement is not entity-decoded")
        << 200 << QByteArray("<AVAIL>1</AVAIL><TEXT>A &amp; B</TEXT>") << true
        << QStringLiteral("A &amp; B Jetzt herunterladen ?") << true;
    QTest::newRow("no updates text")
        << 200 << QByteArray("Keine Updates verf\xfcgbar") << true << none << false;
    QTest::newRow("error page without availability")
        << 200 << QByteArray("<html>Wartungsarbeiten</html>") << true << none << false;
    QTest::newRow("request failed")
        << 404 << QByteArray("<AVAIL>1</AVAIL><TEXT>x</TEXT>") << true << none << false;
}

void tst_LookupService::updateCheck()
{
    QFETCH(int, status);
    QFETCH(QByteArray, reply);
    QFETCH(bool, answer);
    QFETCH(QString, confirmText);
    QFETCH(bool, opened);
    auto service = makeService();
    m_server->setHandler([&](const RecordedRequest&) {
        return CannedResponse{status, reply, {}, 0};
    });
    ScriptedNotifier notifier;
    notifier.answer = answer;
    RecordingOpener opener;
    const UpdateReply result = service->check_updates(notifier, opener);
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(m_server->requests()[0].target, QByteArray("/include/checkupdates.php"));
    QCOMPARE(m_server->requests()[0].body, QByteArray("version=2%2E26&releasenr=1&"));
    if (confirmText.isEmpty()) {
        QVERIFY(!result.available);
        QVERIFY(notifier.confirmed.isEmpty());
        QCOMPARE(notifier.informed,
                 QStringList{QStringLiteral("Sie arbeiten mit der aktuellsten Version. Es wurden "
                                            "keine neuen Updates gefunden.")});
    } else {
        QVERIFY(result.available);
        QCOMPARE(notifier.confirmed, QStringList{confirmText});
        QVERIFY(notifier.informed.isEmpty());
    }
    if (opened)
        QCOMPARE(opener.opened, QList<QUrl>{QUrl(m_server->address() +
                                                 QStringLiteral("/cgi-bin/download.pl?id=29374"))});
    else
        QVERIFY(opener.opened.isEmpty());
}

void tst_LookupService::proxyValuesFromSettings_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("expectedPort");
    QTest::addColumn<bool>("basicAuth");
    QTest::newRow("all empty: direct, no authentication")
        << QString() << QString() << QString() << QString() << 0 << false;
    QTest::newRow("host with credentials")
        << QStringLiteral("proxy.lan") << QStringLiteral("3128") << QStringLiteral("knut")
        << QStringLiteral("Geh€im!") << 3128 << true;
    QTest::newRow("host with empty credentials still switches Basic on")
        << QStringLiteral("proxy.lan") << QString() << QString() << QString() << 0 << true;
    QTest::newRow("port that is no number") << QStringLiteral("proxy.lan") << QStringLiteral("80a")
                                            << QString() << QString() << 0 << true;
}

void tst_LookupService::proxyValuesFromSettings()
{
    QFETCH(QString, server);
    QFETCH(QString, port);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(int, expectedPort);
    QFETCH(bool, basicAuth);
    auto service =
        makeService({{LookupService::kProxyServer, server},
                     {LookupService::kProxyPort, port},
                     {LookupService::kProxyUsername, CredentialCipher::encrypt(user)},
                     {LookupService::kProxyPassword, CredentialCipher::encrypt(password)}});
    QCOMPARE(service->proxy().host, server);
    QCOMPARE(service->proxy().port, expectedPort);
    QCOMPARE(service->proxy().user, user);
    QCOMPARE(service->proxy().password, password);
    QCOMPARE(service->proxy().basicAuth, basicAuth);

    // What the proxy dialog does on "Speichern" and "Entfernen".
    service->setBasicAuth(false);
    service->setProxyHost(QStringLiteral("other"));
    service->setProxyPort(8080);
    QCOMPARE(service->proxy().host, QStringLiteral("other"));
    QCOMPARE(service->proxy().port, 8080);
    QVERIFY(!service->proxy().basicAuth);
}

// The test server stands in for the proxy here: it sees what a proxy would be sent.
void tst_LookupService::proxyCredentialsWhenBasicIsOn()
{
    auto service =
        makeService({{LookupService::kProxyServer, QStringLiteral("127.0.0.1")},
                     {LookupService::kProxyPort, QString::number(m_server->port())},
                     {LookupService::kProxyUsername, CredentialCipher::encrypt("knut")},
                     {LookupService::kProxyPassword, CredentialCipher::encrypt("Geh€im")}});
    QCOMPARE(service->search_moviebase(QStringLiteral("x")), QStringLiteral("ok"));
    QCOMPARE(m_server->requests().size(), 1);
    const RecordedRequest& r = m_server->requests().first();
    QVERIFY2(r.target.startsWith("http://127.0.0.1:"), r.target.constData());
    QCOMPARE(r.header("Proxy-Authorization"), "Basic " + QByteArray("knut:Geh\x80im").toBase64());
}

void tst_LookupService::proxyCredentialsOnlyWhenAskedWhileBasicIsOff()
{
    auto service = makeService();
    service->setBasicAuth(false);
    service->setProxyHost(QStringLiteral("127.0.0.1"));
    service->setProxyPort(m_server->port());
    service->setProxyUser(QStringLiteral("knut"));
    service->setProxyPassword(QStringLiteral("pw"));
    m_server->setHandler([](const RecordedRequest& r) {
        if (!r.hasHeader("Proxy-Authorization"))
            return CannedResponse{407, "", {"Proxy-Authenticate: Basic realm=\"p\""}, 0};
        return CannedResponse{200, "ok", {}, 0};
    });
    QCOMPARE(service->search_moviebase(QStringLiteral("x")), QStringLiteral("ok"));
    QVERIFY(!service->error());
    QCOMPARE(m_server->requests().size(), 2);
    QVERIFY(!m_server->requests()[0].hasHeader("Proxy-Authorization"));
    QCOMPARE(m_server->requests()[1].header("Proxy-Authorization"),
             "Basic " + QByteArray("knut:pw").toBase64());
    QCOMPARE(m_server->requests()[1].body, QByteArray("titel=x"));
}

QTEST_GUILESS_MAIN(tst_LookupService)
#include "tst_LookupService.moc"
