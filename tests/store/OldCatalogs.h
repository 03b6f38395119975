#pragma once

// Catalogs in the layouts that earlier versions of the program wrote, built with the same
// kind of statements those versions sent, and a plain view of a catalog's whole content.

#include "store/CatalogDatabase.h"
#include "store/CatalogSchema.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <QVariantMap>

#include <sqlite3.h>

namespace korvel::test {

enum class OldLayout
{
    // The first layout: no loans in the entries, no visible numbers, narrow texts, codes as
    // numbers were still common, no wishlist and no genre list.
    First,
    // A later one: visible numbers held as text, comments and extras as short texts, no
    // date of entry or number of discs, a wishlist but no genre list.
    TextNumbers,
};

inline QStringList addColumns(const char* table, const QStringList& columns)
{
    QStringList out;
    for (const QString& c : columns)
        out << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(QLatin1String(table), c);
    return out;
}

inline QStringList oldLayoutStatements(OldLayout layout)
{
    QStringList s;
    for (const char* t : {"haupt", "sprachen", "untertitel", "favoriten", "prg", "verleih"})
        s << QStringLiteral("CREATE TABLE ") + QLatin1String(t);
    QStringList haupt{"nummer integer",
                      "titel varchar(50)",
                      "darsteller varchar(255)",
                      "regie varchar(50)",
                      "musik varchar(50)",
                      "genre varchar(30)",
                      "datum varchar(10)",
                      "cover varchar(255)",
                      "laufzeit varchar(5)",
                      "dvdtyp varchar(50)",
                      "mastering varchar(25)",
                      "bildtyp varchar(10)",
                      "bildformat varchar(25)",
                      "beschreibung memo",
                      "buch varchar(50)",
                      "produzent varchar(50)",
                      "visuelle_effekte varchar(50)",
                      "kostueme varchar(50)"};
    QStringList sprachen{"nummer integer", "sprache varchar(25)", "tonformat varchar(25)"};
    if (layout == OldLayout::TextNumbers) {
        haupt = QStringList{"nummer integer",
                            "titel varchar(80)",
                            "darsteller varchar(255)",
                            "regie varchar(80)",
                            "musik varchar(80)",
                            "genre varchar(40)",
                            "datum varchar(12)",
                            "cover varchar(255)",
                            "laufzeit varchar(10)",
                            "dvdtyp varchar(50)",
                            "mastering varchar(25)",
                            "bildtyp varchar(10)",
                            "bildformat varchar(25)",
                            "beschreibung memo",
                            "buch varchar(100)",
                            "produzent varchar(100)",
                            "visuelle_effekte varchar(100)",
                            "kostueme varchar(100)",
                            "fsk varchar(10)",
                            "cover_thumb image",
                            "wertung integer",
                            "verliehen varchar(4)",
                            "verliehen_an varchar(50)",
                            "verliehen_datum varchar(10)",
                            "verliehen_kommentar varchar(100)",
                            "originaltitel varchar(80)",
                            "ean varchar(12)",
                            "kommentar varchar(255)",
                            "region varchar(1)",
                            "dvdextras varchar(255)",
                            "preis double",
                            "visiblenr varchar(10)"};
        sprachen << QStringLiteral("kanaele varchar(12)");
        s << QStringLiteral("CREATE TABLE wunschliste");
    }
    s << addColumns("haupt", haupt);
    s << addColumns("sprachen", sprachen);
    s << addColumns("untertitel",
                    {"nummer integer", "sprache varchar(25)", "attribute varchar(25)"});
    s << addColumns("favoriten", {"FormularNummer varchar(2)", "Nummer integer", "Name varchar(50)",
                                  "Pfad varchar(255)", "Symbol varchar(50)",
                                  "Reserviert1 varchar(50)", "Reserviert2 varchar(50)"});
    s << addColumns("prg",
                    {"XPos integer", "YPos integer", "Width integer", "Height integer",
                     "FullScreen integer", "Form2X integer", "Form2Y integer", "Form3X integer",
                     "Form3Y integer", "Form4X integer", "Form4Y integer"});
    s << QStringLiteral("INSERT INTO prg (xpos,ypos,width,height,fullscreen,form2x,form2y,form3x,"
                        "form3y,form4x,form4y) VALUES (20,30,800,600,0,-1,-1,-1,-1,-1,-1)");
    s << addColumns("verleih", {"Nummer integer", "Verliehen_An varchar(50)",
                                "Verleihdatum varchar(12)", "Bemerkungen varchar(50)"});
    if (layout == OldLayout::TextNumbers)
        s << addColumns("wunschliste", {"nummer integer", "titel varchar(80)", "preis double",
                                        "releasedatum varchar(10)", "kauflink varchar(255)",
                                        "internetlink varchar(255)"});
    return s;
}

// A new file at path holding the given statements' result.
inline void buildCatalog(const QString& path, const QStringList& statements)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    QFile::remove(path);
    store::CatalogDatabase::createEmptyFile(path);
    store::CatalogDatabase db;
    db.setPath(path);
    db.connect();
    store::Transaction t(db);
    for (const QString& s : statements)
        db.execute(s);
    t.commit();
}

