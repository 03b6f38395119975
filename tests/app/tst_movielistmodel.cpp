#include "app/MovieListModel.h"
#include "store/EntryNumbers.h"
#include "store/StoreError.h"

#include "support/TempCatalog.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QColor>
#include <QtTest>

using namespace korvel;
using app::MovieListModel;
using testsupport::TempCatalog;

namespace {
using Columns = QList<MovieListModel::Column>;

QStringList column(const MovieListModel& m, int shownColumn)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.cell(r, shownColumn);
    return out;
}

QColor background(const MovieListModel& m, int row)
{
    return m.data(m.index(row, 1), Qt::BackgroundRole).value<QBrush>().color();
}

int alignment(const MovieListModel& m, int column)
{
    return m.data(m.index(0, column), Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask;
}

// Five entries whose titles sort Alien, Ärger, Brazil, Casablanca, Dune.
void insertFive(TempCatalog& cat)
{
    cat.insertEntry(3, 30, {{"titel", "Casablanca"}, {"genre", "Drama"}, {"laufzeit", "102"}});
    cat.insertEntry(1, 10, {{"titel", "Brazil"}, {"genre", "Satire"}, {"laufzeit", ""}});
    cat.insertEntry(5, 50, {{"titel", "Alien"}, {"genre", "Horror"}, {"laufzeit", "117"}});
    cat.insertEntry(2, 20, {{"titel", "Dune"}, {"genre", "Drama"}});
    cat.insertEntry(4, 40, {{"titel", "Ärger"}, {"genre", "Komödie"}});
}
} // namespace

class TestMovieListModel : public QObject
{
    Q_OBJECT

  private slots:
    void designLayout();
    void emptyCatalog();
    void fillInQueryOrder();
    void fillFormatsCells();
    void fillCollectsVisibleNumbers();
    void missingColumnEndsFill();
    void rowColours();
    void alignmentRules();
    void clickSortsGenreTwice();
    void clickFromDesignClause();
    void rebuildOneRow();
    void totalMoviesCount();
    void removeAndNarrow();
};

void TestMovieListModel::designLayout()
{
    MovieListModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(m.columnCount(), 8);
    QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), QStringLiteral("keines"));
    QCOMPARE(m.shownCaptions(), (QStringList{"Titel", "Darsteller", "Regie", "Musik", "Genre",
                                             "Spieldauer", "Nummer"}));
    QCOMPARE(m.columnWidth(0), 0);
    QCOMPARE(m.columnWidth(1), 250);
    QCOMPARE(m.columnWidth(7), 60);
    QCOMPARE(m.statusText(), QStringLiteral("Datenbank: 0 Filme vorhanden"));

    m.setColumns({{"Titel", 120}, {"Preis", 70}});
    QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), QStringLiteral("keine"));
    QCOMPARE(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Preis"));
    QCOMPARE(m.getfieldpos(QStringLiteral("preis")), 1);
    QCOMPARE(m.getfieldpos(QStringLiteral("keine")), -1);
    m.setColumnWidth(2, 90);
    QCOMPARE(m.shownColumns().at(1).width, 90);
}

void TestMovieListModel::emptyCatalog()
{
    TempCatalog cat;
    MovieListModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    store::EntryNumbers numbers;
    QSignalSpy status(&m, &MovieListModel::statusTextChanged);
    cat.store().haupt().setSql({QStringLiteral("select *from haupt where nummer = 3")});
    m.fill(cat.store(), numbers);
    QCOMPARE(m.rowCount(), 0);
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.first().first().toString(), QStringLiteral("Datenbank: 0 Filme vorhanden"));
    QVERIFY(numbers.isEmpty());
    // a one-line query becomes the list query with the design order
    QCOMPARE(cat.store().haupt().sql(),
             (QStringList{QStringLiteral("select *from haupt"), QStringLiteral("order by titel")}));
    QVERIFY(!cat.store().haupt().isOpen());
}

