#include "export/SpreadsheetExport.h"
#include "export/SpreadsheetWriter.h"
#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"
#include "store/StoreError.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using korvel::exporting::exportEntries;
using korvel::exporting::exportTable;

class TestSpreadsheetExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<korvel::store::CatalogStore> m_store;

    void addEntry(qint64 nummer, const QVariantMap& values)
    {
        QStringList columns{"nummer"}, names{":nummer"};
        QVariantMap params = values;
        params.insert("nummer", nummer);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            columns << it.key();
            names << ":" + it.key();
        }
        m_store->database().execute(QStringLiteral("insert into haupt (%1) values (%2)")
                                        .arg(columns.join(','), names.join(',')),
                                    params);
    }

  private slots:
    void initTestCase()
    {
        const QString path = m_dir.filePath("movies.mdb");
        korvel::store::CatalogSchema::createDefaultCatalogFile(path);
        m_store = std::make_unique<korvel::store::CatalogStore>();
        m_store->database().setPath(path);
        m_store->database().connect();
        addEntry(1, {{"titel", "Zorro"},
                     {"laufzeit", "95"},
                     {"preis", 12.5},
                     {"wertung", 7},
                     {"bildformat", "1"},
                     {"dvdtyp", "1"},
                     {"medienanzahl", 2},
                     {"visiblenr", 11},
                     {"kostueme", "Anna Müller"},
                     {"fsk", ""}});
        addEntry(2, {{"titel", QString(300, 'T')}, {"laufzeit", ""}, {"visiblenr", 12}});
        addEntry(3, {{"titel", "Alien"}, {"wertung", 0}, {"bildtyp", "1"}, {"visiblenr", 13}});
    }

    void tableInKeyOrder()
    {
        const QStringList captions{"Titel",     "Spieldauer",   "Preis",  "Wertung", "Bildformat",
                                   "Medientyp", "Medienanzahl", "Nummer", "Kostüme", "FSK"};
        const auto table = exportTable(m_store->haupt(), captions, {3, 1, 99, 2});
        QCOMPARE(table.size(), 5); // 99 names no entry
        QCOMPARE(table[0], captions);
        QCOMPARE(table[1], QStringList(QList<QString>(captions.size())));
        QCOMPARE(table[2][0], QStringLiteral("Alien"));
        QCOMPARE(table[2][3], QStringLiteral("keine Wertung"));
        QCOMPARE(table[3], (QStringList{"Zorro", "95 min.", "12.5€", "Gut", "16:9 Widescreen",
                                        "DVD-9", "2 Datenträger", "11", "Anna Müller", ""}));
        QCOMPARE(table[4][0], QString(300, 'T'));
        QCOMPARE(table[4][1], QString()); // empty running time: no " min."
    }

    void borrowedQueryIsGivenBack()
    {
        auto& haupt = m_store->haupt();
        haupt.setSql({"select *from haupt", "order by titel"});
        haupt.open();
        exportTable(haupt, {"Titel"}, {2});
        QVERIFY(haupt.isOpen());
        QCOMPARE(haupt.sql(), (QStringList{"select *from haupt", "order by titel"}));
        QCOMPARE(haupt.text("titel"), QStringLiteral("Alien"));

        // a caption naming no column ends the export with the store's error, query given back
        QVERIFY_THROWS_EXCEPTION(korvel::store::StoreError,
                                 exportTable(haupt, {"Titel", "Unbekannt"}, {1}));
        QVERIFY(haupt.isOpen());
        QCOMPARE(haupt.sql(), (QStringList{"select *from haupt", "order by titel"}));
        haupt.close();
        exportTable(haupt, {"Titel"}, {1});
        QVERIFY(!haupt.isOpen());
    }

    void fileForOneFieldAndOneEntry()
    {
        const QString path = m_dir.filePath("one.xls");
        QString error;
        QVERIFY2(exportEntries(m_store->haupt(), {"Titel"}, {1}, path, &error), qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().toHex(' '),
                 QByteArray("09 08 08 00 00 00 10 00 00 00 00 00 "
                            "04 02 0d 00 00 00 00 00 00 00 05 00 54 69 74 65 6c "
                            "04 02 08 00 01 00 00 00 00 00 00 00 "
                            "04 02 0d 00 02 00 00 00 00 00 05 00 5a 6f 72 72 6f "
                            "0a 00 00 00"));
    }

    // The file opens in a real spreadsheet program with every cell as written.
    void opensInLibreOffice()
    {
        QString office = QStandardPaths::findExecutable("soffice");
        if (office.isEmpty())
            office = QStandardPaths::findExecutable("libreoffice");
        if (office.isEmpty())
            QSKIP("LibreOffice is not installed");
        const QStringList captions{"Titel", "Spieldauer", "Preis", "Kostüme", "Bildformat"};
        const QString path = m_dir.filePath("calc.xls");
        QVERIFY(exportEntries(m_store->haupt(), captions, {1, 2, 3}, path));
        const auto table = exportTable(m_store->haupt(), captions, {1, 2, 3});

        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        p.start(office, {"-env:UserInstallation=file://" + m_dir.filePath("lo-profile"),
                         "--headless", "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1",
                         "--outdir", m_dir.filePath("csv"), path});
        QVERIFY(p.waitForFinished(180000));
        QFile csv(m_dir.filePath("csv/calc.csv"));
        QVERIFY2(csv.open(QIODevice::ReadOnly), p.readAllStandardError().constData());
        const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), table.size());
        for (int r = 0; r < table.size(); ++r) {
            QStringList expected;
            for (QString cell : table[r]) {
                if (cell.size() > 255)
                    cell = cell.left(251) + "...";
                expected << (cell.contains(',') || cell.contains('"')
                                 ? '"' + cell.replace('"', "\"\"") + '"'
                                 : cell);
            }
            QCOMPARE(lines[r].trimmed(), expected.join(','));
        }
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "tst_spreadsheetExport.moc"
