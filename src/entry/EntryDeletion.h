#pragma once

#include <QList>

namespace korvel::store {
class CatalogStore;
class EntryNumbers;
} // namespace korvel::store

namespace korvel::entry {

// Deletes entries with their subtitle and audio rows, freeing their visible numbers. All of
// it is one transaction: a failure deletes nothing. The list query of haupt is put back.
void deleteEntries(store::CatalogStore& store, store::EntryNumbers& numbers, const QList<int>& keys);

} // namespace korvel::entry
