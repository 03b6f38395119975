#pragma once

#include <QString>
#include <QStringList>

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

} // namespace ColumnVocabulary
} // namespace korvel::app
