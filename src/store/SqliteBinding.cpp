#include "store/SqliteBinding.h"

#include <sqlite3.h>

namespace korvel::store {

QString dateToStored(const QDateTime& dt)
{
    return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime dateFromStored(const QString& text)
{
    // hand-parsed: QDateTime::fromString costs tens of microseconds, too much for list fills
    const auto num = [&](int from, int len, int& out) {
        if (text.size() < from + len)
            return false;
        int v = 0;
        for (int i = from; i < from + len; ++i) {
            const QChar c = text[i];
            if (!c.isDigit())
                return false;
            v = v * 10 + c.digitValue();
        }
        out = v;
        return true;
    };
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    if (!num(0, 4, y) || !num(5, 2, mo) || !num(8, 2, d))
        return {};
    if (text.size() >= 19 && !(num(11, 2, h) && num(14, 2, mi) && num(17, 2, s)))
        h = mi = s = 0;
    const QDate date(y, mo, d);
    if (!date.isValid())
        return {};
    return QDateTime(date, QTime(h, mi, s));
}

QString displayDate(const QString& stored)
{
    // plain character moves: building QDateTime values costs microseconds each
    const auto digitsAt = [&](std::initializer_list<int> pos) {
        for (int p : pos)
            if (p >= stored.size() || !stored[p].isDigit())
                return false;
        return true;
    };
    if (stored.size() < 10 || !digitsAt({0, 1, 2, 3, 5, 6, 8, 9}) || stored[4] != u'-'
        || stored[7] != u'-')
        return stored;
    QString out = stored.mid(8, 2) + QLatin1Char('.') + stored.mid(5, 2) + QLatin1Char('.')
                  + stored.left(4);
    if (stored.size() >= 19 && stored.mid(11, 8) != QLatin1String("00:00:00"))
        out += QLatin1Char(' ') + stored.mid(11, 8);
    return out;
}

void bindValue(sqlite3_stmt* st, int index, const QVariant& value)
{
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(st, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        sqlite3_bind_int64(st, index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(st, index, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray b = value.toByteArray();
        sqlite3_bind_blob64(st, index, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
        break;
    }
    case QMetaType::QDate:
        sqlite3_bind_text(st, index,
                          dateToStored(value.toDate().startOfDay()).toUtf8().constData(), -1,
                          SQLITE_TRANSIENT);
        break;
    case QMetaType::QDateTime:
        sqlite3_bind_text(st, index, dateToStored(value.toDateTime()).toUtf8().constData(), -1,
                          SQLITE_TRANSIENT);
        break;
    default: {
        const QByteArray t = value.toString().toUtf8();
        sqlite3_bind_text64(st, index, t.constData(), sqlite3_uint64(t.size()), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
        break;
    }
    }
}

QVariant columnValue(sqlite3_stmt* st, int index)
{
    switch (sqlite3_column_type(st, index)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(st, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(st, index));
    case SQLITE_BLOB: {
        const void* p = sqlite3_column_blob(st, index);
        return QVariant(QByteArray(static_cast<const char*>(p), sqlite3_column_bytes(st, index)));
    }
    default: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, index));
        return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(st, index)));
    }
    }
}

} // namespace korvel::store
