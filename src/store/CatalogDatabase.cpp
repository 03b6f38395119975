#include "store/CatalogDatabase.h"

#include "common/GermanCollation.h"
#include "store/RecordSet.h"
#include "store/SqliteBinding.h"
#include "store/StoreError.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <sqlite3.h>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <vector>

namespace korvel::store {

namespace {

// Placeholder column of a table created without columns; dropped with the first real column.
const QString kEmptyColumn = QStringLiteral("__korvel_empty");
constexpr int kApplicationId = 0x4B4F5256; // "KORV"

int collate(void*, int lenA, const void* a, int lenB, const void* b)
{
    return GermanCollation::compareUtf8(static_cast<const char*>(a), lenA,
                                        static_cast<const char*>(b), lenB);
}

QString sqliteMessage(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

void bindParams(sqlite3* db, sqlite3_stmt* st, const QVariantMap& params);

bool flushToDisk(const QString& path)
{
#ifdef Q_OS_WIN
    if (QFileInfo(path).isDir())
        return true; // a folder cannot be flushed there, and need not be
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                                 GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = FlushFileBuffers(h) != 0;
    CloseHandle(h);
    return ok;
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#endif
}

} // namespace

QString quoteIdentifier(const QString& name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

CatalogDatabase::CatalogDatabase() = default;

CatalogDatabase::~CatalogDatabase() { disconnect(); }

bool CatalogDatabase::isDatabaseFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

void CatalogDatabase::connect()
{
    if (m_db)
        return;
    const QFileInfo fi(m_path);
    if (m_path.isEmpty() || !fi.isFile())
        throw StoreError(QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(m_path));
    if (!isDatabaseFile(m_path))
        throw StoreError(
            QStringLiteral("Die Datei \"%1\" ist keine Filmdatenbank.").arg(m_path));
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = db ? sqliteMessage(db) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throw StoreError(
            QStringLiteral("Die Datenbank \"%1\" kann nicht geöffnet werden: %2").arg(m_path, msg));
    }
    // Every text comparison of the catalog (=, ORDER BY, GROUP BY) follows the German
    // case-insensitive rules, without declaring a collation in the file, which would make
    // it unreadable for other SQLite tools.
    sqlite3_create_collation(db, "BINARY", SQLITE_UTF8, nullptr, collate);
    sqlite3_create_collation(db, kTextCollation, SQLITE_UTF8, nullptr, collate);
    sqlite3_busy_timeout(db, 60000);
    char* err = nullptr;
    if (sqlite3_exec(db, "select count(*) from sqlite_master", nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "");
        sqlite3_free(err);
        sqlite3_close(db);
        throw StoreError(
            QStringLiteral("Die Datei \"%1\" ist keine Filmdatenbank: %2").arg(m_path, msg));
    }
    m_db = db;
}

void CatalogDatabase::disconnect()
{
    if (!m_db)
        return;
    const auto sets = m_recordSets;
    for (RecordSet* rs : sets)
        rs->close();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

void CatalogDatabase::throwError(const QString& context) const
{
    QString msg = m_db ? sqliteMessage(m_db) : QStringLiteral("Keine Verbindung zur Datenbank.");
    if (!context.isEmpty())
        msg += QStringLiteral("\n\n") + context.trimmed();
    throw StoreError(msg);
}

QStringList CatalogDatabase::tableNames() const
{
    if (!m_db)
        throw StoreError(QStringLiteral("Keine Verbindung zur Datenbank."));
    QStringList names;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db, "select name from sqlite_master where type='table' and "
                                 "name not like 'sqlite\\_%' escape '\\' order by rowid",
                           -1, &st, nullptr) != SQLITE_OK)
        throwError({});
    while (sqlite3_step(st) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return names;
}

bool CatalogDatabase::hasTable(const QString& name) const { return tableNames().contains(name); }

QList<CatalogDatabase::Column> CatalogDatabase::columns(const QString& table) const
{
    if (!m_db)
        throw StoreError(QStringLiteral("Keine Verbindung zur Datenbank."));
    QList<Column> cols;
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = QStringLiteral("pragma table_info(%1)").arg(quoteIdentifier(table)).toUtf8();
    if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
        throwError({});
    while (sqlite3_step(st) == SQLITE_ROW) {
        Column c;
        c.name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
        c.type = ColumnType::parse(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 2))));
        if (c.name != kEmptyColumn)
            cols << c;
    }
    sqlite3_finalize(st);
    return cols;
}

