#include "app/Startup.h"

#include "app/CatalogChoice.h"
#include "app/ColumnVocabulary.h"
#include "app/ListQuery.h"
#include "app/Settings.h"
#include "export/StandardTemplates.h"
#include "print/DefaultProfiles.h"
#include "store/CatalogStore.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFileInfo>

namespace korvel::app::Startup {

QString profileFolder(const QString& programDir)
{
    return QDir(programDir).filePath(QStringLiteral("Druckprofile"));
}

StartupState open(Settings& settings, store::CatalogStore& store, const QStringList& arguments,
                  const QString& programDir)
{
    StartupState state;
    Settings::migrateLegacyKey();
    print::DefaultProfiles::writeTo(profileFolder(programDir));
    // the standard template set, where a user has not got it (never over a user's file)
    exporting::StandardTemplates::install(QDir(programDir).filePath(QStringLiteral("Templates")));

    const CatalogChoice choice = chooseCatalog(settings.text(Settings::Database), arguments, programDir);
    state.catalogPath = choice.path;
    state.fromCommandLine = choice.fromCommandLine;
    if (!QFileInfo(choice.path).isFile()) {
        state.failed = true;
        return state;
    }
    setCatalogWritable(choice.path, true);
    store.database().setPath(choice.path);
    try {
        store.database().connect();
    } catch (const store::StoreError&) {
        setCatalogWritable(choice.path, false);
        state.failed = true;
        return state;
    }
    if (!choice.fromCommandLine)
        settings.setText(Settings::Database, choice.path);

    const QString sortValue = settings.text(Settings::AnsichtSort);
    if (!sortValue.isEmpty()) {
        state.columns = ColumnLayout::parse(sortValue, settings.text(Settings::AnsichtSize));
        state.columnsFromSettings = true;
    } else {
        for (const auto& c : ColumnVocabulary::designColumns())
            state.columns.append({c.caption, c.width});
    }

    state.discCheck = settings.text(Settings::DvdCheck) != QLatin1String("0");
    const QString ext = settings.text(Settings::ExtActInfos);
    state.extendedActorInfos = !ext.isEmpty() && ext != QLatin1String("0");

    const QString sortBy = settings.text(Settings::SortBy);
    if (!sortBy.isEmpty()) {
        for (const ListColumn& c : state.columns) {
            if (ColumnVocabulary::getdbfieldname(c.caption).compare(sortBy, Qt::CaseInsensitive) == 0) {
                store.haupt().setSql({ListQuery::selectLine(),
                                      ListQuery::orderLineFromSettings(
                                          sortBy, settings.text(Settings::SortOrder))});
                break;
            }
        }
    }

    const QString cover = settings.text(Settings::CoverFolder);
    if (!cover.isEmpty() && QFileInfo(cover).isDir())
        state.coverFolder = cover;
    return state;
}

void saveSettings(Settings& settings, const QList<ListColumn>& columns, bool discCheck,
                  bool extendedActorInfos, const QString& listQueryText)
{
    const ColumnLayout::Values layout = ColumnLayout::serialize(columns);
    settings.setText(Settings::AnsichtSort, layout.sort);
    settings.setText(Settings::AnsichtSize, layout.size);
    settings.setText(Settings::DvdCheck, discCheck ? QStringLiteral("1") : QStringLiteral("0"));
    settings.setText(Settings::ExtActInfos, extendedActorInfos ? QStringLiteral("1") : QStringLiteral("0"));
    if (const auto sort = ListQuery::sortForSettings(listQueryText)) {
        settings.setText(Settings::SortBy, sort->sortBy);
        settings.setText(Settings::SortOrder, sort->sortOrder);
    }
    settings.sync();
}

void releaseCatalog(store::CatalogStore& store)
{
    const QString path = store.database().path();
    store.database().disconnect();
    setCatalogWritable(path, false);
}

} // namespace korvel::app::Startup
