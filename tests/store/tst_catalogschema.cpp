#include "entry/DomainLists.h"
#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"

#include <QTemporaryDir>
#include <QTest>

using namespace korvel::store;

// The exact layout of a new catalog.
class TestCatalogSchema : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QStringList describe(CatalogDatabase& db, const QString& table)
    {
        QStringList out;
        for (const auto& c : db.columns(table))
            out << c.name + QLatin1Char(' ') + c.type.declaration();
        return out;
    }

private slots:
    void emptyCatalog_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("haupt") << "haupt"
            << QStringList{"nummer integer", "titel varchar(80)", "darsteller longtext",
                           "regie varchar(80)", "musik varchar(80)", "genre varchar(40)",
                           "datum varchar(12)", "cover varchar(255)", "laufzeit varchar(10)",
                           "dvdtyp varchar(50)", "mastering varchar(25)", "bildtyp varchar(10)",
                           "bildformat varchar(25)", "beschreibung longtext", "buch varchar(100)",
                           "produzent varchar(100)", "visuelle_effekte varchar(100)",
                           "kostueme varchar(100)", "fsk varchar(10)", "cover_thumb image",
                           "wertung integer", "verliehen varchar(4)", "verliehen_an varchar(50)",
                           "verliehen_datum varchar(10)", "verliehen_kommentar varchar(100)",
                           "originaltitel varchar(80)", "ean varchar(12)", "kommentar longtext",
                           "region varchar(1)", "dvdextras longtext", "preis double",
                           "visiblenr integer", "eingabedatum date", "medienanzahl integer",
                           "uploaddone varchar(1)"};
        QTest::newRow("sprachen") << "sprachen"
            << QStringList{"nummer integer", "sprache varchar(25)", "tonformat varchar(25)"};
        QTest::newRow("untertitel") << "untertitel"
            << QStringList{"nummer integer", "sprache varchar(25)", "attribute varchar(25)"};
        QTest::newRow("favoriten") << "favoriten"
            << QStringList{"FormularNummer varchar(2)", "Nummer integer", "Name varchar(50)",
                           "Pfad varchar(255)", "Symbol varchar(50)", "Reserviert1 varchar(50)",
                           "Reserviert2 varchar(50)"};
        QTest::newRow("prg") << "prg"
            << QStringList{"XPos integer", "YPos integer", "Width integer", "Height integer",
                           "FullScreen integer", "Form2X integer", "Form2Y integer",
                           "Form3X integer", "Form3Y integer", "Form4X integer", "Form4Y integer"};
        QTest::newRow("verleih") << "verleih"
            << QStringList{"Nummer integer", "Verliehen_An varchar(50)", "Verleihdatum varchar(12)",
                           "Bemerkungen varchar(50)"};
        QTest::newRow("wunschliste") << "wunschliste"
            << QStringList{"nummer integer", "titel varchar(80)", "preis double",
                           "releasedatum varchar(10)", "kauflink varchar(255)",
                           "internetlink varchar(255)"};
    }
    void emptyCatalog()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        const QString path = m_dir.filePath(QStringLiteral("empty-%1.mdb").arg(table));
        CatalogDatabase::createEmptyFile(path);
        CatalogDatabase db;
        db.setPath(path);
        db.connect();
        CatalogSchema::createEmptyCatalog(db);
        QCOMPARE(db.tableNames(),
                 (QStringList{"haupt", "sprachen", "untertitel", "favoriten", "prg", "verleih", "wunschliste"}));
        QCOMPARE(describe(db, table), columns);
    }

    void emptyCatalogHasOneGeometryRow()
    {
        const QString path = m_dir.filePath(QStringLiteral("prg.mdb"));
        CatalogDatabase::createEmptyFile(path);
        CatalogStore store;
        store.database().setPath(path);
        store.database().connect();
        CatalogSchema::createEmptyCatalog(store.database());
        RecordSet& prg = store.prg();
        prg.open();
        QCOMPARE(prg.recordCount(), 1);
        QList<qint64> values;
        for (const char* c : {"xpos", "ypos", "width", "height", "fullscreen", "form2x", "form2y",
                              "form3x", "form3y", "form4x", "form4y"})
            values << prg.integer(QString::fromLatin1(c));
        QCOMPARE(values, (QList<qint64>{15, 48, 992, 643, 0, -1, -1, -1, -1, -1, -1}));
    }

    void defaultCatalogIsReadyForANewUser()
    {
        const QString path = m_dir.filePath(QStringLiteral("movies.mdb"));
        CatalogSchema::createDefaultCatalogFile(path);
        CatalogStore store;
        store.database().setPath(path);
        store.database().connect();
        QVERIFY(store.database().hasTable(QStringLiteral("genres")));
        QCOMPARE(describe(store.database(), QStringLiteral("sprachen")).last(),
                 QStringLiteral("kanaele varchar(12)"));
        RecordSet& g = store.genres();
        g.open();
        QStringList names;
        for (; !g.atEnd(); g.next())
            names << g.text(QStringLiteral("genre_name"));
        QCOMPARE(names.size(), 39);
        QStringList sorted = korvel::entry::DomainLists::defaultGenres();
        QCOMPARE(QSet<QString>(names.begin(), names.end()), QSet<QString>(sorted.begin(), sorted.end()));
        QCOMPARE(names.first(), QStringLiteral("Abenteuer"));
        QCOMPARE(names.last(), QStringLiteral("Zeichentrick"));
    }

    void defaultCatalogNeverOverwritesAUsersFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("user.mdb"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("the user's catalog");
        }
        CatalogSchema::createDefaultCatalogFile(path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("the user's catalog"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogSchema)
#include "tst_catalogschema.moc"
