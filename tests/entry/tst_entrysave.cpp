#include "entry/EntryRules.h"
#include "entry/EntrySave.h"
#include "store/EntryNumbers.h"
#include "store/StoreError.h"

#include "support/TempCatalog.h"

#include <QFile>
#include <QtTest>

using namespace korvel;
using entry::MovieEntry;
using testsupport::TempCatalog;

namespace {
MovieEntry entryTitled(const QString& titel, const QString& nummer)
{
    MovieEntry e;
    e.titel = titel;
    e.nummer = nummer;
    e.audio = {{"Deutsch", "Dolby AC-3", "5.1"}, {"Englisch", "DTS", "5.1"}};
    e.subtitles = {{"Deutsch", "caption/normal size char"}};
    return e;
}

int count(TempCatalog& cat, const QString& table, int key)
{
    store::RecordSet rs(cat.db(), QStringLiteral("probe"),
                        {QStringLiteral("select *from %1 where nummer = :k").arg(table)});
    rs.bind(QStringLiteral("k"), key);
    rs.open();
    return rs.recordCount();
}

QVariant stored(TempCatalog& cat, int key, const QString& column)
{
    store::RecordSet rs(cat.db(), QStringLiteral("probe"),
                        {QStringLiteral("select *from haupt where nummer = :k")});
    rs.bind(QStringLiteral("k"), key);
    rs.open();
    return rs.atEnd() ? QVariant() : rs.value(column);
}
} // namespace

class TestEntrySave : public QObject
{
    Q_OBJECT

  private slots:
    void duplicateTitle_data();
    void duplicateTitle();
    void twoSavesInARow();
    void invalidPriceWritesNothing();
    void thumbnailOnAdd();
    void editReplacesRowsAndNumbers();
    void editCover();
    void deleteSeveral();
};

void TestEntrySave::duplicateTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("exists");
    QTest::newRow("same") << "Matrix" << true;
    QTest::newRow("other case") << "MATRIX" << true;
    QTest::newRow("umlaut other case") << "ÄRGER IM PARADIES" << true;
    QTest::newRow("quotes in the title") << "Der \"Pate\"" << true;
    QTest::newRow("quote only part") << "Der \"Pate" << false;
    QTest::newRow("column name as title") << "genre" << false;
    QTest::newRow("unknown") << "Brazil" << false;
}

void TestEntrySave::duplicateTitle()
{
    QFETCH(QString, title);
    QFETCH(bool, exists);
    TempCatalog cat;
    cat.insertEntry(1, 1, {{"titel", "Matrix"}, {"genre", "Action"}});
    cat.insertEntry(2, 2, {{"titel", "Der \"Pate\""}});
    cat.insertEntry(3, 3, {{"titel", "Ärger im Paradies"}});
    auto& haupt = cat.store().haupt();
    const QStringList listQuery = haupt.sql();
    QCOMPARE(entry::titleExists(haupt, title), exists);
    QCOMPARE(haupt.sql(), listQuery);
}

void TestEntrySave::twoSavesInARow()
{
    TempCatalog cat;
    store::EntryNumbers numbers;
    for (int n = 1; n <= 10; ++n) {
        cat.insertEntry(n, n);
        numbers.addnumber(n);
    }
    int key = store::EntryNumbers::nextEntryKey(cat.store().haupt());
    QCOMPARE(key, 11);
    for (const QString& t : {QStringLiteral("Erster"), QStringLiteral("Zweiter")}) {
        const QString proposal = QString::number(numbers.getnextfreenumber());
        entry::saveNewEntry(cat.store(), numbers, entryTitled(t, proposal), key++,
                            QDate(2026, 5, 6));
    }
    QCOMPARE(stored(cat, 11, "titel").toString(), QStringLiteral("Erster"));
    QCOMPARE(stored(cat, 11, "visiblenr").toInt(), 11);
    QCOMPARE(stored(cat, 12, "titel").toString(), QStringLiteral("Zweiter"));
    QCOMPARE(stored(cat, 12, "visiblenr").toInt(), 12);
    QCOMPARE(numbers.getnextfreenumber(), 13);
    QCOMPARE(count(cat, "sprachen", 12), 2);
    QCOMPARE(count(cat, "untertitel", 12), 1);
    QCOMPARE(cat.store().haupt().sql().size(), 2); // the list query is back
}

void TestEntrySave::invalidPriceWritesNothing()
{
    TempCatalog cat;
    store::EntryNumbers numbers;
    MovieEntry e = entryTitled("Preisfehler", "5");
    e.preis = QStringLiteral("1.2.3");
    try {
        entry::saveNewEntry(cat.store(), numbers, e, 1, QDate(2026, 1, 1));
        QFAIL("saved with a price that is no number");
    } catch (const store::StoreError& err) {
        QCOMPARE(err.message(), entry::EntryRules::kPriceError);
    }
    QVERIFY(numbers.isEmpty());
    QVERIFY(!stored(cat, 1, "titel").isValid());
    QCOMPARE(count(cat, "sprachen", 1), 0);
}

