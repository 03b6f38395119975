#include "store/RecordSet.h"

#include "store/CatalogDatabase.h"
#include "store/SqliteBinding.h"
#include "store/StoreError.h"

#include <QRegularExpression>

#include <sqlite3.h>

namespace korvel::store {

namespace {
const QString kRowId = QStringLiteral("__korvel_rowid");

void bindAll(sqlite3_stmt* st, const QVariantMap& params)
{
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        QString key = it.key();
        if (!key.startsWith(QLatin1Char(':')))
            key.prepend(QLatin1Char(':'));
        const int idx = sqlite3_bind_parameter_index(st, key.toUtf8().constData());
        if (idx > 0)
            bindValue(st, idx, it.value());
    }
}

// Walks SQL text; a character is at the top level when it is outside quotes and parentheses.
struct SqlScanner
{
    int depth = 0;
    QChar quote;
    bool topLevel(QChar c)
    {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            return false;
        }
        if (c == u'\'' || c == u'"' || c == u'[') {
            quote = c == u'[' ? QChar(u']') : c;
            return false;
        }
        if (c == u'(' || c == u')') {
            depth += c == u'(' ? 1 : -1;
            return false;
        }
        return depth == 0;
    }
};

// The order clause of a select with every sort key given the catalog's text collation
// explicitly: "order by trim(x) DESC, titel" becomes "order by trim(x) COLLATE KORVEL_TEXT
// DESC, titel COLLATE KORVEL_TEXT". Numbers are not affected by a collation. Clauses the
// program does not write (with LIMIT, or naming a collation already) stay as they are.
QString withTextCollation(const QString& sql)
{
    static const QRegularExpression orderBy(QStringLiteral(R"(\Gorder\s+by\b)"),
                                            QRegularExpression::CaseInsensitiveOption);
    qsizetype termsAt = -1; // after the last top-level "order by"
    SqlScanner scan;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!scan.topLevel(c) || (c != u'o' && c != u'O'))
            continue;
        if (i > 0 && (sql[i - 1].isLetterOrNumber() || sql[i - 1] == u'_'))
            continue;
        const auto m = orderBy.match(sql, i);
        if (m.hasMatch())
            termsAt = m.capturedEnd();
    }
    if (termsAt < 0)
        return sql;
    const QString tail = sql.mid(termsAt);
    static const QRegularExpression untouched(QStringLiteral(R"(\b(limit|offset|collate)\b)"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (tail.contains(untouched))
        return sql;

    QStringList terms; // the keys, split at top-level commas
    qsizetype start = 0;
    scan = SqlScanner();
    for (qsizetype i = 0; i < tail.size(); ++i) {
        if (scan.topLevel(tail[i]) && tail[i] == u',') {
            terms << tail.mid(start, i - start);
            start = i + 1;
        }
    }
    terms << tail.mid(start);

    static const QRegularExpression direction(
        QStringLiteral(R"(^(.*?)(\s+(?:asc|desc))?$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QStringList keys;
    for (const QString& term : terms) {
        const QString t = term.trimmed();
        if (t.isEmpty())
            return sql; // not a clause we understand; let the engine judge it
        const auto m = direction.match(t);
        keys << m.captured(1) + QStringLiteral(" COLLATE ") + QLatin1String(kTextCollation) +
                    m.captured(2);
    }
    return sql.left(termsAt) + QLatin1Char(' ') + keys.join(QStringLiteral(", "));
}
} // namespace

RecordSet::RecordSet(CatalogDatabase& db, const QString& name, const QStringList& designSql)
    : m_db(db), m_name(name), m_sql(designSql)
{
    m_db.attach(this);
}

RecordSet::~RecordSet()
{
    close();
    m_db.detach(this);
}

void RecordSet::setSql(const QStringList& lines) { m_sql = lines; }
void RecordSet::clearSql() { m_sql.clear(); }
void RecordSet::addSql(const QString& line) { m_sql << line; }

void RecordSet::setSqlLine(int index, const QString& line)
{
    while (m_sql.size() <= index)
        m_sql << QString();
    m_sql[index] = line;
}

QString RecordSet::sqlText() const
{
    QString text;
    for (const QString& line : m_sql)
        text += line + QStringLiteral("\r\n");
    return text;
}

void RecordSet::bind(const QString& name, const QVariant& value) { m_params[name] = value; }

QString RecordSet::translatedSql() const
{
    // "select *from t ..." over one table gets the row id in front, which makes it updatable.
    static const QRegularExpression plain(
        QStringLiteral(R"(^\s*select\s*\*\s*from\s+(\w+)(\s.*)?$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QString text = sqlText();
    const auto m = plain.match(text);
    if (m.hasMatch()) {
        const QString rest = m.captured(2);
        static const QRegularExpression joins(QStringLiteral(R"(\bjoin\b|^\s*,)"),
                                              QRegularExpression::CaseInsensitiveOption);
        if (!rest.contains(joins))
            return withTextCollation(
                QStringLiteral("select rowid as %1, * from %2%3").arg(kRowId, m.captured(1), rest));
    }
    return withTextCollation(text);
}

void RecordSet::open()
{
    close();
    if (!m_db.isConnected())
        throw StoreError(QStringLiteral("Keine Verbindung zur Datenbank."));
    const QByteArray sql = translatedSql().toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db.handle(), sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
        m_db.throwError(sqlText());
    bindAll(st, m_params);
    m_stmt = st;
    m_preparedText = sqlText();
    m_names.clear();
    m_types.clear();
    const int n = sqlite3_column_count(st);
    m_first = (n > 0 && QString::fromUtf8(sqlite3_column_name(st, 0)) == kRowId) ? 1 : 0;
    m_table.clear();
    if (m_first == 1) {
        static const QRegularExpression from(QStringLiteral(R"(from\s+(\w+))"),
                                             QRegularExpression::CaseInsensitiveOption);
        m_table = from.match(QString::fromUtf8(sql)).captured(1);
    }
    for (int i = 0; i < n; ++i) {
        m_names << QString::fromUtf8(sqlite3_column_name(st, i));
        const char* decl = sqlite3_column_decltype(st, i);
        m_types << ColumnType::parse(decl ? QString::fromUtf8(decl) : QString());
    }
    m_count = -1;
    m_mode = Mode::Browse;
    m_overlay.reset();
    step();
}

void RecordSet::requery()
{
    if (!m_stmt || m_preparedText != sqlText()) {
        open();
        return;
    }
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    bindAll(m_stmt, m_params);
    m_count = -1;
    step();
}

void RecordSet::close()
{
    if (m_write) {
        sqlite3_finalize(m_write);
        m_write = nullptr;
        m_writeSql.clear();
    }
    if (m_stmt) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
    m_atEnd = true;
    m_mode = Mode::Browse;
    m_overlay.reset();
}

void RecordSet::requireOpen() const
{
    if (!m_stmt)
        throw StoreError(QStringLiteral("Die Abfrage \"%1\" ist nicht geöffnet.").arg(m_name));
}

void RecordSet::requireCurrent() const
{
    requireOpen();
    if (m_atEnd && m_mode != Mode::Append)
        throw StoreError(QStringLiteral("Kein aktueller Datensatz."));
}

void RecordSet::step()
{
    m_overlay.reset();
    m_mode = Mode::Browse;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        m_atEnd = false;
    } else {
        m_atEnd = true;
        if (rc != SQLITE_DONE)
            m_db.throwError(sqlText());
    }
}

void RecordSet::first()
{
    requireOpen();
    sqlite3_reset(m_stmt);
    step();
}

void RecordSet::next()
{
    requireCurrent();
    step();
}

void RecordSet::last()
{
    const int n = recordCount();
    sqlite3_reset(m_stmt);
    m_atEnd = true;
    for (int i = 0; i < n; ++i) {
        step();
        if (m_atEnd)
            break;
    }
}

bool RecordSet::atEnd() const { return !m_stmt || m_atEnd; }

int RecordSet::recordCount()
{
    requireOpen();
    if (m_count >= 0)
        return m_count;
    QString inner = sqlText();
    const QByteArray sql = (QStringLiteral("select count(*) from (") + inner + QStringLiteral(")")).toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db.handle(), sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
        m_db.throwError(inner);
    bindAll(st, m_params);
    m_count = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 0;
    sqlite3_finalize(st);
    return m_count;
}

int RecordSet::fieldIndex(const QString& column) const
{
    requireOpen();
    for (int i = m_first; i < m_names.size(); ++i)
        if (m_names[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    throw StoreError(QStringLiteral("Die Spalte \"%1\" ist in der Abfrage \"%2\" nicht vorhanden.")
                         .arg(column, m_name));
}

bool RecordSet::hasColumn(const QString& column) const
{
    requireOpen();
    for (int i = m_first; i < m_names.size(); ++i)
        if (m_names[i].compare(column, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList RecordSet::columnNames() const
{
    requireOpen();
    return m_names.mid(m_first);
}

bool RecordSet::isShortText(const QString& column) const
{
    return m_types[fieldIndex(column)].kind == ColumnType::ShortText;
}

bool RecordSet::isLongText(const QString& column) const
{
    return m_types[fieldIndex(column)].kind == ColumnType::LongText;
}

QVariant RecordSet::current(int index) const
{
    if (m_mode != Mode::Browse)
        return m_buffer[index];
    if (m_overlay)
        return (*m_overlay)[index];
    if (m_atEnd)
        throw StoreError(QStringLiteral("Kein aktueller Datensatz."));
    return columnValue(m_stmt, index);
}

QString RecordSet::textOf(int index, const QVariant& v) const
{
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::QByteArray:
        return {};
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 15);
    default:
        break;
    }
    if (m_types[index].kind == ColumnType::Date)
        return displayDate(v.toString());
    return v.toString();
}

QString RecordSet::text(int index) const
{
    requireCurrent();
    if (m_mode == Mode::Browse && !m_overlay && m_atEnd == false) {
        // fast path for the common case: a text column read straight from the engine
        const int type = sqlite3_column_type(m_stmt, index);
        if (type == SQLITE_TEXT && m_types[index].kind != ColumnType::Date)
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index)),
                                     sqlite3_column_bytes(m_stmt, index));
        if (type == SQLITE_NULL)
            return {};
        if (type == SQLITE_INTEGER)
            return QString::number(sqlite3_column_int64(m_stmt, index));
    }
    return textOf(index, current(index));
}

QString RecordSet::text(const QString& column) const { return text(fieldIndex(column)); }

qint64 RecordSet::integer(const QString& column) const
{
    requireCurrent();
    const QVariant v = current(fieldIndex(column));
    if (v.typeId() == QMetaType::Double)
        return qRound64(v.toDouble());
    return v.toLongLong();
}

double RecordSet::number(const QString& column) const
{
    requireCurrent();
    return current(fieldIndex(column)).toDouble();
}

QDateTime RecordSet::date(const QString& column) const
{
    requireCurrent();
    const QVariant v = current(fieldIndex(column));
    return v.isNull() ? QDateTime() : dateFromStored(v.toString());
}

QVariant RecordSet::value(const QString& column) const
{
    requireCurrent();
    return current(fieldIndex(column));
}

bool RecordSet::isNull(const QString& column) const
{
    requireCurrent();
    return current(fieldIndex(column)).isNull();
}

QByteArray RecordSet::readPicture(const QString& column) const
{
    requireCurrent();
    const QVariant v = current(fieldIndex(column));
    return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : QByteArray();
}

void RecordSet::append()
{
    requireOpen();
    if (m_table.isEmpty())
        throw StoreError(QStringLiteral("Die Abfrage \"%1\" kann nicht geändert werden.").arg(m_name));
    m_buffer = QVector<QVariant>(m_names.size());
    m_changed = QVector<bool>(m_names.size(), false);
    m_mode = Mode::Append;
}

void RecordSet::edit()
{
    requireCurrent();
    if (m_table.isEmpty())
        throw StoreError(QStringLiteral("Die Abfrage \"%1\" kann nicht geändert werden.").arg(m_name));
    m_buffer.resize(m_names.size());
    for (int i = 0; i < m_names.size(); ++i)
        m_buffer[i] = current(i);
    m_changed = QVector<bool>(m_names.size(), false);
    m_mode = Mode::Edit;
}

void RecordSet::setField(const QString& column, QVariant value)
{
    if (m_mode == Mode::Browse)
        throw StoreError(QStringLiteral("Der Datensatz ist nicht im Bearbeitungsmodus."));
    const int i = fieldIndex(column);
    const ColumnType& type = m_types[i];
    if (!value.isNull() && value.typeId() == QMetaType::QString) {
        QString s = value.toString();
        if (type.kind == ColumnType::ShortText && type.width > 0 && s.size() > type.width)
            value = s.left(type.width);
        else if (!type.isText() && type.kind != ColumnType::Other && s.isEmpty())
            value = QVariant();
    }
    m_buffer[i] = value;
    m_changed[i] = true;
}

void RecordSet::setText(const QString& column, const QString& text) { setField(column, text); }
void RecordSet::setInteger(const QString& column, qint64 value) { setField(column, value); }
void RecordSet::setNumber(const QString& column, double value) { setField(column, value); }
void RecordSet::setDate(const QString& column, const QDateTime& value)
{
    setField(column, value.isValid() ? QVariant(dateToStored(value)) : QVariant());
}
void RecordSet::setValue(const QString& column, const QVariant& value) { setField(column, value); }
void RecordSet::setNull(const QString& column) { setField(column, QVariant()); }

void RecordSet::writePicture(const QString& column, const QByteArray& bytes)
{
    setField(column, bytes.isNull() ? QVariant() : QVariant(bytes));
}

void RecordSet::post()
{
    if (m_mode == Mode::Browse)
        throw StoreError(QStringLiteral("Der Datensatz ist nicht im Bearbeitungsmodus."));
    QStringList cols;
    QVariantList values;
    for (int i = m_first; i < m_names.size(); ++i) {
        if (m_changed[i]) {
            cols << quoteIdentifier(m_names[i]);
            values << m_buffer[i];
        }
    }
    QString sql;
    if (m_mode == Mode::Edit) {
        if (cols.isEmpty()) {
            m_mode = Mode::Browse;
            return;
        }
        QStringList sets;
        for (const QString& c : cols)
            sets << c + QStringLiteral("=?");
        sql = QStringLiteral("update %1 set %2 where rowid=?")
                  .arg(quoteIdentifier(m_table), sets.join(QLatin1Char(',')));
        values << m_buffer[0];
    } else if (cols.isEmpty()) {
        sql = QStringLiteral("insert into %1 default values").arg(quoteIdentifier(m_table));
    } else {
        sql = QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(quoteIdentifier(m_table), cols.join(QLatin1Char(',')),
                       QStringList(cols.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    }
    if (!m_write || sql != m_writeSql) {
        sqlite3_finalize(m_write);
        m_write = nullptr;
        m_writeSql.clear();
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db.handle(), utf8.constData(), int(utf8.size()), &m_write, nullptr)
            != SQLITE_OK)
            m_db.throwError(sql);
        m_writeSql = sql;
    }
    for (int i = 0; i < values.size(); ++i)
        bindValue(m_write, i + 1, values[i]);
    const int rc = sqlite3_step(m_write);
    sqlite3_reset(m_write);
    sqlite3_clear_bindings(m_write);
    if (rc != SQLITE_DONE)
        m_db.throwError(sql);
    if (m_mode == Mode::Edit)
        m_overlay = m_buffer;
    m_mode = Mode::Browse;
    m_count = -1;
}

void RecordSet::cancel() { m_mode = Mode::Browse; }

void RecordSet::remove()
{
    requireCurrent();
    if (m_table.isEmpty())
        throw StoreError(QStringLiteral("Die Abfrage \"%1\" kann nicht geändert werden.").arg(m_name));
    const QVariant rowid = current(0);
    m_db.execute(QStringLiteral("delete from %1 where rowid=:id").arg(quoteIdentifier(m_table)),
                 {{QStringLiteral("id"), rowid}});
    m_count = -1;
    step();
}

int RecordSet::execute(const QString& sql, const QVariantMap& params)
{
    return m_db.execute(sql, params);
}

BorrowedQuery::BorrowedQuery(RecordSet& rs, const QStringList& sql, const QVariantMap& params)
    : m_rs(rs), m_savedSql(rs.sql()), m_savedParams(rs.bindings())
{
    m_rs.close();
    m_rs.setSql(sql);
    m_rs.clearBindings();
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        m_rs.bind(it.key(), it.value());
    m_rs.open();
}

BorrowedQuery::~BorrowedQuery()
{
    m_rs.close();
    m_rs.setSql(m_savedSql);
    m_rs.clearBindings();
    for (auto it = m_savedParams.cbegin(); it != m_savedParams.cend(); ++it)
        m_rs.bind(it.key(), it.value());
}

} // namespace korvel::store
