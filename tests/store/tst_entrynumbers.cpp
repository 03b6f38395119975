#include "store/EntryNumbers.h"

#include "support/TempCatalog.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using korvel::store::EntryNumbers;
using korvel::testsupport::TempCatalog;

class TestEntryNumbers : public QObject
{
    Q_OBJECT

  private slots:
    void proposal_data();
    void proposal();
    void deleteFreesNumberForProposal();
    void heldOnce();
    void addDialogProposesInSequence();
    void arraySort_data();
    void arraySort();
    void nextKey_data();
    void nextKey();
    void nextKeyRestoresListQuery();
    void nextKeyAfterDeletingHighest();
};

using IntList = QList<int>;

void TestEntryNumbers::proposal_data()
{
    QTest::addColumn<IntList>("inUse");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty set") << IntList{} << 1;
    QTest::newRow("1 2 3") << IntList{1, 2, 3} << 4;
    QTest::newRow("gap at 2") << IntList{1, 3} << 2;
    QTest::newRow("5 6, nothing below proposed") << IntList{5, 6} << 7;
    QTest::newRow("3 4 6") << IntList{3, 4, 6} << 5;
    QTest::newRow("3 4 not 1") << IntList{3, 4} << 5;
    QTest::newRow("added out of order") << IntList{10, 2, 1, 4, 3} << 5;
    QTest::newRow("single number") << IntList{42} << 43;
    QTest::newRow("negative and zero") << IntList{-1, 0, 1} << 2;
    QTest::newRow("largest int") << IntList{2147483646, 2147483647} << 2147483647;
}

void TestEntryNumbers::proposal()
{
    QFETCH(IntList, inUse);
    QFETCH(int, expected);
    EntryNumbers numbers;
    for (int n : inUse)
        numbers.addnumber(n);
    QCOMPARE(numbers.getnextfreenumber(), expected);
}

void TestEntryNumbers::deleteFreesNumberForProposal()
{
    EntryNumbers numbers;
    for (int n : {1, 2, 3})
        numbers.addnumber(n);
    QCOMPARE(numbers.getnextfreenumber(), 4);
    numbers.deletenumber(2);
    QCOMPARE(numbers.getnextfreenumber(), 2);
    numbers.deletenumber(99); // not held: nothing happens
    QCOMPARE(numbers.numbers(), (IntList{1, 3}));
}

void TestEntryNumbers::heldOnce()
{
    // a number typed twice is held once; deleting one of the two entries frees it
    EntryNumbers numbers;
    numbers.addnumber(7);
    numbers.addnumber(7);
    QCOMPARE(numbers.size(), 1);
    numbers.deletenumber(7);
    QVERIFY(!numbers.contains(7));
    QVERIFY(numbers.isEmpty());
    QCOMPARE(numbers.getnextfreenumber(), 1);
}

void TestEntryNumbers::addDialogProposesInSequence()
{
    EntryNumbers numbers;
    for (int n = 1; n <= 10; ++n)
        numbers.addnumber(n);
    IntList proposed;
    for (int i = 0; i < 3; ++i) {
        const int n = numbers.getnextfreenumber();
        proposed << n;
        numbers.addnumber(n);
    }
    QCOMPARE(proposed, (IntList{11, 12, 13}));
}

void TestEntryNumbers::arraySort_data()
{
    QTest::addColumn<IntList>("values");
    QTest::newRow("empty") << IntList{};
    QTest::newRow("one") << IntList{5};
    QTest::newRow("two reversed") << IntList{2, 1};
    QTest::newRow("sorted") << IntList{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("reversed") << IntList{9, 8, 7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("duplicates") << IntList{3, 1, 3, 3, 2, 1, 3};
    QTest::newRow("all equal") << IntList(50, 4);
    QTest::newRow("negatives") << IntList{0, -5, 12, -2147483647 - 1, 2147483647, -5};
    IntList random;
    QRandomGenerator r(7);
    for (int i = 0; i < 5000; ++i)
        random << int(r.bounded(-1000, 1000));
    QTest::newRow("5000 random") << random;
    IntList organPipe;
    for (int i = 0; i < 2000; ++i)
        organPipe << (i < 1000 ? i : 2000 - i);
    QTest::newRow("organ pipe") << organPipe;
}

void TestEntryNumbers::arraySort()
{
    QFETCH(IntList, values);
    IntList expected = values;
    std::sort(expected.begin(), expected.end());
    EntryNumbers::ArraySort(values);
    QCOMPARE(values, expected);
}

void TestEntryNumbers::nextKey_data()
{
    QTest::addColumn<IntList>("keys");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty catalog") << IntList{} << 1;
    QTest::newRow("1 2 7") << IntList{1, 2, 7} << 8;
    QTest::newRow("inserted out of order") << IntList{7, 1, 2} << 8;
    QTest::newRow("gaps are not reused") << IntList{3, 10} << 11;
}

void TestEntryNumbers::nextKey()
{
    QFETCH(IntList, keys);
    QFETCH(int, expected);
    TempCatalog cat;
    for (int k : keys)
        cat.insertEntry(k, k);
    QCOMPARE(EntryNumbers::nextEntryKey(cat.store().haupt()), expected);
}

void TestEntryNumbers::nextKeyRestoresListQuery()
{
    TempCatalog cat;
    cat.insertEntry(4, 1);
    auto& haupt = cat.store().haupt();
    const QStringList listQuery{QStringLiteral("select *from haupt"),
                                QStringLiteral("order by Genre DESC, titel DESC")};
    haupt.setSql(listQuery);
    QCOMPARE(EntryNumbers::nextEntryKey(haupt), 5);
    QCOMPARE(haupt.sql(), listQuery);
    QVERIFY(!haupt.isOpen());
}

void TestEntryNumbers::nextKeyAfterDeletingHighest()
{
    TempCatalog cat;
    for (int k : {1, 2, 7})
        cat.insertEntry(k, k);
    auto& haupt = cat.store().haupt();
    const int key = EntryNumbers::nextEntryKey(haupt);
    QCOMPARE(key, 8);
    cat.insertEntry(key, 4);
    QCOMPARE(EntryNumbers::nextEntryKey(haupt), 9);
    cat.db().execute(QStringLiteral("delete from haupt where nummer = :k"), {{"k", key}});
    QCOMPARE(EntryNumbers::nextEntryKey(haupt), 8);
}

QTEST_GUILESS_MAIN(TestEntryNumbers)
#include "tst_entrynumbers.moc"