void CatalogDatabase::exec(const QString& sql)
{
    char* err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "");
        sqlite3_free(err);
        throw StoreError(msg + QStringLiteral("\n\n") + sql);
    }
}

int CatalogDatabase::execute(const QString& sql, const QVariantMap& params)
{
    if (!m_db)
        throw StoreError(QStringLiteral("Keine Verbindung zur Datenbank."));
    static const QRegularExpression bareCreate(
        QStringLiteral(R"(^\s*create\s+table\s+(\w+)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression addColumnRe(
        QStringLiteral(R"(^\s*alter\s+table\s+(\w+)\s+add\s+(?:column\s+)?(\w+)\s+(.+?)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression alterColumnRe(
        QStringLiteral(R"(^\s*alter\s+table\s+(\w+)\s+alter\s+column\s+(\w+)\s+(.+?)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression memoType(QStringLiteral(R"(\bmemo\b)"),
                                             QRegularExpression::CaseInsensitiveOption);

    if (const auto m = bareCreate.match(sql); m.hasMatch()) {
        exec(QStringLiteral("create table %1 (%2 integer)")
                 .arg(quoteIdentifier(m.captured(1)), quoteIdentifier(kEmptyColumn)));
        return 0;
    }
    if (const auto m = addColumnRe.match(sql); m.hasMatch()) {
        addColumn(m.captured(1), m.captured(2), ColumnType::parse(m.captured(3)));
        return 0;
    }
    if (const auto m = alterColumnRe.match(sql); m.hasMatch()) {
        alterColumn(m.captured(1), m.captured(2), ColumnType::parse(m.captured(3)));
        return 0;
    }
    QString text = sql;
    if (text.trimmed().startsWith(QLatin1String("create"), Qt::CaseInsensitive))
        text.replace(memoType, QStringLiteral("longtext"));

    sqlite3_stmt* st = nullptr;
    const QByteArray utf8 = text.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &st, nullptr) != SQLITE_OK)
        throwError(sql);
    bindParams(m_db, st, params);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        throwError(sql);
    return sqlite3_changes(m_db);
}

void CatalogDatabase::addColumn(const QString& table, const QString& column, const ColumnType& type)
{
    if (type.kind == ColumnType::Other && type.declaration().isEmpty())
        throw StoreError(QStringLiteral("Unbekannter Spaltentyp für %1.").arg(column));
    Transaction t(*this);
    exec(QStringLiteral("alter table %1 add column %2 %3")
             .arg(quoteIdentifier(table), quoteIdentifier(column), type.declaration()));
    bool placeholder = false;
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = QStringLiteral("pragma table_info(%1)").arg(quoteIdentifier(table)).toUtf8();
    if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW)
            if (QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)))
                == kEmptyColumn)
                placeholder = true;
        sqlite3_finalize(st);
    }
    if (placeholder)
        exec(QStringLiteral("alter table %1 drop column %2")
                 .arg(quoteIdentifier(table), quoteIdentifier(kEmptyColumn)));
    t.commit();
}