void TestMovieListModel::fillInQueryOrder()
{
    TempCatalog cat;
    insertFive(cat);
    MovieListModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    store::EntryNumbers numbers;
    m.fill(cat.store(), numbers);
    QCOMPARE(m.rowCount(), 5);
    QCOMPARE(column(m, 0), (QStringList{"Alien", "Ärger", "Brazil", "Casablanca", "Dune"}));
    QCOMPARE(m.data(m.index(0, 0)).toString(), QStringLiteral("5")); // the key column
    QCOMPARE(m.keyOfRow(1), 4);
    QCOMPARE(m.rowOfKey(2), 4);
    QCOMPARE(m.rowOfKey(99), -1);
    QCOMPARE(column(m, 5), (QStringList{"117 min.", "", "", "102 min.", ""}));
    QCOMPARE(column(m, 6), (QStringList{"50", "40", "10", "30", "20"}));
    QCOMPARE(m.statusText(), QStringLiteral("Datenbank: 5 Filme vorhanden"));
    // the design query (with its trailing blank) gets line 1 set
    QCOMPARE(cat.store().haupt().sql().at(0), QStringLiteral("select *from haupt"));
}

void TestMovieListModel::fillFormatsCells()
{
    TempCatalog cat;
    cat.insertEntry(1, 1,
                    {{"titel", "A"}, {"bildformat", "1"}, {"bildtyp", "1"}, {"medienanzahl", 2}});
    cat.insertEntry(2, 2,
                    {{"titel", "B"},
                     {"preis", 7},
                     {"wertung", 7},
                     {"bildformat", "breit"},
                     {"fsk", "16"},
                     {"laufzeit", "95"}});
    cat.insertEntry(3, 3,
                    {{"titel", "C"},
                     {"preis", 3.456},
                     {"wertung", 0},
                     {"bildformat", "0"},
                     {"eingabedatum", "2026-12-11 00:00:00"}});
    MovieListModel m;
    m.setColumns({{"Preis", 60},
                  {"Titel", 100},
                  {"Wertung", 80},
                  {"Bildformat", 80},
                  {"Bildtyp", 50},
                  {"FSK", 30},
                  {"Spieldauer", 60},
                  {"Medienanzahl", 80},
                  {"Eingabedatum", 80},
                  {"Nummer", 40}});
    store::EntryNumbers numbers;
    m.fill(cat.store(), numbers);
    QCOMPARE(m.rowCells(0), (QStringList{"0.00 €", "A", "keine Wertung", "16:9 Widescreen", "NTSC",
                                         "0", "", "2 Datenträger", "", "1"}));
    QCOMPARE(m.rowCells(1),
             (QStringList{"7.00 €", "B", "Gut", "breit", "", "16", "95 min.", "", "", "2"}));
    QCOMPARE(m.rowCells(2), (QStringList{"3.46 €", "C", "keine Wertung", "4:3 Fullscreen", "", "0",
                                         "", "", "11.12.2026", "3"}));
}

void TestMovieListModel::fillCollectsVisibleNumbers()
{
    TempCatalog cat;
    insertFive(cat);
    cat.insert(QStringLiteral("haupt"), {{"nummer", 6}, {"titel", "Ohne Nummer"}});
    cat.insertEntry(7, 10, {{"titel", "Doppelt"}});
    store::EntryNumbers numbers;
    numbers.addnumber(99); // kept: a refill only adds
    MovieListModel m;
    m.fill(cat.store(), numbers);
    QCOMPARE(m.rowCount(), 7);
    QCOMPARE(numbers.numbers(), (QList<int>{10, 20, 30, 40, 50, 99}));
    m.fill(cat.store(), numbers);
    QCOMPARE(numbers.size(), 6);
    QCOMPARE(m.cell(m.rowOfKey(6), 6), QString());
}

void TestMovieListModel::missingColumnEndsFill()
{
    TempCatalog cat;
    insertFive(cat);
    MovieListModel m;
    store::EntryNumbers numbers;
    m.fill(cat.store(), numbers);
    QCOMPARE(m.rowCount(), 5);
    m.setColumns({{"Titel", 100}, {"Irgendwas", 50}});
    QVERIFY_THROWS_EXCEPTION(store::StoreError, m.fill(cat.store(), numbers));
    QCOMPARE(m.rowCount(), 0);
    QVERIFY(!cat.store().haupt().isOpen());
}

