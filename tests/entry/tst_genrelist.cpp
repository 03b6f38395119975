#include "entry/DomainLists.h"
#include "entry/GenreList.h"
#include "support/TempCatalog.h"

#include <QtTest>

using namespace korvel;
namespace G = korvel::entry::GenreList;

// The genre table behind the genre drop-down lists.
class TestGenreList : public QObject
{
    Q_OBJECT

  private slots:
    void startsWithTheDefaults()
    {
        testsupport::TempCatalog cat;
        const QStringList names = G::names(cat.store().genres());
        QCOMPARE(names.size(), entry::DomainLists::defaultGenres().size());
        QVERIFY(names.contains(QStringLiteral("Drama")));
        QVERIFY(!names.contains(QStringLiteral("Krimi")));
    }

    void addAndFind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("again");
        QTest::newRow("plain") << "Krimi"
                               << "Krimi";
        QTest::newRow("other case") << "Krimi"
                                    << "KRIMI";
        QTest::newRow("umlaut") << "Märchen"
                                << "märchen";
        QTest::newRow("double quote") << "Der \"Pate\""
                                      << "Der \"Pate\"";
        QTest::newRow("single quote") << "Kinder's"
                                      << "Kinder's";
        QTest::newRow("sql text") << "x\" or \"1\"=\"1"
                                  << "x\" or \"1\"=\"1";
        QTest::newRow("column name") << "genre_name"
                                     << "genre_name";
    }
    void addAndFind()
    {
        QFETCH(QString, name);
        QFETCH(QString, again);
        testsupport::TempCatalog cat;
        store::RecordSet& genres = cat.store().genres();
        const QStringList design = genres.sql();
        const int before = G::names(genres).size();
        QCOMPARE(G::add(genres, name), name);
        QCOMPARE(genres.sql(), design);
        QStringList names = G::names(genres);
        QCOMPARE(names.size(), before + 1);
        QVERIFY(names.contains(name));
        QCOMPARE(G::add(genres, again), QString()); // found: not added twice
        QCOMPARE(G::names(genres).size(), before + 1);
        G::remove(genres, {again});
        names = G::names(genres);
        QCOMPARE(names.size(), before);
        QVERIFY(!names.contains(name));
    }

    void duplicateMessage()
    {
        testsupport::TempCatalog cat;
        QCOMPARE(G::add(cat.store().genres(), QStringLiteral("Drama")), QString());
        QCOMPARE(G::existsText(QStringLiteral("Drama")),
                 QStringLiteral("Der Bezeichner \"Drama\" existiert bereits in der Liste."));
    }

    // A name longer than the column is stored cut and then found as such.
    void longName()
    {
        testsupport::TempCatalog cat;
        store::RecordSet& genres = cat.store().genres();
        const QString longName = QString(45, QLatin1Char('x'));
        QCOMPARE(G::add(genres, longName), QString(40, QLatin1Char('x')));
        QCOMPARE(G::add(genres, longName), QString());
        QVERIFY(G::names(genres).contains(QString(40, QLatin1Char('x'))));
    }

    // Removal deletes one record per name and leaves the entries' genre texts alone.
    void removeSeveral()
    {
        testsupport::TempCatalog cat;
        cat.insertEntry(1, 1, {{"titel", "Alien"}, {"genre", "Horror"}});
        store::RecordSet& genres = cat.store().genres();
        const int before = G::names(genres).size();
        G::remove(genres, {QStringLiteral("Drama"), QStringLiteral("Horror"),
                           QStringLiteral("Western"), QStringLiteral("Gibt es nicht")});
        const QStringList names = G::names(genres);
        QCOMPARE(names.size(), before - 3);
        for (const char* n : {"Drama", "Horror", "Western"})
            QVERIFY(!names.contains(QLatin1String(n)));
        store::BorrowedQuery q(cat.store().haupt(), {QStringLiteral("select *from haupt")});
        QCOMPARE(q->text(QStringLiteral("genre")), QStringLiteral("Horror"));
    }
};

QTEST_GUILESS_MAIN(TestGenreList)
#include "tst_genrelist.moc"
