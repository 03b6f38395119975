#include "app/ColumnLayout.h"

#include "app/ColumnVocabulary.h"

#include <QStringList>

namespace korvel::app::ColumnLayout {

namespace {
QStringList items(const QString& value)
{
    QStringList out = value.split(QLatin1Char(','));
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}
} // namespace

QList<ListColumn> parse(const QString& sortValue, const QString& sizeValue)
{
    const QStringList captions = items(sortValue);
    const QStringList widths = items(sizeValue);
    QList<ListColumn> columns;
    for (int i = 0; i < captions.size(); ++i) {
        if (!ColumnVocabulary::captions().contains(captions[i]))
            continue;
        bool ok = false;
        const int w = i < widths.size() ? widths[i].trimmed().toInt(&ok) : 0;
        columns.append({captions[i], ok && w >= 0 ? w : kDefaultWidth});
    }
    return columns;
}

Values serialize(const QList<ListColumn>& columns)
{
    Values v;
    for (const ListColumn& c : columns) {
        v.sort += c.caption + QLatin1Char(',');
        v.size += QString::number(c.width) + QLatin1Char(',');
    }
    return v;
}

} // namespace korvel::app::ColumnLayout