// SQLite cannot change a column's type in place: the table is rebuilt with the same column
// order and every value copied (texts cut when the new type is a narrower text).
void CatalogDatabase::alterColumn(const QString& table, const QString& column, const ColumnType& type)
{
    const QList<Column> cols = columns(table);
    if (cols.isEmpty())
        throw StoreError(QStringLiteral("Die Tabelle %1 existiert nicht.").arg(table));
    QString realTable = table;
    for (const QString& name : tableNames())
        if (name.compare(table, Qt::CaseInsensitive) == 0)
            realTable = name;
    bool found = false;
    QStringList defs, selects, names;
    for (const Column& c : cols) {
        const bool target = c.name.compare(column, Qt::CaseInsensitive) == 0;
        found = found || target;
        const ColumnType t = target ? type : c.type;
        defs << quoteIdentifier(c.name) + QLatin1Char(' ') + t.declaration();
        names << quoteIdentifier(c.name);
        if (target && t.kind == ColumnType::ShortText)
            selects << QStringLiteral("case when typeof(%1)='text' then substr(%1,1,%2) else %1 end")
                           .arg(quoteIdentifier(c.name))
                           .arg(t.width);
        else
            selects << quoteIdentifier(c.name);
    }
    if (!found)
        throw StoreError(
            QStringLiteral("Die Spalte %1 existiert nicht in der Tabelle %2.").arg(column, table));
    for (const Column& c : cols)
        if (c.name.compare(column, Qt::CaseInsensitive) == 0 && redeclareColumn(realTable, c.name, c.type, type))
            return;
    const QString temp = realTable + QStringLiteral("__korvel_new");
    Transaction t(*this);
    exec(QStringLiteral("create table %1 (%2)").arg(quoteIdentifier(temp), defs.join(QStringLiteral(", "))));
    exec(QStringLiteral("insert into %1 (%2) select %3 from %4")
             .arg(quoteIdentifier(temp), names.join(QLatin1Char(',')), selects.join(QLatin1Char(',')),
                  quoteIdentifier(realTable)));
    exec(QStringLiteral("drop table %1").arg(quoteIdentifier(realTable)));
    exec(QStringLiteral("alter table %1 rename to %2").arg(quoteIdentifier(temp), quoteIdentifier(realTable)));
    t.commit();
}

// A text column that becomes a wider text or a memo keeps every stored value as it is: only
// its declaration changes, which spares copying every row of the table. Anything else, or a
// table declaration of another form, goes through the rebuild.
bool CatalogDatabase::redeclareColumn(const QString& table, const QString& column,
                                      const ColumnType& from, const ColumnType& to)
{
    const bool textToText = from.isText() && to.isText();
    const bool narrower = to.kind == ColumnType::ShortText
                          && (from.kind == ColumnType::LongText || to.width < from.width);
    if (!textToText || narrower)
        return false;
    sqlite3_stmt* st = nullptr;
    QString sql;
    QString declared;
    if (sqlite3_prepare_v2(m_db, "select sql from sqlite_master where type='table' and name=?", -1,
                           &st, nullptr) == SQLITE_OK) {
        bindValue(st, 1, table);
        if (sqlite3_step(st) == SQLITE_ROW)
            sql = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    const QByteArray info = QStringLiteral("pragma table_info(%1)").arg(quoteIdentifier(table)).toUtf8();
    if (sqlite3_prepare_v2(m_db, info.constData(), -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW)
            if (QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1))) == column)
                declared = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 2)));
        sqlite3_finalize(st);
    }
    const QRegularExpression definition(QRegularExpression::escape(quoteIdentifier(column))
                                        + QStringLiteral(R"(\s+)") + QRegularExpression::escape(declared)
                                        + QStringLiteral(R"((?=\s*[,)]))"));
    if (declared.isEmpty() || sql.count(definition) != 1)
        return false;
    sql.replace(definition, quoteIdentifier(column) + QLatin1Char(' ') + to.declaration());

    const QList<Column> before = columns(table);
    Transaction t(*this);
    try {
        int version = 0;
        if (sqlite3_prepare_v2(m_db, "pragma schema_version", -1, &st, nullptr) == SQLITE_OK) {
            if (sqlite3_step(st) == SQLITE_ROW)
                version = sqlite3_column_int(st, 0);
            sqlite3_finalize(st);
        }
        exec(QStringLiteral("pragma writable_schema=ON"));
        execute(QStringLiteral("update sqlite_master set sql=:sql where type='table' and name=:name"),
                {{QStringLiteral("sql"), sql}, {QStringLiteral("name"), table}});
        exec(QStringLiteral("pragma schema_version=%1").arg(version + 1));
        exec(QStringLiteral("pragma writable_schema=OFF"));
        // the table must read back exactly as before but for the one type
        const QList<Column> after = columns(table);
        bool same = after.size() == before.size();
        for (int i = 0; same && i < after.size(); ++i) {
            const bool target = after[i].name == column;
            same = after[i].name == before[i].name
                   && after[i].type.declaration()
                          == (target ? to.declaration() : before[i].type.declaration());
        }
        if (!same)
            return false; // rolled back by t
    } catch (const StoreError&) {
        sqlite3_exec(m_db, "pragma writable_schema=OFF", nullptr, nullptr, nullptr);
        return false;
    }
    t.commit();
    return true;
}

