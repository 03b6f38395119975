#include "entry/EntrySave.h"

#include "entry/EntryRules.h"
#include "store/CatalogDatabase.h"
#include "store/CatalogStore.h"
#include "store/EntryNumbers.h"
#include "store/StoreError.h"

#include <optional>

namespace korvel::entry {

namespace {
const QString kNummer = QStringLiteral("nummer");

QStringList oneEntry(const QString& table)
{
    return {QStringLiteral("select *from %1 where nummer = :nummer").arg(table)};
}

void requirePrice(const MovieEntry& entry)
{
    if (!EntryRules::storedPrice(entry.preis))
        throw store::StoreError(EntryRules::kPriceError);
}

void deleteAll(store::RecordSet& rs, const QString& table, int key)
{
    store::BorrowedQuery q(rs, oneEntry(table), {{kNummer, key}});
    while (!q->atEnd())
        q->remove();
}
} // namespace

bool titleExists(store::RecordSet& haupt, const QString& titel)
{
    store::BorrowedQuery q(haupt, {QStringLiteral("select *from haupt where titel = :titel")},
                           {{QStringLiteral("titel"), titel}});
    return !q->atEnd();
}

void saveNewEntry(store::CatalogStore& store, store::EntryNumbers& numbers, const MovieEntry& entry,
                  int key, const QDate& today, const ThumbnailMaker& thumbnail)
{
    requirePrice(entry);
    store::Transaction t(store.database());
    {
        store::BorrowedQuery h(store.haupt(), oneEntry(QStringLiteral("haupt")), {{kNummer, key}});
        h->append();
        const SaveOutcome out = writeEntry(entry, *h, {SaveOptions::Mode::Add, key, today, false});
        if (out.makeThumbnail && thumbnail) {
            const QByteArray bytes = thumbnail(entry.cover);
            if (!bytes.isEmpty())
                h->writePicture(QStringLiteral("cover_thumb"), bytes);
        }
        if (!entry.audio.isEmpty())
            writeAudioTracks(store.sprachen(), key, entry.audio);
        if (!entry.subtitles.isEmpty())
            writeSubtitleTracks(store.untertitel(), key, entry.subtitles);
        h->post();
    }
    t.commit();
    if (const auto n = entry.visibleNumber())
        numbers.addnumber(*n);
}

void saveEditedEntry(store::CatalogStore& store, store::EntryNumbers& numbers,
                     const MovieEntry& entry, int key, int oldVisibleNumber, bool coverChanged,
                     const ThumbnailMaker& thumbnail)
{
    requirePrice(entry);
    store::Transaction t(store.database());
    {
        store::BorrowedQuery h(store.haupt(), oneEntry(QStringLiteral("haupt")), {{kNummer, key}});
        h->edit();
        const SaveOutcome out =
            writeEntry(entry, *h, {SaveOptions::Mode::Edit, key, {}, coverChanged});
        if (out.makeThumbnail)
            h->writePicture(QStringLiteral("cover_thumb"),
                            thumbnail ? thumbnail(entry.cover) : QByteArray());
        h->post();
    }
    writeAudioTracks(store.sprachen(), key, entry.audio);
    writeSubtitleTracks(store.untertitel(), key, entry.subtitles);
    t.commit();
    numbers.deletenumber(oldVisibleNumber);
    if (const auto n = entry.visibleNumber())
        numbers.addnumber(*n);
}

void deleteEntries(store::CatalogStore& store, store::EntryNumbers& numbers, const QList<int>& keys)
{
    QList<int> freed;
    store::Transaction t(store.database());
    for (int key : keys) {
        deleteAll(store.untertitel(), QStringLiteral("untertitel"), key);
        deleteAll(store.sprachen(), QStringLiteral("sprachen"), key);
        store::BorrowedQuery h(store.haupt(), oneEntry(QStringLiteral("haupt")), {{kNummer, key}});
        if (!h->atEnd()) {
            if (const auto n = EntryRules::toWholeNumber(h->text(QStringLiteral("visiblenr"))))
                freed << *n;
            h->remove();
        }
    }
    t.commit();
    for (int n : freed)
        numbers.deletenumber(n);
}

} // namespace korvel::entry
