#pragma once

#include <QSettings>
#include <QString>

namespace korvel::app {

// The program's settings key (on Windows the registry key of the organisation and program,
// elsewhere the matching configuration file). Every value is a string; an absent value
// reads as "". The names below are every value the program keeps.
class Settings
{
public:
    static inline const QString Database = QStringLiteral("Database");
    static inline const QString AnsichtSort = QStringLiteral("Ansicht_Sort");
    static inline const QString AnsichtSize = QStringLiteral("Ansicht_Size");
    static inline const QString DvdCheck = QStringLiteral("DVDCHECK");
    static inline const QString ExtActInfos = QStringLiteral("EXT_ACT_INFOS");
    static inline const QString SortBy = QStringLiteral("SORTBY");
    static inline const QString SortOrder = QStringLiteral("SORTORDER");
    static inline const QString CoverFolder = QStringLiteral("Coverordner");
    static inline const QString ProxyServer = QStringLiteral("Proxy_Server");
    static inline const QString ProxyPort = QStringLiteral("Proxy_Port");
    static inline const QString ProxyUsername = QStringLiteral("Proxy_Username");
    static inline const QString ProxyPassword = QStringLiteral("Proxy_Password");
    static inline const QString PrintDialogX = QStringLiteral("DRPRF_X");
    static inline const QString PrintDialogY = QStringLiteral("DRPRF_Y");

    static inline const QString Organization = QStringLiteral("Quarndesk");
    static inline const QString LegacyOrganization = QStringLiteral("Quarndsk");
    static inline const QString Application = QStringLiteral("DVD Korvel");

    Settings();

    QString text(const QString& name) const;
    void setText(const QString& name, const QString& value);
    void sync() { m_settings.sync(); }
    QSettings& raw() { return m_settings; }

    // Moves the settings of the old organisation name over when only those exist: every
    // value and subkey is copied and the old key deleted. When both exist nothing moves.
    // Returns whether something was moved.
    static bool migrateLegacyKey();
    static bool keyExists(const QString& organization);

private:
    QSettings m_settings;
};

} // namespace korvel::app
