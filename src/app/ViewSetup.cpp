#include "app/ViewSetup.h"

#include "app/ColumnVocabulary.h"

namespace korvel::app {

ViewSetup::ViewSetup(const QList<ListColumn>& shown)
{
    for (const QString& caption : ColumnVocabulary::captions())
        m_available.append({caption, 0});
    for (const ListColumn& c : shown) {
        if (c.caption == QStringLiteral("keines") || c.caption == QStringLiteral("keine"))
            continue;
        m_present.append(c);
        for (qsizetype i = 0; i < m_available.size(); ++i) {
            if (m_available[i].caption == c.caption) {
                m_available.removeAt(i);
                break;
            }
        }
        m_opened << c.caption;
    }
}

QStringList ViewSetup::captions(List which) const
{
    QStringList out;
    for (const ListColumn& c : list(which))
        out << c.caption;
    return out;
}

bool ViewSetup::canDrop(List from, int row, List to) const
{
    const QList<ListColumn>& source = list(from);
    if (row < 0 || row >= source.size())
        return false;
    if (to == List::Present)
        return true;
    const QString& caption = source[row].caption;
    return from == List::Present && caption != QStringLiteral("Titel") &&
           caption != QStringLiteral("Nummer");
}

bool ViewSetup::drop(List from, int row, List to, int beforeRow)
{
    if (!canDrop(from, row, to))
        return false;
    QList<ListColumn>& source = list(from);
    QList<ListColumn>& target = list(to);
    const ListColumn moved = source[row];
    // insert first, then remove the original, as the list controls do
    if (beforeRow < 0 || beforeRow > target.size())
        beforeRow = int(target.size());
    target.insert(beforeRow, moved);
    if (from == to && beforeRow <= row)
        ++row;
    source.removeAt(row);
    return true;
}

bool ViewSetup::changed() const
{
    return captions(List::Present) != m_opened;
}

QList<ListColumn> ViewSetup::columns() const
{
    QList<ListColumn> out;
    for (const ListColumn& c : m_present)
        out.append({c.caption, c.width == 0 ? kNewColumnWidth : c.width});
    return out;
}

} // namespace korvel::app