void TestMovieListModel::rowColours()
{
    TempCatalog cat;
    insertFive(cat);
    MovieListModel m;
    store::EntryNumbers numbers;
    m.fill(cat.store(), numbers);
    const QColor cream(255, 251, 240), white(255, 255, 255), lent(196, 200, 225);
    QCOMPARE(background(m, 0), cream);
    QCOMPARE(background(m, 1), white);
    QCOMPARE(background(m, 2), cream);
    QCOMPARE(background(m, 3), white); // the fourth row
    QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
    m.setLentKeys({1}); // Brazil, row 2
    QCOMPARE(changed.size(), 1);
    QCOMPARE(background(m, 2), lent);
    QCOMPARE(background(m, 0), cream);
    // narrowed, the colours follow the shown positions
    m.showOnly({2, 3, 4});
    QCOMPARE(background(m, 0), lent);
    QCOMPARE(background(m, 1), white);
    QCOMPARE(background(m, 2), cream);
}

void TestMovieListModel::alignmentRules()
{
    TempCatalog cat;
    insertFive(cat);
    MovieListModel m;
    store::EntryNumbers numbers;
    m.setColumns({{"Preis", 60}, {"Spieldauer", 60}, {"Titel", 100}, {"Nummer", 40}});
    m.fill(cat.store(), numbers);
    QCOMPARE(alignment(m, 1), int(Qt::AlignLeft)); // Preis first: left, not centred
    QCOMPARE(alignment(m, 2), int(Qt::AlignHCenter));
    QCOMPARE(alignment(m, 3), int(Qt::AlignLeft));
    QCOMPARE(alignment(m, 4), int(Qt::AlignRight));
    QCOMPARE(m.headerData(4, Qt::Horizontal, Qt::TextAlignmentRole).toInt() &
                 Qt::AlignHorizontal_Mask,
             int(Qt::AlignRight));
}

void TestMovieListModel::clickSortsGenreTwice()
{
    TempCatalog cat;
    insertFive(cat);
    MovieListModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    store::EntryNumbers numbers;
    auto& haupt = cat.store().haupt();
    haupt.setSql({QStringLiteral("select *from haupt"), QStringLiteral("order by Regie,titel")});
    m.fill(cat.store(), numbers);
    const int genre = 5; // model column of "Genre"
    m.sortByColumnClick(genre, cat.store(), numbers);
    QCOMPARE(haupt.sql().at(1), QStringLiteral("order by Genre,titel"));
    QCOMPARE(column(m, 0), (QStringList{"Casablanca", "Dune", "Alien", "Ärger", "Brazil"}));
    m.sortByColumnClick(genre, cat.store(), numbers);
    QCOMPARE(haupt.sql().at(1), QStringLiteral("order by Genre DESC, titel DESC"));
    QCOMPARE(column(m, 0), (QStringList{"Brazil", "Ärger", "Alien", "Dune", "Casablanca"}));
    // the key column does not sort
    m.sortByColumnClick(0, cat.store(), numbers);
    QCOMPARE(haupt.sql().at(1), QStringLiteral("order by Genre DESC, titel DESC"));
}

void TestMovieListModel::clickFromDesignClause()
{
    TempCatalog cat;
    insertFive(cat);
    MovieListModel m;
    store::EntryNumbers numbers;
    auto& haupt = cat.store().haupt();
    m.fill(cat.store(), numbers);
    m.sortByColumnClick(5, cat.store(), numbers);
    QCOMPARE(haupt.sql().at(1), QStringLiteral("order by Genre DESC, titel DESC"));
    QCOMPARE(m.cell(0, 4), QStringLiteral("Satire"));
    // Darsteller sorts by its trimmed text
    cat.db().execute(QStringLiteral("update haupt set darsteller = '  Zorro' where nummer = 5"));
    cat.db().execute(QStringLiteral("update haupt set darsteller = 'Anna' where nummer = 3"));
    cat.db().execute(
        QStringLiteral("update haupt set darsteller = 'Bert' where nummer <> 5 and nummer <> 3"));
    m.sortByColumnClick(2, cat.store(), numbers);
    QCOMPARE(haupt.sql().at(1), QStringLiteral("order by trim(Darsteller),titel"));
    QCOMPARE(m.cell(0, 0), QStringLiteral("Casablanca"));
    QCOMPARE(m.cell(4, 0), QStringLiteral("Alien"));
}

