#pragma once

#include "store/ColumnType.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <unordered_set>

struct sqlite3;

namespace korvel::store {

class RecordSet;

// The one connection to a catalog file. The file keeps the catalog's name and extension
// (movies.mdb) but is an SQLite database; this class speaks the catalog's SQL dialect
// (tables created without columns, ALTER COLUMN, memo and image types) and gives text the
// order and equality the users know: case-insensitive and German-aware.
class CatalogDatabase
{
public:
    struct Column
    {
        QString name;
        ColumnType type;
    };

    CatalogDatabase();
    ~CatalogDatabase();
    CatalogDatabase(const CatalogDatabase&) = delete;
    CatalogDatabase& operator=(const CatalogDatabase&) = delete;

    void setPath(const QString& path) { m_path = path; }
    QString path() const { return m_path; }

    // Fails with a StoreError when the file is missing or is not a catalog database.
    void connect();
    // Closes every open record set first.
    void disconnect();
    bool isConnected() const { return m_db != nullptr; }

    // Table names with the case they were created with.
    QStringList tableNames() const;
    bool hasTable(const QString& name) const; // exact case
    QList<Column> columns(const QString& table) const;

    // Runs a statement that returns no rows; values for ":name" placeholders come from
    // params. Returns the number of affected records.
    int execute(const QString& sql, const QVariantMap& params = {});

    sqlite3* handle() const { return m_db; }
    void attach(RecordSet* rs) { m_recordSets.insert(rs); }
    void detach(RecordSet* rs) { m_recordSets.erase(rs); }

    // Writes a compacted copy to a temporary file (prefix "mdb") beside the file and puts it
    // in the file's place. The file must not be connected.
    static void compactFile(const QString& path);
    // Creates an empty catalog database file (no tables).
    static void createEmptyFile(const QString& path);
    // Whether the file looks like a catalog database at all (an SQLite file, not empty).
    static bool isDatabaseFile(const QString& path);

    void throwError(const QString& context) const;

private:
    void addColumn(const QString& table, const QString& column, const ColumnType& type);
    void alterColumn(const QString& table, const QString& column, const ColumnType& type);
    bool redeclareColumn(const QString& table, const QString& column, const ColumnType& from,
                         const ColumnType& to);
    void exec(const QString& sql);

    QString m_path;
    sqlite3* m_db = nullptr;
    std::unordered_set<RecordSet*> m_recordSets;
};

// A group of writes that lands whole or not at all. Nests (savepoints). Rolls back in its
// destructor unless committed.
class Transaction
{
public:
    explicit Transaction(CatalogDatabase& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    CatalogDatabase& m_db;
    QString m_name;
    bool m_done = false;
};

// The name under which the connection knows the catalog's text order (German,
// case-insensitive) besides BINARY. Order clauses name it explicitly: SQLite sorts short
// records by comparing bytes when the sort key has the default collation.
inline constexpr char kTextCollation[] = "KORVEL_TEXT";

// Quotes an identifier for SQLite.
QString quoteIdentifier(const QString& name);

} // namespace korvel::store
