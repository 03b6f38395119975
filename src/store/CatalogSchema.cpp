#include "store/CatalogSchema.h"

#include "store/CatalogDatabase.h"
#include "store/CatalogStore.h"
#include "store/SchemaUpgrade.h"

#include <QFile>
#include <QFileInfo>

namespace korvel::store::CatalogSchema {

namespace {
QStringList addColumns(const char* table, std::initializer_list<const char*> columns)
{
    QStringList out;
    for (const char* c : columns)
        out << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(QLatin1String(table), QLatin1String(c));
    return out;
}
} // namespace

QStringList emptyCatalogStatements()
{
    QStringList s;
    for (const char* t : {"haupt", "sprachen", "untertitel", "favoriten", "prg", "verleih", "wunschliste"})
        s << QStringLiteral("CREATE TABLE ") + QLatin1String(t);
    s << addColumns("haupt",
                    {"nummer integer", "titel varchar(80)", "darsteller memo", "regie varchar(80)",
                     "musik varchar(80)", "genre varchar(40)", "datum varchar(12)",
                     "cover varchar(255)", "laufzeit varchar(10)", "dvdtyp varchar(50)",
                     "mastering varchar(25)", "bildtyp varchar(10)", "bildformat varchar(25)",
                     "beschreibung memo", "buch varchar(100)", "produzent varchar(100)",
                     "visuelle_effekte varchar(100)", "kostueme varchar(100)", "fsk varchar(10)",
                     "cover_thumb image", "wertung integer", "verliehen varchar(4)",
                     "verliehen_an varchar(50)", "verliehen_datum varchar(10)",
                     "verliehen_kommentar varchar(100)", "originaltitel varchar(80)",
                     "ean varchar(12)", "kommentar memo", "region varchar(1)", "dvdextras memo",
                     "preis double", "visiblenr integer", "eingabedatum date",
                     "medienanzahl integer", "uploaddone varchar(1)"});
    s << addColumns("sprachen", {"nummer integer", "sprache varchar(25)", "tonformat varchar(25)"});
    s << addColumns("untertitel", {"nummer integer", "sprache varchar(25)", "attribute varchar(25)"});
    s << addColumns("favoriten",
                    {"FormularNummer varchar(2)", "Nummer integer", "Name varchar(50)",
                     "Pfad varchar(255)", "Symbol varchar(50)", "Reserviert1 varchar(50)",
                     "Reserviert2 varchar(50)"});
    s << addColumns("prg", {"XPos integer", "YPos integer", "Width integer", "Height integer",
                            "FullScreen integer", "Form2X integer", "Form2Y integer",
                            "Form3X integer", "Form3Y integer", "Form4X integer", "Form4Y integer"});
    s << QStringLiteral("INSERT INTO prg (xpos,ypos,width,height,fullscreen,form2x,form2y,form3x,"
                        "form3y,form4x,form4y) VALUES (15,48,992,643,0,-1,-1,-1,-1,-1,-1)");
    s << addColumns("verleih", {"Nummer integer", "Verliehen_An varchar(50)",
                                "Verleihdatum varchar(12)", "Bemerkungen varchar(50)"});
    s << addColumns("wunschliste", {"nummer integer", "titel varchar(80)", "preis double",
                                    "releasedatum varchar(10)", "kauflink varchar(255)",
                                    "internetlink varchar(255)"});
    return s;
}

void createEmptyCatalog(CatalogDatabase& db)
{
    Transaction t(db);
    for (const QString& statement : emptyCatalogStatements())
        db.execute(statement);
    t.commit();
}

void createDefaultCatalogFile(const QString& path)
{
    if (QFileInfo::exists(path))
        return;
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    CatalogDatabase::createEmptyFile(temp);
    try {
        CatalogStore store;
        store.database().setPath(temp);
        store.database().connect();
        Transaction t(store.database());
        createEmptyCatalog(store.database());
        updateto16(store);
        t.commit();
    } catch (...) {
        QFile::remove(temp);
        throw;
    }
    // only a complete catalog ever carries the real name
    if (!QFile::rename(temp, path))
        QFile::remove(temp);
}

} // namespace korvel::store::CatalogSchema
