#pragma once

#include <QDateTime>
#include <QVariant>

struct sqlite3_stmt;

namespace korvel::store {

// Dates are stored as ISO text ("2026-12-11 00:00:00"), readable by any SQLite tool.
QString dateToStored(const QDateTime& dt);
QDateTime dateFromStored(const QString& text);
// The program's short date form of a stored date, "11.12.2026" (with " HH:mm:ss" when the
// time is not midnight); other texts come back unchanged.
QString displayDate(const QString& stored);

void bindValue(sqlite3_stmt* st, int index, const QVariant& value);
// The column of the current row as a QVariant (null, qint64, double, QString or QByteArray).
QVariant columnValue(sqlite3_stmt* st, int index);

} // namespace korvel::store
