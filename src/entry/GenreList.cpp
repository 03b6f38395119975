#include "entry/GenreList.h"

#include "store/CatalogDatabase.h"
#include "store/RecordSet.h"

namespace korvel::entry::GenreList {

namespace {
const QStringList kByName = {QStringLiteral("select *from genres where genre_name = :name")};
}

QString existsText(const QString& name)
{
    return QStringLiteral("Der Bezeichner \"") + name +
           QStringLiteral("\" existiert bereits in der Liste.");
}

QStringList names(store::RecordSet& genres)
{
    store::BorrowedQuery q(genres, {QStringLiteral("select *from genres order by genre_name")});
    QStringList out;
    for (; !q->atEnd(); q->next())
        out << q->text(QStringLiteral("genre_name"));
    return out;
}

QString add(store::RecordSet& genres, const QString& name)
{
    // Compared as it will be stored: a longer name would otherwise never be found again
    // and could be added over and over.
    const QString stored = name.left(NameLength);
    store::BorrowedQuery q(genres, kByName, {{QStringLiteral("name"), stored}});
    if (!q->atEnd())
        return {};
    q->append();
    q->setText(QStringLiteral("genre_name"), stored);
    q->post();
    return stored;
}

void remove(store::RecordSet& genres, const QStringList& names)
{
    store::Transaction tx(genres.database());
    for (const QString& name : names) {
        store::BorrowedQuery q(genres, kByName, {{QStringLiteral("name"), name}});
        if (!q->atEnd())
            q->remove();
    }
    tx.commit();
}

} // namespace korvel::entry::GenreList
