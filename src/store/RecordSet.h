#pragma once

#include "store/ColumnType.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

#include <optional>

struct sqlite3_stmt;

namespace korvel::store {

class CatalogDatabase;

// A named record-set component: its own SQL text (a list of lines) and its own cursor over
// the one connection. A plain "select *from <table> ..." is updatable (edit, append, delete).
// Values the SQL text refers to as ":name" are bound with bind(); nothing a user typed is
// ever spliced into the text.
class RecordSet
{
public:
    RecordSet(CatalogDatabase& db, const QString& name, const QStringList& designSql = {});
    ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    QString name() const { return m_name; }
    CatalogDatabase& database() const { return m_db; }

    // SQL text. The statement sent is the lines joined, each ended by CR LF.
    const QStringList& sql() const { return m_sql; }
    void setSql(const QStringList& lines);
    void clearSql();
    void addSql(const QString& line);
    void setSqlLine(int index, const QString& line);
    QString sqlText() const;

    void bind(const QString& name, const QVariant& value);
    void clearBindings() { m_params.clear(); }
    const QVariantMap& bindings() const { return m_params; }

    // Runs the select and stands on the first record (atEnd() at once when there is none).
    void open();
    // The same as open(), but keeps the prepared statement when the SQL text is unchanged and
    // only the bound values differ: for running one query for many keys.
    void requery();
    void close();
    bool isOpen() const { return m_stmt != nullptr; }

    void first();
    void next();
    void last();
    bool atEnd() const;
    int recordCount();

    // Fields of the current record by column name, without regard to case.
    QString text(const QString& column) const; // NULL reads as ""
    qint64 integer(const QString& column) const; // NULL reads as 0
    double number(const QString& column) const;
    QDateTime date(const QString& column) const;
    QVariant value(const QString& column) const;
    bool isNull(const QString& column) const;
    bool hasColumn(const QString& column) const;
    bool isShortText(const QString& column) const;
    bool isLongText(const QString& column) const;

    // The same by position, for loops over many rows: fieldIndex() once, then these.
    int fieldIndex(const QString& column) const; // throws when missing
    QString text(int index) const;
    QStringList columnNames() const;

    void append();
    void edit();
    void setText(const QString& column, const QString& text);
    void setInteger(const QString& column, qint64 value);
    void setNumber(const QString& column, double value);
    void setDate(const QString& column, const QDateTime& value);
    void setValue(const QString& column, const QVariant& value);
    void setNull(const QString& column);
    void post();
    void cancel();
    // Deletes the current record; the cursor moves to the next one.
    void remove();

    // Picture columns: the stored bytes, and replacing them while editing or appending.
    QByteArray readPicture(const QString& column) const;
    void writePicture(const QString& column, const QByteArray& bytes);

    int execute(const QString& sql, const QVariantMap& params = {});

private:
    enum class Mode { Browse, Edit, Append };
    void requireOpen() const;
    void requireCurrent() const;
    void step();
    QVariant current(int index) const;
    QString textOf(int index, const QVariant& v) const;
    void setField(const QString& column, QVariant value);
    QString translatedSql() const;

    CatalogDatabase& m_db;
    QString m_name;
    QStringList m_sql;
    QVariantMap m_params;

    sqlite3_stmt* m_stmt = nullptr;
    QString m_preparedText; // the SQL text m_stmt was prepared from
    QString m_table; // set when the query is updatable
    int m_first = 0; // first visible column (1 when the row id leads)
    QStringList m_names;
    QVector<ColumnType> m_types;
    bool m_atEnd = true;
    int m_count = -1;

    Mode m_mode = Mode::Browse;
    QVector<QVariant> m_buffer;
    QVector<bool> m_changed;
    std::optional<QVector<QVariant>> m_overlay; // the current record as posted

    // The last write statement, kept prepared while the query is open: loops that change
    // the same fields of many records prepare it once.
    sqlite3_stmt* m_write = nullptr;
    QString m_writeSql;
};

// Runs a query on a shared component and puts the component's own query back afterwards,
// so that e.g. the movie list's query survives a one-entry lookup.
class BorrowedQuery
{
public:
    BorrowedQuery(RecordSet& rs, const QStringList& sql, const QVariantMap& params = {});
    ~BorrowedQuery();
    RecordSet& operator*() const { return m_rs; }
    RecordSet* operator->() const { return &m_rs; }

private:
    RecordSet& m_rs;
    QStringList m_savedSql;
    QVariantMap m_savedParams;
};

} // namespace korvel::store
