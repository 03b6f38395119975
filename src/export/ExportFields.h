#pragma once

#include <QString>
#include <QStringList>

namespace korvel::exporting {

// The fields the spreadsheet export offers, the column of haupt each reads and how a value
// is written.
namespace ExportFields {

// The 31 captions in the order the export dialog offers them at first.
const QStringList& captions();
// The same after a profile was loaded: "Beschreibung" comes before "Regie".
const QStringList& captionsAfterProfile();

// The column of haupt a caption reads, as the movie list maps its captions; a caption the
// mapping does not name is the column name itself (matched without regard to case).
QString column(const QString& caption);

// The written text of a column's text. Coded values are translated through the domain
// lists; an index that names no list entry is written as stored.
QString formatValue(const QString& caption, const QString& text);

// Whether the text as a whole is an integer (leading blanks and a sign allowed).
bool isInteger(const QString& text, int* value = nullptr);

} // namespace ExportFields
} // namespace korvel::exporting