void TestEntrySave::thumbnailOnAdd()
{
    TempCatalog cat;
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("c.jpg"));
    QFile f(picture);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("jpeg");
    f.close();
    store::EntryNumbers numbers;
    QStringList asked;
    const auto maker = [&](const QString& path) {
        asked << path;
        return QByteArray("thumb");
    };
    MovieEntry e = entryTitled("Mit Cover", "1");
    e.cover = picture;
    entry::saveNewEntry(cat.store(), numbers, e, 1, QDate(2026, 1, 1), maker);
    e.cover = dir.filePath(QStringLiteral("weg.jpg")); // deleted meanwhile
    entry::saveNewEntry(cat.store(), numbers, e, 2, QDate(2026, 1, 1), maker);
    QCOMPARE(asked, QStringList{picture});
    QCOMPARE(stored(cat, 1, "cover_thumb").toByteArray(), QByteArray("thumb"));
    QCOMPARE(stored(cat, 1, "cover").toString(), picture);
    QVERIFY(stored(cat, 2, "cover_thumb").isNull());
    QVERIFY(stored(cat, 2, "cover").isNull());
}

void TestEntrySave::editReplacesRowsAndNumbers()
{
    TempCatalog cat;
    store::EntryNumbers numbers;
    entry::saveNewEntry(cat.store(), numbers, entryTitled("Alt", "3"), 1, QDate(2026, 1, 1));
    entry::saveNewEntry(cat.store(), numbers, entryTitled("Andere", "4"), 2, QDate(2026, 1, 1));
    QCOMPARE(numbers.numbers(), (QList<int>{3, 4}));

    MovieEntry e = entryTitled("Neu", "7");
    e.audio = {{"Spanisch", "MPEG-1", "2.0"}};
    e.subtitles.clear();
    entry::saveEditedEntry(cat.store(), numbers, e, 1, 3, false);
    QCOMPARE(numbers.numbers(), (QList<int>{4, 7}));
    QCOMPARE(stored(cat, 1, "titel").toString(), QStringLiteral("Neu"));
    QCOMPARE(stored(cat, 1, "eingabedatum").toString(), QStringLiteral("2026-01-01 00:00:00"));
    QCOMPARE(count(cat, "sprachen", 1), 1);
    QCOMPARE(count(cat, "untertitel", 1), 0);
    QCOMPARE(count(cat, "sprachen", 2), 2); // the other entry keeps its rows

    // the same number kept: freed and registered again
    entry::saveEditedEntry(cat.store(), numbers, e, 1, 7, false);
    QCOMPARE(numbers.numbers(), (QList<int>{4, 7}));
}

void TestEntrySave::editCover()
{
    TempCatalog cat;
    cat.insertEntry(1, 1,
                    {{"titel", "X"}, {"cover", "/alt.jpg"}, {"cover_thumb", QByteArray("t")}});
    store::EntryNumbers numbers;
    MovieEntry e = entryTitled("X", "1");
    entry::saveEditedEntry(cat.store(), numbers, e, 1, 1, false);
    QCOMPARE(stored(cat, 1, "cover").toString(), QStringLiteral("/alt.jpg"));
    QCOMPARE(stored(cat, 1, "cover_thumb").toByteArray(), QByteArray("t"));
    e.cover = entry::kCoverOnOpening; // removed by a right click
    entry::saveEditedEntry(cat.store(), numbers, e, 1, 1, true);
    QCOMPARE(stored(cat, 1, "cover").toString(), QString());
    QVERIFY(stored(cat, 1, "cover_thumb").isNull());
}

void TestEntrySave::deleteSeveral()
{
    TempCatalog cat;
    store::EntryNumbers numbers;
    for (int k = 1; k <= 4; ++k)
        entry::saveNewEntry(cat.store(), numbers,
                            entryTitled(QStringLiteral("T%1").arg(k), QString::number(k * 10)), k,
                            QDate(2026, 1, 1));
    entry::deleteEntries(cat.store(), numbers, {1, 3, 4, 99});
    QCOMPARE(numbers.numbers(), QList<int>{20});
    for (int k : {1, 3, 4}) {
        QCOMPARE(count(cat, "haupt", k), 0);
        QCOMPARE(count(cat, "sprachen", k), 0);
        QCOMPARE(count(cat, "untertitel", k), 0);
    }
    QCOMPARE(count(cat, "haupt", 2), 1);
    QCOMPARE(count(cat, "sprachen", 2), 2);
    QCOMPARE(count(cat, "untertitel", 2), 1);
}

QTEST_GUILESS_MAIN(TestEntrySave)
#include "tst_entrysave.moc"
