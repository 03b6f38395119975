#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace korvel::store;

// The store against real temporary catalogs.
class TestCatalogStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CatalogStore> m_store;
    QString m_path;

    void insertEntry(int nummer, const QString& titel, const QVariantMap& more = {})
    {
        QVariantMap p{{QStringLiteral("n"), nummer}, {QStringLiteral("t"), titel}};
        m_store->database().execute(
            QStringLiteral("insert into haupt (nummer, titel) values (:n, :t)"), p);
        for (auto it = more.cbegin(); it != more.cend(); ++it)
            m_store->database().execute(
                QStringLiteral("update haupt set %1 = :v where nummer = :n").arg(it.key()),
                {{QStringLiteral("v"), it.value()}, {QStringLiteral("n"), nummer}});
    }

    QStringList titlesOf(const QStringList& sql, const QVariantMap& params = {})
    {
        BorrowedQuery q(m_store->haupt(), sql, params);
        QStringList out;
        for (; !q->atEnd(); q->next())
            out << q->text(QStringLiteral("titel"));
        return out;
    }

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("t%1.mdb").arg(QTest::currentTestFunction()));
        QFile::remove(m_path);
        CatalogSchema::createDefaultCatalogFile(m_path);
        m_store = std::make_unique<CatalogStore>();
        m_store->database().setPath(m_path);
        m_store->database().connect();
    }
    void cleanup() { m_store.reset(); }

    void emptyCatalogOpensAtEnd()
    {
        RecordSet& h = m_store->haupt();
        h.setSql({QStringLiteral("select *from haupt")});
        h.open();
        QVERIFY(h.atEnd());
        QCOMPARE(h.recordCount(), 0);
        QVERIFY_THROWS_EXCEPTION(StoreError, h.text(QStringLiteral("titel")));
    }

    void nullReadsAsEmpty()
    {
        insertEntry(1, QStringLiteral("Leer"));
        RecordSet& h = m_store->haupt();
        h.open();
        QVERIFY(!h.atEnd());
        QCOMPARE(h.text(QStringLiteral("regie")), QString());
        QCOMPARE(h.text(QStringLiteral("wertung")), QString());
        QCOMPARE(h.integer(QStringLiteral("wertung")), 0);
        QVERIFY(h.isNull(QStringLiteral("preis")));
        QVERIFY(!h.isNull(QStringLiteral("TITEL"))); // column names without regard to case
        QVERIFY(h.hasColumn(QStringLiteral("Visiblenr")));
        QVERIFY(!h.hasColumn(QStringLiteral("nosuchcolumn")));
        QVERIFY_THROWS_EXCEPTION(StoreError, h.text(QStringLiteral("nosuchcolumn")));
    }

    void textIsCutToColumnWidth_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("width");
        QTest::newRow("titel varchar(80)") << "titel" << 80;
        QTest::newRow("region varchar(1)") << "region" << 1;
        QTest::newRow("ean varchar(12)") << "ean" << 12;
        QTest::newRow("darsteller memo keeps all") << "darsteller" << 5000;
    }
    void textIsCutToColumnWidth()
    {
        QFETCH(QString, column);
        QFETCH(int, width);
        const QString longText = QString(4000, QLatin1Char('x')) + QString(1000, QChar(0xE4));
        RecordSet& h = m_store->haupt();
        h.open();
        h.append();
        h.setInteger(QStringLiteral("nummer"), 7);
        h.setText(column, longText);
        h.post();
        h.close();
        BorrowedQuery q(h, {QStringLiteral("select *from haupt where nummer = 7")});
        QCOMPARE(q->text(column), longText.left(width));
    }

    void quotesAreStoredAndFoundAsTyped()
    {
        const QString title = QStringLiteral("Say \"Hi\" to O'Brien; drop table haupt --");
        RecordSet& h = m_store->haupt();
        h.open();
        h.append();
        h.setInteger(QStringLiteral("nummer"), 1);
        h.setText(QStringLiteral("titel"), title);
        h.post();
        h.close();
        QCOMPARE(titlesOf({QStringLiteral("select *from haupt where titel = :titel")},
                          {{QStringLiteral("titel"), title}}),
                 QStringList{title});
        QVERIFY(m_store->database().hasTable(QStringLiteral("haupt")));
    }

    void germanCaseInsensitiveEquality_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("searched");
        QTest::addColumn<bool>("found");
        QTest::newRow("umlaut case") << "Müller" << "MÜLLER" << true;
        QTest::newRow("ascii case") << "Matrix" << "matrix" << true;
        QTest::newRow("accent counts for equality") << "Müller" << "Muller" << false;
        QTest::newRow("sharp s") << "Straße" << "STRASSE" << false;
        QTest::newRow("different word") << "Matrix" << "Matrix 2" << false;
    }
    void germanCaseInsensitiveEquality()
    {
        QFETCH(QString, stored);
        QFETCH(QString, searched);
        QFETCH(bool, found);
        insertEntry(1, stored);
        const QStringList hits = titlesOf({QStringLiteral("select *from haupt where titel = :t")},
                                          {{QStringLiteral("t"), searched}});
        QCOMPARE(hits.size(), found ? 1 : 0);
    }

    void germanOrder()
    {
        const QStringList titles{QStringLiteral("Zorro"), QStringLiteral("Äpfel"),
                                 QStringLiteral("Apfelmus"), QStringLiteral("apfel"),
                                 QStringLiteral("Öl"), QStringLiteral("Ofen"),
                                 QStringLiteral("Bär")};
        for (int i = 0; i < titles.size(); ++i)
            insertEntry(i + 1, titles[i]);
        const QStringList expected{QStringLiteral("apfel"), QStringLiteral("Äpfel"),
                                   QStringLiteral("Apfelmus"), QStringLiteral("Bär"),
                                   QStringLiteral("Ofen"), QStringLiteral("Öl"),
                                   QStringLiteral("Zorro")};
        QCOMPARE(titlesOf({QStringLiteral("select *from haupt "), QStringLiteral("order by titel")}),
                 expected);
        QStringList reversed = expected;
        std::reverse(reversed.begin(), reversed.end());
        QCOMPARE(titlesOf({QStringLiteral("select *from haupt"),
                           QStringLiteral("order by titel DESC, titel DESC")}),
                 reversed);
    }

    void trimAsSortKey()
    {
        insertEntry(1, QStringLiteral("B"), {{QStringLiteral("darsteller"), QStringLiteral("   Zeta")}});
        insertEntry(2, QStringLiteral("A"), {{QStringLiteral("darsteller"), QStringLiteral("Alpha")}});
        insertEntry(3, QStringLiteral("C"), {{QStringLiteral("darsteller"), QStringLiteral("  beta")}});
        QCOMPARE(titlesOf({QStringLiteral("select *from haupt"),
                           QStringLiteral("order by trim(Darsteller), titel")}),
                 (QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("B")}));
    }

    void editPostDeleteAndCursor()
    {
        for (int i = 1; i <= 4; ++i)
            insertEntry(i, QStringLiteral("T%1").arg(i));
        RecordSet& h = m_store->haupt();
        h.setSql({QStringLiteral("select *from haupt"), QStringLiteral("order by nummer")});
        h.open();
        QCOMPARE(h.recordCount(), 4);
        h.next();
        h.edit();
        h.setText(QStringLiteral("titel"), QStringLiteral("Zwei"));
        h.post();
        QCOMPARE(h.text(QStringLiteral("titel")), QStringLiteral("Zwei")); // posted values show
        h.remove(); // entry 2 goes; the cursor moves to 3
        QCOMPARE(h.integer(QStringLiteral("nummer")), 3);
        h.last();
        QCOMPARE(h.integer(QStringLiteral("nummer")), 4);
        h.next();
        QVERIFY(h.atEnd());
        h.first();
        QCOMPARE(h.integer(QStringLiteral("nummer")), 1);
        h.close();
        QCOMPARE(titlesOf({QStringLiteral("select *from haupt"), QStringLiteral("order by nummer")}),
                 (QStringList{QStringLiteral("T1"), QStringLiteral("T3"), QStringLiteral("T4")}));
    }

    void valuesOfEveryKind()
    {
        RecordSet& h = m_store->haupt();
        h.open();
        h.append();
        h.setInteger(QStringLiteral("nummer"), 9);
        h.setNumber(QStringLiteral("preis"), 12.5);
        h.setDate(QStringLiteral("eingabedatum"), QDateTime(QDate(2026, 12, 11), QTime(0, 0)));
        h.setText(QStringLiteral("wertung"), QStringLiteral("7"));
        const QByteArray picture("\xFF\xD8\x00\x01jpeg", 8);
        h.writePicture(QStringLiteral("cover_thumb"), picture);
        h.post();
        h.close();
        BorrowedQuery q(h, {QStringLiteral("select *from haupt where nummer=9")});
        QCOMPARE(q->number(QStringLiteral("preis")), 12.5);
        QCOMPARE(q->integer(QStringLiteral("wertung")), 7);
        QCOMPARE(q->text(QStringLiteral("wertung")), QStringLiteral("7"));
        QCOMPARE(q->date(QStringLiteral("eingabedatum")).date(), QDate(2026, 12, 11));
        QCOMPARE(q->text(QStringLiteral("eingabedatum")), QStringLiteral("11.12.2026"));
        QCOMPARE(q->readPicture(QStringLiteral("cover_thumb")), picture);
        QVERIFY(q->isShortText(QStringLiteral("titel")));
        QVERIFY(q->isLongText(QStringLiteral("darsteller")));
        QVERIFY(!q->isShortText(QStringLiteral("darsteller")));
    }

    void createTableWithoutColumnsThenAdd()
    {
        CatalogDatabase& db = m_store->database();
        db.execute(QStringLiteral("CREATE TABLE Probe"));
        db.execute(QStringLiteral("ALTER TABLE Probe ADD COLUMN a INTEGER"));
        db.execute(QStringLiteral("alter table Probe add column b VARCHAR(5)"));
        db.execute(QStringLiteral("ALTER TABLE Probe ADD COLUMN c MEMO"));
        db.execute(QStringLiteral("ALTER TABLE Probe ADD COLUMN d IMAGE"));
        const auto cols = db.columns(QStringLiteral("Probe"));
        QCOMPARE(cols.size(), 4);
        QCOMPARE(cols[0].type.kind, ColumnType::Integer);
        QCOMPARE(cols[1].type.kind, ColumnType::ShortText);
        QCOMPARE(cols[1].type.width, 5);
        QCOMPARE(cols[2].type.kind, ColumnType::LongText);
        QCOMPARE(cols[3].type.kind, ColumnType::Image);
        QVERIFY(db.tableNames().contains(QStringLiteral("Probe")));
        QVERIFY(!db.tableNames().contains(QStringLiteral("probe"))); // exact case
        QCOMPARE(db.execute(QStringLiteral("INSERT INTO Probe (a,b) VALUES (1,'x')")), 1);
    }

    void alterColumnKeepsData()
    {
        CatalogDatabase& db = m_store->database();
        insertEntry(1, QStringLiteral("Erster"), {{QStringLiteral("darsteller"), QStringLiteral("A, B")},
                                                  {QStringLiteral("visiblenr"), 12}});
        insertEntry(2, QStringLiteral("Zweiter mit langem Titel"));
        db.execute(QStringLiteral("ALTER TABLE haupt ALTER COLUMN titel memo"));
        db.execute(QStringLiteral("alter table haupt\r\nalter column\r\nvisiblenr\r\nvarchar(10)\r\n"));
        db.execute(QStringLiteral("ALTER TABLE haupt ALTER COLUMN visiblenr integer"));
        db.execute(QStringLiteral("ALTER TABLE haupt ALTER COLUMN titel varchar(7)"));
        const auto cols = db.columns(QStringLiteral("haupt"));
        QCOMPARE(cols[1].name, QStringLiteral("titel")); // column order kept
        QCOMPARE(cols[1].type.width, 7);
        BorrowedQuery q(m_store->haupt(), {QStringLiteral("select *from haupt"), QStringLiteral("order by nummer")});
        QCOMPARE(q->text(QStringLiteral("titel")), QStringLiteral("Erster"));
        QCOMPARE(q->text(QStringLiteral("darsteller")), QStringLiteral("A, B"));
        QCOMPARE(q->integer(QStringLiteral("visiblenr")), 12);
        q->next();
        QCOMPARE(q->text(QStringLiteral("titel")), QStringLiteral("Zweiter"));
    }

    void transactionRollsBackWhole()
    {
        CatalogDatabase& db = m_store->database();
        {
            Transaction t(db);
            insertEntry(1, QStringLiteral("Halb"));
            db.execute(QStringLiteral("insert into sprachen (nummer, sprache) values (1, 'Deutsch')"));
            // no commit: as if the program failed here
        }
        QCOMPARE(titlesOf({QStringLiteral("select *from haupt")}), QStringList());
        {
            Transaction t(db);
            insertEntry(2, QStringLiteral("Ganz"));
            t.commit();
        }
        QCOMPARE(titlesOf({QStringLiteral("select *from haupt")}), QStringList{QStringLiteral("Ganz")});
    }

    void borrowedQueryPutsTheListQueryBack()
    {
        RecordSet& h = m_store->haupt();
        const QStringList listQuery = h.sql();
        {
            BorrowedQuery q(h, {QStringLiteral("select *from haupt where nummer = 1")});
        }
        QCOMPARE(h.sql(), listQuery);
        QCOMPARE(h.sqlText(), QStringLiteral("select *from haupt \r\norder by titel\r\n"));
    }

    void errors()
    {
        CatalogStore notConnected;
        QVERIFY_THROWS_EXCEPTION(StoreError, notConnected.database().execute(QStringLiteral("delete from haupt")));
        QVERIFY_THROWS_EXCEPTION(StoreError, notConnected.haupt().open());
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 m_store->database().execute(QStringLiteral("select nonsense from")));
        QVERIFY_THROWS_EXCEPTION(StoreError, m_store->database().execute(
                                                 QStringLiteral("ALTER TABLE haupt ALTER COLUMN nix memo")));
        try {
            m_store->database().execute(QStringLiteral("delete from nosuchtable"));
            QFAIL("no error");
        } catch (const StoreError& e) {
            QVERIFY2(e.message().contains(QLatin1String("nosuchtable")), qPrintable(e.message()));
        }
    }

    void connectRefusesWhatIsNoCatalog_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing file") << QByteArray() << false;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("text file") << QByteArray("Dies ist keine Datenbank.\r\n") << true;
        QTest::newRow("damaged header") << QByteArray("SQLite format 3\0garbagegarbage", 31) << true;
    }
    void connectRefusesWhatIsNoCatalog()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        const QString path = m_dir.filePath(QStringLiteral("bad.mdb"));
        QFile::remove(path);
        if (create) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        CatalogDatabase db;
        db.setPath(path);
        QVERIFY_THROWS_EXCEPTION(StoreError, db.connect());
        QVERIFY(!db.isConnected());
    }

    void compactKeepsEverything()
    {
        Transaction t(m_store->database());
        for (int i = 1; i <= 200; ++i)
            insertEntry(i, QStringLiteral("Titel %1").arg(i), {{QStringLiteral("beschreibung"), QString(2000, QLatin1Char('b'))}});
        m_store->database().execute(QStringLiteral("delete from haupt where nummer > 10"));
        t.commit();
        m_store->database().disconnect();
        const qint64 before = QFileInfo(m_path).size();
        CatalogDatabase::compactFile(m_path);
        QVERIFY(QFileInfo(m_path).size() < before);
        QVERIFY(QDir(m_dir.path()).entryList({QStringLiteral("mdb*")}).isEmpty());
        m_store->database().connect();
        QCOMPARE(titlesOf({QStringLiteral("select *from haupt")}).size(), 10);
    }

    // Other SQLite tools can still read the file: no collation is declared in it.
    void fileStaysReadableByPlainSqlite()
    {
        insertEntry(1, QStringLiteral("b"));
        insertEntry(2, QStringLiteral("A"));
        m_store->database().disconnect();
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(m_path.toUtf8().constData(), &db), SQLITE_OK);
        sqlite3_stmt* st = nullptr;
        QCOMPARE(sqlite3_prepare_v2(db, "select titel from haupt order by titel", -1, &st, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_step(st), SQLITE_ROW);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))), QByteArray("A"));
        sqlite3_finalize(st);
        sqlite3_close(db);
    }
};

QTEST_GUILESS_MAIN(TestCatalogStore)
#include "tst_catalogstore.moc"