inline void insertRow(store::CatalogDatabase& db, const QString& table, const QVariantMap& values)
{
    QStringList names, params;
    QVariantMap bound;
    int i = 0;
    for (auto it = values.cbegin(); it != values.cend(); ++it, ++i) {
        names << it.key();
        params << QStringLiteral(":p%1").arg(i);
        bound[QStringLiteral("p%1").arg(i)] = it.value();
    }
    db.execute(QStringLiteral("insert into %1 (%2) values (%3)")
                   .arg(table, names.join(QLatin1Char(',')), params.join(QLatin1Char(','))),
               bound);
}

inline QString describeValue(sqlite3_stmt* st, int i)
{
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_NULL:
        return QStringLiteral("null");
    case SQLITE_INTEGER:
        return QStringLiteral("int:%1").arg(sqlite3_column_int64(st, i));
    case SQLITE_FLOAT:
        return QStringLiteral("real:%1").arg(sqlite3_column_double(st, i), 0, 'g', 17);
    case SQLITE_BLOB:
        return QStringLiteral("blob:") +
               QString::fromLatin1(QByteArray(static_cast<const char*>(sqlite3_column_blob(st, i)),
                                              sqlite3_column_bytes(st, i))
                                       .toHex());
    default:
        return QStringLiteral("text:") +
               QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
    }
}

// Rows of a query, each "column=type:value|...".
inline QStringList queryRows(sqlite3* h, const QString& sql)
{
    QStringList rows;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(h, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
        return {QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(h))};
    while (sqlite3_step(st) == SQLITE_ROW) {
        QStringList cells;
        for (int i = 0; i < sqlite3_column_count(st); ++i)
            cells << QString::fromUtf8(sqlite3_column_name(st, i)) + QLatin1Char('=') +
                         describeValue(st, i);
        rows << cells.join(QLatin1Char('|'));
    }
    sqlite3_finalize(st);
    return rows;
}

// Everything a catalog holds: its schema and every row of every table, in storage order.
inline QStringList dumpCatalog(sqlite3* h)
{
    QStringList out =
        queryRows(h, QStringLiteral("select type, name, sql from sqlite_master order by name"));
    for (const QString& row : queryRows(
             h,
             QStringLiteral("select name from sqlite_master where type='table' order by name"))) {
        const QString table = row.section(QStringLiteral("text:"), 1);
        out << QStringLiteral("== ") + table;
        out << queryRows(h,
                         QStringLiteral("select rowid, * from \"%1\" order by rowid").arg(table));
    }
    return out;
}

inline QStringList dumpCatalogFile(const QString& path)
{
    sqlite3* h = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &h, SQLITE_OPEN_READONLY, nullptr);
    const QStringList out = dumpCatalog(h);
    sqlite3_close(h);
    return out;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace korvel::test