void CatalogDatabase::compactFile(const QString& path)
{
    const QFileInfo fi(path);
    if (!isDatabaseFile(path))
        throw StoreError(QStringLiteral("Die Datei \"%1\" ist keine Filmdatenbank.").arg(path));
    QString tempPath;
    {
        QTemporaryFile probe(fi.absoluteDir().filePath(QStringLiteral("mdbXXXXXX.tmp")));
        if (!probe.open())
            throw StoreError(QStringLiteral("Im Ordner \"%1\" kann keine temporäre Datei angelegt werden.")
                                 .arg(fi.absolutePath()));
        tempPath = probe.fileName();
    } // removed again: VACUUM INTO needs a target that does not exist
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr)
        != SQLITE_OK) {
        sqlite3_close(db);
        throw StoreError(QStringLiteral("Die Datenbank \"%1\" kann nicht geöffnet werden.").arg(path));
    }
    sqlite3_create_collation(db, "BINARY", SQLITE_UTF8, nullptr, collate);
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, "vacuum into ?", -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        const QByteArray target = tempPath.toUtf8();
        sqlite3_bind_text(st, 1, target.constData(), int(target.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(st);
    }
    const QString msg = sqliteMessage(db);
    sqlite3_finalize(st);
    sqlite3_close(db);
    if (rc != SQLITE_DONE) {
        QFile::remove(tempPath);
        throw StoreError(msg);
    }
    // The copy must be on the disk, with the catalog's permissions, before it takes the
    // catalog's place: the engine does not flush what VACUUM INTO writes, and a rename over
    // the catalog followed by a power failure would otherwise lose both.
    if (!flushToDisk(tempPath)) {
        QFile::remove(tempPath);
        throw StoreError(QStringLiteral("Die bereinigte Kopie \"%1\" kann nicht geschrieben werden.")
                             .arg(QDir::toNativeSeparators(tempPath)));
    }
    QFile::setPermissions(tempPath, QFile::permissions(path)
                                        & ~(QFileDevice::ReadUser | QFileDevice::WriteUser
                                            | QFileDevice::ExeUser));
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(tempPath.toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), ec);
    if (ec) {
        QFile::remove(tempPath);
        throw StoreError(QString::fromStdString(ec.message()));
    }
    flushToDisk(fi.absolutePath()); // the folder's new entry
}

void CatalogDatabase::createEmptyFile(const QString& path)
{
    if (QFileInfo::exists(path))
        throw StoreError(QStringLiteral("Die Datei \"%1\" existiert bereits.").arg(path));
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, QStringLiteral("pragma application_id=%1").arg(kApplicationId).toUtf8().constData(),
                          nullptr, nullptr, nullptr);
    const QString msg = db ? sqliteMessage(db) : QString();
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        QFile::remove(path);
        throw StoreError(QStringLiteral("Die Datenbank \"%1\" kann nicht erstellt werden: %2").arg(path, msg));
    }
}

Transaction::Transaction(CatalogDatabase& db) : m_db(db)
{
    static int counter = 0;
    m_name = QStringLiteral("korvel_sp%1").arg(++counter);
    m_db.execute(QStringLiteral("savepoint ") + m_name);
}

Transaction::~Transaction()
{
    if (m_done || !m_db.isConnected())
        return;
    const QByteArray rollback =
        QStringLiteral("rollback to %1; release %1").arg(m_name).toUtf8();
    sqlite3_exec(m_db.handle(), rollback.constData(), nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.execute(QStringLiteral("release ") + m_name);
    m_done = true;
}

namespace {
void bindParams(sqlite3* db, sqlite3_stmt* st, const QVariantMap& params)
{
    Q_UNUSED(db);
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        QString key = it.key();
        if (!key.startsWith(QLatin1Char(':')))
            key.prepend(QLatin1Char(':'));
        const int idx = sqlite3_bind_parameter_index(st, key.toUtf8().constData());
        if (idx > 0)
            bindValue(st, idx, it.value());
    }
}
} // namespace

} // namespace korvel::store
