#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

namespace korvel::app {

// The captions a movie-list column can have and the catalog column behind each. Printing
// and export use the same captions.
namespace ColumnVocabulary {

// The captions in the order the view setup offers them.
const QStringList& captions();
// The design columns used when the settings hold no column layout, with their widths.
struct DesignColumn
{
    QString caption;
    int width;
};
const QList<DesignColumn>& designColumns();

// Caption to catalog column name; captions that name their column are returned unchanged
// (the engine matches them without regard to case). Comparisons are exact.
QString getdbfieldname(const QString& caption);

// The position of the first of the shown columns (the columns after the hidden key column)
// whose caption equals caption without regard to case, or -1. This is the cell's index among
// a row's cells.
int getfieldpos(const QStringList& shownCaptions, const QString& caption);

// What a column's cells need beyond the stored text; one value per caption with a rule.
enum class CellKind
{
    Plain,
    Spieldauer,
    Fsk,
    Region,
    Preis,
    Wertung,
    Medientyp,
    Mastering,
    Bildformat,
    Bildtyp,
    Medienanzahl
};
CellKind cellKindOf(const QString& caption);

// correct_overview: the display of a coded field's text in the column of that caption.
// Texts that a numeric rule cannot read, or whose number names no item, stay unchanged.
QString correctOverview(CellKind kind, const QString& cell);
QString correctOverview(const QString& caption, const QString& cell);

// A movie-list cell from the field's text: correct_overview, then the list's own rules:
// running time " min." when not empty, the rating's item text (an empty rating counts as 0),
// and the price with two decimals and " €" (an empty, i.e. NULL, price shows "0.00 €").
QString listCell(CellKind kind, QString fieldText);
QString listCell(const QString& caption, const QString& fieldText);

// Whether correct_overview centres a column of that caption.
bool isCentred(const QString& caption);
// The alignment of the shown column at index (0 is the first column after the key column):
// centred captions are centred, others left-justified; the first shown column is always
// left-justified, and the last one right-justified if it is "Nummer", else left-justified.
Qt::Alignment columnAlignment(const QStringList& shownCaptions, int index);

} // namespace ColumnVocabulary
} // namespace korvel::app
