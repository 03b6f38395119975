#include "entry/TrackRows.h"

namespace korvel::entry::TrackRows {

void removeDuplicates(QList<QStringList>& rows)
{
    for (int i = 0; i + 1 < rows.size(); ++i) {
        for (int j = int(rows.size()) - 1; j > i; --j) {
            if (rows[j].value(0) == rows[i].value(0) && rows[j].value(1) == rows[i].value(1))
                rows.removeAt(j);
        }
    }
}

QString hint(const QStringList& row)
{
    return row.value(0) + QLatin1Char('(') + row.value(1) + QLatin1Char(')');
}

} // namespace korvel::entry::TrackRows