void TestMovieListModel::rebuildOneRow()
{
    TempCatalog cat;
    insertFive(cat);
    MovieListModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    store::EntryNumbers numbers;
    m.fill(cat.store(), numbers);
    const int row = m.rowOfKey(1);
    cat.db().execute(
        QStringLiteral("update haupt set titel = 'Brazil (Director''s Cut)', laufzeit = '142', "
                       "visiblenr = 77 where nummer = 1"));
    auto& haupt = cat.store().haupt();
    const QStringList listQuery = haupt.sql();
    QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
    QVERIFY(m.rebuildRow(row, cat.store()));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m.cell(row, 0), QStringLiteral("Brazil (Director's Cut)"));
    QCOMPARE(m.cell(row, 5), QStringLiteral("142 min."));
    QCOMPARE(m.cell(row, 6), QStringLiteral("77"));
    QCOMPARE(m.keyOfRow(row), 1);
    QCOMPARE(haupt.sql(), listQuery);
    // an entry deleted meanwhile leaves its row alone
    cat.db().execute(QStringLiteral("delete from haupt where nummer = 1"));
    QVERIFY(!m.rebuildRow(row, cat.store()));
    QCOMPARE(m.cell(row, 6), QStringLiteral("77"));
    QVERIFY(!m.rebuildRow(-1, cat.store()));
}

void TestMovieListModel::totalMoviesCount()
{
    TempCatalog cat;
    insertFive(cat);
    auto& haupt = cat.store().haupt();
    QVERIFY(!MovieListModel::totalmoviescount(cat.store()));
    haupt.setSql({QStringLiteral("select *from haupt where nummer = 3")});
    haupt.open();
    QCOMPARE(MovieListModel::totalmoviescount(cat.store()),
             std::optional<QString>(QStringLiteral("Datenbank: 5 Filme vorhanden")));
    QVERIFY(haupt.isOpen());
    QCOMPARE(haupt.sql(), QStringList{QStringLiteral("select *from haupt where nummer = 3")});
    QCOMPARE(haupt.text(QStringLiteral("titel")), QStringLiteral("Casablanca"));
}

void TestMovieListModel::removeAndNarrow()
{
    TempCatalog cat;
    insertFive(cat);
    MovieListModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    store::EntryNumbers numbers;
    m.fill(cat.store(), numbers);

    // narrowing shows a subset in the given order, each row once
    m.showOnly({4, 0, 2, 4, 99});
    QVERIFY(m.isNarrowed());
    QCOMPARE(column(m, 0), (QStringList{"Dune", "Alien", "Brazil"}));
    QCOMPARE(m.allRowIndex(1), 0);

    // removing shown rows removes them from the full list as well
    m.removeKeys({5, 2}); // Alien and Dune
    QCOMPARE(column(m, 0), QStringList{"Brazil"});
    m.showAll();
    QCOMPARE(column(m, 0), (QStringList{"Ärger", "Brazil", "Casablanca"}));
    QCOMPARE(m.allRows().size(), size_t(3));

    QVERIFY(m.removeRows(0, 2));
    QCOMPARE(column(m, 0), QStringList{"Casablanca"});
    QVERIFY(!m.removeRows(0, 5));
    m.removeKeys({12345});
    QCOMPARE(m.rowCount(), 1);
}

QTEST_GUILESS_MAIN(TestMovieListModel)
#include "tst_movielistmodel.moc"
