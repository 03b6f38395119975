#pragma once

#include <QStringList>

namespace korvel::store {

class CatalogDatabase;

namespace CatalogSchema {

// The statements that give a connected, empty database the tables of a new catalog: seven
// tables (no genre list, no channel column: those come with the upgrade) and the default
// window geometry row.
QStringList emptyCatalogStatements();
void createEmptyCatalog(CatalogDatabase& db);

// A new file at path, ready for a new user: the empty catalog brought up to date by the
// schema upgrade (genre list and channels).
// Does nothing when a file exists there.
void createDefaultCatalogFile(const QString& path);

} // namespace CatalogSchema
} // namespace korvel::store
