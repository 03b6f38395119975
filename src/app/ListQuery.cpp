#include "app/ListQuery.h"

namespace korvel::app::ListQuery {

namespace {
const QString kDarsteller = QStringLiteral("Darsteller");

// Trims blanks and control characters at both ends.
QString trimmed(const QString& s)
{
    int b = 0, e = int(s.size());
    while (b < e && s[b].unicode() <= 32)
        ++b;
    while (e > b && s[e - 1].unicode() <= 32)
        --e;
    return s.mid(b, e - b);
}

QString key(const QString& field)
{
    return field == kDarsteller ? QStringLiteral("trim(") + field + QLatin1Char(')') : field;
}

// The sort column named by an order text ("titel", "genre DESC, titel DESC", "trim(x),titel").
QString sortColumnOf(const QString& order)
{
    QString s = order.section(QLatin1Char(','), 0, 0).trimmed();
    const int t = s.indexOf(QLatin1String("trim"));
    if (t >= 0)
        s = s.mid(t + 5).section(QLatin1Char(')'), 0, 0).trimmed();
    return s;
}
} // namespace

QString selectLine() { return QStringLiteral("select *from haupt"); }
QString designOrderLine() { return QStringLiteral("order by titel"); }

QString orderLineFromSettings(const QString& sortBy, const QString& sortOrder)
{
    const bool descending = !sortOrder.isEmpty() && sortOrder != QLatin1String("ASC");
    if (descending)
        return QStringLiteral("order by ") + key(sortBy) + QStringLiteral(" DESC, titel DESC");
    return QStringLiteral("order by ") + key(sortBy) + QStringLiteral(", titel");
}

std::optional<SavedSort> sortForSettings(const QString& queryText)
{
    const int at = queryText.indexOf(QLatin1String("order by"));
    if (at < 0)
        return std::nullopt;
    QString order = QStringLiteral("ASC");
    QString s = queryText.mid(at + 9);
    const int blank = s.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        order = s.indexOf(QLatin1String("DESC")) == blank + 1 ? QStringLiteral("DESC")
                                                              : QStringLiteral("ASC");
        s = s.left(blank);
    }
    s = trimmed(s);
    if (s.contains(QLatin1Char(',')))
        s = s.section(QLatin1Char(','), 0, 0);
    const int t = s.indexOf(QLatin1String("trim"));
    if (t >= 0)
        s = trimmed(trimmed(s.mid(t + 5)).section(QLatin1Char(')'), 0, 0));
    if (s.isEmpty())
        return std::nullopt;
    return SavedSort{s, order};
}

QString orderLineAfterClick(const QStringList& lines, const QString& field)
{
    QStringList query = lines;
    if (query.size() == 1)
        query << designOrderLine();
    const QString text = query.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const int at = text.indexOf(QLatin1String("order by"));
    const QString order = at >= 0 ? text.mid(at + 9).trimmed() : QString();
    // a clause without a secondary key counts as sorted by the clicked column
    bool current = true;
    if (lines.size() >= 2 && order.contains(QLatin1Char(',')))
        current = sortColumnOf(order) == field;
    const bool ascending = !order.contains(QLatin1String("DESC"));
    if (ascending && current)
        return QStringLiteral("order by ") + key(field) + QStringLiteral(" DESC, titel DESC");
    return QStringLiteral("order by ") + key(field) + QStringLiteral(",titel");
}

} // namespace korvel::app::ListQuery
