#pragma once

#include "entry/MovieEntry.h"

#include <QByteArray>
#include <QDate>
#include <QList>

#include <functional>

namespace korvel::store {
class CatalogStore;
class EntryNumbers;
class RecordSet;
} // namespace korvel::store

namespace korvel::entry {

// Makes the cover thumbnail (JPEG bytes) of a picture file; empty bytes when it cannot.
using ThumbnailMaker = std::function<QByteArray(const QString& picturePath)>;

// The add dialog's duplicate test: whether an entry with this title exists, by the engine's
// text equality (case-insensitive, German). The title is bound as a value, so a title with
// quote characters is tested like any other. The list query of haupt is put back.
bool titleExists(store::RecordSet& haupt, const QString& titel);

// The add dialog's save: the haupt record with the given key (and today as eingabedatum),
// then its audio and subtitle rows, in one transaction; afterwards the visible number is
// registered. A price that is no price fails with a StoreError carrying the price message,
// before anything is written or registered.
void saveNewEntry(store::CatalogStore& store, store::EntryNumbers& numbers, const MovieEntry& entry,
                  int key, const QDate& today, const ThumbnailMaker& thumbnail = {});

// The edit dialog's save: updates the entry's haupt record (nummer and eingabedatum stay),
// writes cover and thumbnail only when coverChanged, and replaces its audio and subtitle
// rows, in one transaction; then frees the old visible number and registers the new one
// (also when they are equal).
void saveEditedEntry(store::CatalogStore& store, store::EntryNumbers& numbers,
                     const MovieEntry& entry, int key, int oldVisibleNumber, bool coverChanged,
                     const ThumbnailMaker& thumbnail = {});

// The delete command's catalog part: for each key its subtitle rows, its audio rows and its
// entry, in one transaction; then the visible numbers of the deleted entries are freed.
void deleteEntries(store::CatalogStore& store, store::EntryNumbers& numbers,
                   const QList<int>& keys);

} // namespace korvel::entry
