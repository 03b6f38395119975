#include "support/ScriptedDialogs.h"

#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"
#include "support/TempCatalog.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace korvel::test {

ui::MessageBoxes::Button ScriptedBoxes::show(QWidget*, Kind kind, const QString& text, Buttons buttons)
{
    shown.append({kind, text, buttons});
    if (!answers.isEmpty())
        return answers.dequeue();
    for (Button b : {Ok, Yes, No, Cancel})
        if (buttons.testFlag(b))
            return b;
    return Ok;
}

QString ScriptedFiles::openFile(QWidget*, const QString& title, const QString&, const QString&)
{
    titles << title;
    return answers.isEmpty() ? QString() : answers.dequeue();
}

QString ScriptedFiles::saveFile(QWidget*, const QString& title, const QString&, const QString&)
{
    titles << title;
    return answers.isEmpty() ? QString() : answers.dequeue();
}

QString ScriptedFiles::chooseFolder(QWidget*, const QString& title, const QString&)
{
    titles << title;
    return answers.isEmpty() ? QString() : answers.dequeue();
}

bool RecordingDesktop::openUrl(const QUrl& url)
{
    urls << url;
    return succeed;
}

bool RecordingDesktop::startProgram(const QString& path)
{
    programs << path;
    return succeed;
}

TestEnvironment::TestEnvironment()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    m_settings = std::make_unique<app::Settings>();
    context.settings = m_settings.get();
    context.boxes = &boxes;
    context.files = &files;
    context.desktop = &desktop;
    context.programDir = m_programDir.path();
}

TestEnvironment::~TestEnvironment() = default;

QString TestEnvironment::makeCatalog(const QString& fileName, const QString& folder)
{
    const QString path = QDir(folder.isEmpty() ? m_programDir.path() : folder).filePath(fileName);
    QFile::remove(path);
    store::CatalogSchema::createDefaultCatalogFile(path);
    return path;
}

void TestEnvironment::addEntry(const QString& catalogPath, const QVariantMap& columns,
                               const QList<QStringList>& audio, const QList<QStringList>& subtitles)
{
    store::CatalogDatabase db;
    db.setPath(catalogPath);
    db.connect();
    store::Transaction t(db);
    testsupport::insertRow(db, QStringLiteral("haupt"), columns);
    const QVariant key = columns.value(QStringLiteral("nummer"));
    for (const QStringList& a : audio)
        testsupport::insertRow(db, QStringLiteral("sprachen"),
                               {{"nummer", key}, {"sprache", a.value(0)}, {"tonformat", a.value(1)}, {"kanaele", a.value(2)}});
    for (const QStringList& u : subtitles)
        testsupport::insertRow(db, QStringLiteral("untertitel"),
                               {{"nummer", key}, {"sprache", u.value(0)}, {"attribute", u.value(1)}});
    t.commit();
}

void TestEnvironment::clearSettings()
{
    m_settings.reset();
    for (const QString& org : {app::Settings::Organization, app::Settings::LegacyOrganization}) {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, org, app::Settings::Application);
        s.clear();
        s.sync();
        QFile::remove(s.fileName());
    }
    m_settings = std::make_unique<app::Settings>();
    context.settings = m_settings.get();
}

} // namespace korvel::test
