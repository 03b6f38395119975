#pragma once

#include <QList>
#include <QString>

namespace korvel::app {

struct ListColumn
{
    QString caption;
    int width = 0;
    bool operator==(const ListColumn&) const = default;
};

// The movie list's columns after the hidden key column, as kept in Ansicht_Sort (captions)
// and Ansicht_Size (widths), every item followed by ",".
namespace ColumnLayout {

constexpr int kDefaultWidth = 150;

// Items end at the next ","; a last item without "," counts too. A width that is missing or
// not a number gives the default width. Captions the list does not know are left out, so a
// damaged value cannot make every fill fail.
QList<ListColumn> parse(const QString& sortValue, const QString& sizeValue);

struct Values
{
    QString sort;
    QString size;
};
Values serialize(const QList<ListColumn>& columns);

} // namespace ColumnLayout
} // namespace korvel::app
