#pragma once

#include "app/ColumnLayout.h"

#include <QStringList>

namespace korvel::store {
class CatalogStore;
}

namespace korvel::app {

class Settings;

// What start-up found and restored, for the main window to apply.
struct StartupState
{
    bool failed = false; // no catalog could be opened: the program ends with exit code 1
    QString catalogPath;
    bool fromCommandLine = false;
    QList<ListColumn> columns; // the list's columns after the key column
    bool columnsFromSettings = false;
    bool discCheck = true;
    bool extendedActorInfos = false;
    QString coverFolder; // empty: none
};

namespace Startup {

// The settings part of start-up: migrates the old settings key, writes the default print
// profiles, chooses and opens the catalog, restores columns, options, sort (into the list
// query of the haupt component) and the cover folder.
StartupState open(Settings& settings, store::CatalogStore& store, const QStringList& arguments,
                  const QString& programDir);

// The settings part of shutdown: column layout, options and the sort read back from the
// list query. The caller saves the geometry and then releases the catalog.
void saveSettings(Settings& settings, const QList<ListColumn>& columns, bool discCheck,
                  bool extendedActorInfos, const QString& listQueryText);

// Disconnects and write-protects the catalog file again.
void releaseCatalog(store::CatalogStore& store);

QString profileFolder(const QString& programDir);

} // namespace Startup
} // namespace korvel::app
