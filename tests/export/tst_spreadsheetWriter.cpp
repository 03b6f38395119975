#include "export/SpreadsheetWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using korvel::exporting::spreadsheetBytes;
using korvel::exporting::SpreadsheetWriter;
using korvel::exporting::writeSpreadsheet;

namespace {

const QByteArray start = QByteArray::fromHex("090808000000100000000000");
const QByteArray end = QByteArray::fromHex("0a000000");

QByteArray cell(int row, int column, const QByteArray& text)
{
    QByteArray c = QByteArray::fromHex("0402");
    for (int v : {int(text.size()) + 8, row, column, 0, int(text.size())}) {
        c.append(char(v & 0xFF));
        c.append(char(v >> 8));
    }
    return c + text;
}

} // namespace

class TestSpreadsheetWriter : public QObject
{
    Q_OBJECT

  private slots:
    void oneFieldOneEntry()
    {
        const QByteArray bytes = spreadsheetBytes({{"Titel"}, {""}, {"Zorro"}});
        QCOMPARE(bytes, start + cell(0, 0, "Titel") + cell(1, 0, "") + cell(2, 0, "Zorro") + end);
        // literally: the empty cell is a record of length 8
        QCOMPARE(bytes.mid(12 + 17, 12).toHex(), QByteArray("040208000100000000000000"));
    }

    void cellsRowByRow()
    {
        const QByteArray bytes = spreadsheetBytes({{"a", "b"}, {"", ""}, {"c", "d"}});
        QCOMPARE(bytes, start + cell(0, 0, "a") + cell(0, 1, "b") + cell(1, 0, "") +
                            cell(1, 1, "") + cell(2, 0, "c") + cell(2, 1, "d") + end);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("umlauts and euro in Windows-1252")
            << QStringLiteral("Kostüme 9,99€") << QByteArray("Kost\xFCme 9,99\x80");
        QTest::newRow("255 characters stay") << QString(255, 'x') << QByteArray(255, 'x');
        QTest::newRow("256 characters cut") << QString(256, 'x') << QByteArray(251, 'x') + "...";
        QTest::newRow("300-character title")
            << QString(300, QChar(0xE4)) << QByteArray(251, '\xE4') + "...";
        QTest::newRow("character outside the code page") << QStringLiteral("Ω") << QByteArray("?");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, written);
        QCOMPARE(SpreadsheetWriter::cellText(text), written);
        QCOMPARE(spreadsheetBytes({{text}}), start + cell(0, 0, written) + end);
    }

    void rowIndexesAboveTheLimit()
    {
        // the last row index that fits is 65535, written as FF FF
        QList<QStringList> rows(SpreadsheetWriter::maxRows, QStringList{QString()});
        QByteArray bytes = spreadsheetBytes(rows);
        QCOMPARE(bytes.size(), 12 + 12 * SpreadsheetWriter::maxRows + 4);
        QCOMPARE(bytes.mid(bytes.size() - 16, 12).toHex(), QByteArray("04020800ffff000000000000"));

        rows << QStringList{"zu viel"};
        QVERIFY(spreadsheetBytes(rows).isEmpty());
        QTemporaryDir dir;
        const QString path = dir.filePath("gross.xls");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt");
        old.close();
        QString error;
        QVERIFY(!writeSpreadsheet(path, rows, &error));
        QVERIFY(error.contains(QStringLiteral("65536")));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("alt")); // the former file is untouched
    }

    void writesAndReplacesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("export.xls");
        QVERIFY(writeSpreadsheet(path, {{"Titel"}, {""}, {"Lang und länger"}}));
        QVERIFY(writeSpreadsheet(path, {{"Titel"}, {""}, {"Kurz"}}));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), spreadsheetBytes({{"Titel"}, {""}, {"Kurz"}}));

        QString error;
        QVERIFY(!writeSpreadsheet(dir.filePath("no/such/folder/x.xls"), {{"a"}}, &error));
        QVERIFY(error.contains(QStringLiteral("x.xls")));
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheetWriter)
#include "tst_spreadsheetWriter.moc"
