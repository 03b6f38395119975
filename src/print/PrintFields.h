#pragma once

#include <QString>
#include <QStringList>

namespace korvel::print {

// The captions a print profile may name, the column of haupt each reads, its heading on
// paper and how its value is printed.
namespace PrintFields {

// The 27 captions in the editor's (sorted) order.
const QStringList& captions();
bool isCaption(const QString& caption);

// The column of haupt the caption reads ("Effekte" -> "visuelle_effekte"); an unknown
// caption is returned unchanged, to be matched without regard to case.
QString column(const QString& caption);

// The column heading: the caption, except "Darsteller Ext", headed "Darsteller".
QString heading(const QString& caption);

// The printed text of a stored value (the column read as text).
QString printedText(const QString& caption, const QString& stored);

// Every part in parentheses removed together with them; a "(" without ")" goes alone.
QString withoutParenthesised(const QString& text);

} // namespace PrintFields
} // namespace korvel::print
