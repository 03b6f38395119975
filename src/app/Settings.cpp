#include "app/Settings.h"

#include <QFile>

namespace korvel::app {

Settings::Settings() : m_settings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application)
{
}

QString Settings::text(const QString& name) const { return m_settings.value(name).toString(); }

void Settings::setText(const QString& name, const QString& value) { m_settings.setValue(name, value); }

bool Settings::keyExists(const QString& organization)
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organization, Application);
    if (!s.allKeys().isEmpty() || !s.childGroups().isEmpty())
        return true;
#ifndef Q_OS_WIN
    return QFile::exists(s.fileName());
#else
    return false;
#endif
}

bool Settings::migrateLegacyKey()
{
    if (!keyExists(LegacyOrganization) || keyExists(Organization))
        return false;
    QSettings legacy(QSettings::NativeFormat, QSettings::UserScope, LegacyOrganization, Application);
    QSettings current(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
    for (const QString& key : legacy.allKeys())
        current.setValue(key, legacy.value(key));
    current.sync();
    if (current.status() != QSettings::NoError)
        return false; // keep the old key rather than lose values
    legacy.clear();
    legacy.sync();
#ifndef Q_OS_WIN
    QFile::remove(legacy.fileName());
#endif
    return true;
}

} // namespace korvel::app
