#include "store/CatalogStore.h"

#include "support/TempCatalog.h"

#include <QtTest>

using namespace korvel;
using testsupport::TempCatalog;

// Text order in the catalog is German and case-insensitive whatever the query looks like:
// the engine must not fall back to comparing bytes for short records.
class TestTextOrder : public QObject
{
    Q_OBJECT

  private slots:
    void orderClauses_data();
    void orderClauses();
};

void TestTextOrder::orderClauses_data()
{
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("expected");
    const QStringList up{"abenteuer", "Ärger", "Brazil", "Zeichentrick"};
    const QStringList down{"Zeichentrick", "Brazil", "Ärger", "abenteuer"};
    QTest::newRow("genres, one column")
        << QStringList{"select *from genres order by genre_name"} << "genre_name" << up;
    QTest::newRow("genres, descending")
        << QStringList{"select *from genres order by genre_name DESC"} << "genre_name" << down;
    QTest::newRow("haupt, whole rows")
        << QStringList{"select *from haupt", "order by titel"} << "titel" << up;
    QTest::newRow("haupt, few columns")
        << QStringList{"select nummer, titel from haupt", "order by titel"} << "titel" << up;
    QTest::newRow("haupt, trim and secondary key")
        << QStringList{"select nummer, titel, darsteller from haupt",
                       "order by trim(darsteller) DESC, titel DESC"}
        << "titel" << down;
    QTest::newRow("haupt, key without blank")
        << QStringList{"select titel, genre from haupt", "order by genre,titel"} << "titel" << up;
    QTest::newRow("numbers stay numbers")
        << QStringList{"select *from haupt", "order by nummer DESC"} << "titel"
        << QStringList{"Ärger", "Brazil", "abenteuer", "Zeichentrick"};
    QTest::newRow("order by inside a text literal")
        << QStringList{"select titel from haupt where titel <> 'x order by titel, nummer'",
                       "order by titel"}
        << "titel" << up;
    QTest::newRow("upper-case clause")
        << QStringList{"SELECT titel FROM haupt ORDER BY titel ASC"} << "titel" << up;
}

void TestTextOrder::orderClauses()
{
    QFETCH(QStringList, sql);
    QFETCH(QString, column);
    QFETCH(QStringList, expected);
    TempCatalog cat;
    cat.db().execute(QStringLiteral("delete from genres"));
    int n = 0;
    for (const QString& t : {"Zeichentrick", "abenteuer", "Brazil", "Ärger"}) {
        cat.insert(QStringLiteral("genres"), {{"genre_name", t}});
        cat.insertEntry(++n, n, {{"titel", t}, {"genre", "Drama"}, {"darsteller", "x"}});
    }
    store::RecordSet rs(cat.db(), QStringLiteral("probe"), sql);
    rs.open();
    QStringList got;
    for (; !rs.atEnd(); rs.next())
        got << rs.text(column);
    QCOMPARE(got, expected);
}

QTEST_GUILESS_MAIN(TestTextOrder)
#include "tst_textorder.moc"
