#pragma once

#include "online/HttpClient.h"
#include "online/LookupProtocol.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class QSettings;

namespace korvel::online {

// The update check's two messages. The program answers them with its message boxes, tests
// answer them directly.
class UpdateCheckNotifier
{
  public:
    virtual ~UpdateCheckNotifier() = default;
    // A confirmation with the information icon and the buttons "Ja" and "Nein"; returns
    // false only for "Nein".
    virtual bool confirm(const QString& text) = 0;
    // An information box with "OK".
    virtual void inform(const QString& text) = 0;
};

// Opens an address in the user's browser.
class DesktopOpener
{
  public:
    virtual ~DesktopOpener() = default;
    virtual void openUrl(const QUrl& url) = 0;
};

// The add dialog's fields as the upload sends them.
struct UploadFields
{
    QString titel;
    QString darsteller; // the reply's "Darsteller" value as fetched, not the cast field
    QString regie;
    QString musik;
    QString genre;
    QString jahr;
    QString laufzeit;
    int bildtyp = 0;    // item index, counted from 0
    int bildformat = 0; // item index, counted from 0
    QString beschreibung;
    QString buch;
    QString produzent;
    QString visuelleEffekte;
    QString kostueme;
    QString fsk;
    QString originaltitel;
    QString ean;
    QString region;
    QStringList dvdextras; // one line per extra
    QString medienzahl;    // the media count as typed
};

// The one home of every request to the partner DVD database and to our own web service
// (the moviebase): it holds the HTTP client with its proxy, the last reply, the parsed
// result list, the error flag and the source flag. Created once at start.
class LookupService
{
  public:
    // Settings value names.
    static const QString kProxyServer, kProxyPort, kProxyUsername, kProxyPassword;
    static const QString kPartnerAddress, kMakerAddress;
    // Service addresses used while the settings name none.
    static const QString kDefaultPartnerAddress, kDefaultMakerAddress;

    struct Timeouts
    {
        int normal = 12000;
        int upload = 2000;
        int updateCheck = 7000;
    };

    // Reads the proxy values and the service addresses once; the program passes its settings
    // (organization "Quarndesk", application "DVD Korvel"). A proxy port of 0 with a host
    // set leaves the port to curl (its default, or one written into the host text).
    explicit LookupService(QSettings& settings);

    // Error flag: cleared before each request, set when it failed.
    bool error() const { return m_error; }
    // Source flag: true when detail requests go to the partner, false for the moviebase.
    bool source() const { return m_source; }
    void setSource(bool partner) { m_source = partner; }

    // The reply buffer: the caller stores a request's reply here before parsing it.
    const QString& reply() const { return m_reply; }
    void setReply(const QString& reply) { m_reply = reply; }

    const QList<LookupCandidate>& results() const { return m_results; }
    void clearResults() { m_results.clear(); }

    // The detail record, one field per element name (filled by fill_details()).
    const QHash<QString, QString>& details() const { return m_details; }

    // Requests. Each returns the reply text (empty after a failure, see error()).
    QString search_partner(const QString& term);
    QString search_moviebase(const QString& term);
    QString get_details(const QString& id);
    void upload_to_moviebase(const UploadFields& fields);
    // Asks whether an update exists and tells the user; the download page opens in the
    // browser unless the user declines.
    UpdateReply check_updates(UpdateCheckNotifier& notifier, DesktopOpener& opener);

    // Reading the reply buffer.
    int parse_list();
    QString get_element(const QString& name) const;
    void fill_details();
    static QString decode_entities(const QString& text)
    {
        return LookupProtocol::decode_entities(text);
    }

    // The proxy as the proxy setup dialog sees and changes it.
    const ProxySettings& proxy() const { return m_client.proxy(); }
    void setProxyHost(const QString& host);
    void setProxyPort(int port);
    void setProxyUser(const QString& user);
    void setProxyPassword(const QString& password);
    void setBasicAuth(bool on);

    QString partnerAddress() const { return m_partnerAddress; }
    QString makerAddress() const { return m_makerAddress; }
    QUrl downloadPage() const;

    // For tests: shorter waits than the real ones.
    void setTimeouts(const Timeouts& timeouts);
    HttpClient& client() { return m_client; }

  private:
    QString post(const QString& address, const QString& path, const QStringList& items,
                 int timeoutMs);

    HttpClient m_client;
    Timeouts m_timeouts;
    QString m_partnerAddress;
    QString m_makerAddress;
    bool m_error = false;
    bool m_source = false;
    QString m_reply;
    QList<LookupCandidate> m_results;
    QHash<QString, QString> m_details;
};

} // namespace korvel::online
