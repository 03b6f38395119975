#include "entry/EntryDeletion.h"

#include "store/CatalogStore.h"
#include "store/EntryNumbers.h"

namespace korvel::entry {

void deleteEntries(store::CatalogStore& store, store::EntryNumbers& numbers, const QList<int>& keys)
{
    store.haupt().close();
    store.sprachen().close();
    store.untertitel().close();
    QList<int> freed;
    store::Transaction t(store.database());
    for (int key : keys) {
        const QVariantMap p{{QStringLiteral("nummer"), key}};
        store.database().execute(QStringLiteral("delete from untertitel where nummer = :nummer"), p);
        store.database().execute(QStringLiteral("delete from sprachen where nummer = :nummer"), p);
        store::BorrowedQuery q(store.haupt(), {QStringLiteral("select *from haupt where nummer = :nummer")}, p);
        while (!q->atEnd()) {
            if (!q->isNull(QStringLiteral("visiblenr")))
                freed << int(q->integer(QStringLiteral("visiblenr")));
            q->remove();
        }
    }
    t.commit();
    for (int n : freed)
        numbers.deletenumber(n);
}

} // namespace korvel::entry
