#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace korvel::app {

// The movie list's query: "select *from haupt" and an order clause line. These rules turn
// the saved sort into that line and back, and decide what a click on a column header does.
namespace ListQuery {

QString selectLine(); // "select *from haupt"
QString designOrderLine(); // "order by titel"

// The order line restored at start from SORTBY (as stored) and SORTORDER.
QString orderLineFromSettings(const QString& sortBy, const QString& sortOrder);

struct SavedSort
{
    QString sortBy;
    QString sortOrder; // "ASC" or "DESC"
};
// What shutdown saves from the query text (lines joined, each ended by CR LF); nothing when
// the text holds no "order by" or the sort key comes out empty.
std::optional<SavedSort> sortForSettings(const QString& queryText);

// The new order line after a click on the column whose catalog column is field. lines is
// the query as it stands (one line gets the design clause added first).
QString orderLineAfterClick(const QStringList& lines, const QString& field);

} // namespace ListQuery
} // namespace korvel::app
