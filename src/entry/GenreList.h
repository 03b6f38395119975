#pragma once

#include <QString>
#include <QStringList>

namespace korvel::store {
class RecordSet;
}

namespace korvel::entry::GenreList {

constexpr int NameLength = 40;

// The message when a name is in the table already.
QString existsText(const QString& name);

// The names of the genres table in the catalog's text order.
QStringList names(store::RecordSet& genres);

// Adds the name unless the table holds it already (by the catalog's text comparison, so
// "drama" finds "Drama"). A name longer than the column is taken cut to the column's
// width, as it would be stored. Returns the name as stored, or an empty string when it was
// there already. Quotes and other characters go in as typed.
QString add(store::RecordSet& genres, const QString& name);

// Deletes one record for each name, if any.
void remove(store::RecordSet& genres, const QStringList& names);

} // namespace korvel::entry::GenreList
