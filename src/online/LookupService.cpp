#include "online/LookupService.h"

#include "common/Cp1252.h"
#include "online/CredentialCipher.h"

#include <QSettings>

namespace korvel::online {

const QString LookupService::kProxyServer = QStringLiteral("Proxy_Server");
const QString LookupService::kProxyPort = QStringLiteral("Proxy_Port");
const QString LookupService::kProxyUsername = QStringLiteral("Proxy_Username");
const QString LookupService::kProxyPassword = QStringLiteral("Proxy_Password");
const QString LookupService::kPartnerAddress = QStringLiteral("MovieDB_PartnerAddress");
const QString LookupService::kMakerAddress = QStringLiteral("MovieDB_ServiceAddress");
const QString LookupService::kDefaultPartnerAddress =
    QStringLiteral("https://partner.quarndesk.de");
const QString LookupService::kDefaultMakerAddress = QStringLiteral("https://www.quarndesk.de");

namespace {
const QString kPartnerPath = QStringLiteral("/partner/quarnsite/dvdkorvel_221.php");
const QString kSearchPath = QStringLiteral("/include/querydb.php");
const QString kDetailsPath = QStringLiteral("/include/querydbdetails.php");
const QString kUploadPath = QStringLiteral("/include/upload.php");
const QString kUpdatePath = QStringLiteral("/include/checkupdates.php");
const QString kDownloadPath = QStringLiteral("/cgi-bin/download.pl?id=29374");

QString address(QSettings& settings, const QString& name, const QString& fallback)
{
    QString value = settings.value(name).toString().trimmed();
    if (value.isEmpty())
        value = fallback;
    while (value.endsWith(QLatin1Char('/')))
        value.chop(1);
    return value;
}
} // namespace

LookupService::LookupService(QSettings& settings)
{
    m_partnerAddress = address(settings, kPartnerAddress, kDefaultPartnerAddress);
    m_makerAddress = address(settings, kMakerAddress, kDefaultMakerAddress);

    ProxySettings proxy;
    proxy.host = settings.value(kProxyServer).toString();
    proxy.port = settings.value(kProxyPort).toString().trimmed().toInt(); // "" or junk: 0
    proxy.user = CredentialCipher::decrypt(settings.value(kProxyUsername).toString());
    proxy.password = CredentialCipher::decrypt(settings.value(kProxyPassword).toString());
    proxy.basicAuth = !proxy.host.isEmpty();
    m_client.setProxy(proxy);
    m_client.setReadTimeout(m_timeouts.normal);
}

void LookupService::setTimeouts(const Timeouts& timeouts)
{
    m_timeouts = timeouts;
    m_client.setReadTimeout(timeouts.normal);
}

QString LookupService::post(const QString& address, const QString& path, const QStringList& items,
                            int timeoutMs)
{
    m_error = false;
    m_client.setReadTimeout(timeoutMs);
    const HttpReply r = m_client.post(address + path, LookupProtocol::encode_form_body(items));
    m_client.setReadTimeout(m_timeouts.normal);
    if (!r.ok) {
        m_error = true;
        return {};
    }
    return Cp1252::decode(r.body);
}

QString LookupService::search_partner(const QString& term)
{
    return post(m_partnerAddress, kPartnerPath,
                {QStringLiteral("action=search"), QStringLiteral("suchbegriff=") + term},
                m_timeouts.normal);
}

QString LookupService::search_moviebase(const QString& term)
{
    return post(m_makerAddress, kSearchPath, {QStringLiteral("titel=") + term}, m_timeouts.normal);
}

QString LookupService::get_details(const QString& id)
{
    if (m_source)
        return post(m_partnerAddress, kPartnerPath,
                    {QStringLiteral("action=get"), QStringLiteral("dvdid=") + id},
                    m_timeouts.normal);
    return post(m_makerAddress, kDetailsPath, {QStringLiteral("id=") + id}, m_timeouts.normal);
}

void LookupService::upload_to_moviebase(const UploadFields& f)
{
    bool isInteger = false;
    const int count = f.medienzahl.trimmed().toInt(&isInteger);
    const QStringList items{
        QStringLiteral("titel=") + f.titel, QStringLiteral("darsteller=") + f.darsteller,
        QStringLiteral("regie=") + f.regie, QStringLiteral("musik=") + f.musik,
        QStringLiteral("genre=") + f.genre, QStringLiteral("jahr=") + f.jahr,
        QStringLiteral("laufzeit=") + f.laufzeit,
        QStringLiteral("bildtyp=") + QString::number(f.bildtyp),
        QStringLiteral("bildformat=") + QString::number(f.bildformat),
        QStringLiteral("beschreibung=") + f.beschreibung, QStringLiteral("buch=") + f.buch,
        QStringLiteral("produzent=") + f.produzent,
        QStringLiteral("visuelle_effekte=") + f.visuelleEffekte,
        QStringLiteral("kostueme=") + f.kostueme, QStringLiteral("fsk=") + f.fsk,
        QStringLiteral("originaltitel=") + f.originaltitel, QStringLiteral("ean=") + f.ean,
        QStringLiteral("region=") + f.region,
        QStringLiteral("dvdextras=") + f.dvdextras.join(QStringLiteral("\r\n")),
        // A bare item without "=", so it is sent as it is.
        QStringLiteral("medienzahl") + QString::number(isInteger ? count : 1)};
    post(m_makerAddress, kUploadPath, items, m_timeouts.upload); // the reply is not read
}

UpdateReply LookupService::check_updates(UpdateCheckNotifier& notifier, DesktopOpener& opener)
{
    const QString text = post(m_makerAddress, kUpdatePath,
                              {QStringLiteral("version=2.26"), QStringLiteral("releasenr=1")},
                              m_timeouts.updateCheck);
    const UpdateReply update = LookupProtocol::parse_update_reply(text, m_error);
    if (update.available) {
        if (notifier.confirm(update.announcement + QStringLiteral(" Jetzt herunterladen ?")))
            opener.openUrl(downloadPage());
    } else {
        notifier.inform(QStringLiteral("Sie arbeiten mit der aktuellsten Version. Es wurden keine "
                                       "neuen Updates gefunden."));
    }
    return update;
}

QUrl LookupService::downloadPage() const
{
    return QUrl(m_makerAddress + kDownloadPath);
}

int LookupService::parse_list()
{
    return LookupProtocol::parse_list(m_reply, m_results);
}

QString LookupService::get_element(const QString& name) const
{
    return LookupProtocol::get_element(m_reply, name);
}

void LookupService::fill_details()
{
    m_details.clear();
    for (const QString& name : LookupProtocol::detail_element_names())
        m_details.insert(name, get_element(name));
}

void LookupService::setProxyHost(const QString& host)
{
    ProxySettings p = m_client.proxy();
    p.host = host;
    m_client.setProxy(p);
}

void LookupService::setProxyPort(int port)
{
    ProxySettings p = m_client.proxy();
    p.port = port;
    m_client.setProxy(p);
}

void LookupService::setProxyUser(const QString& user)
{
    ProxySettings p = m_client.proxy();
    p.user = user;
    m_client.setProxy(p);
}

void LookupService::setProxyPassword(const QString& password)
{
    ProxySettings p = m_client.proxy();
    p.password = password;
    m_client.setProxy(p);
}

void LookupService::setBasicAuth(bool on)
{
    ProxySettings p = m_client.proxy();
    p.basicAuth = on;
    m_client.setProxy(p);
}

} // namespace korvel::online
