#include "detail/Ean13BarCode.h"

#include <QTest>

using korvel::detail::CreateBarCode;

namespace {

bool isBlack(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

// The modules as drawn: row 0 of the picture, 95 columns.
QString drawnModules(const QImage& image)
{
    QString m;
    for (int x = 0; x < 95; ++x)
        m += isBlack(image, x, 0) ? QLatin1Char('1') : QLatin1Char('0');
    return m;
}

// A left-half digit's set from its bars: set A has an odd number of dark modules, set B an
// even number.
QString leftParity(const QString& modules)
{
    QString p;
    for (int i = 0; i < 6; ++i)
        p += modules.mid(3 + 7 * i, 7).count(QLatin1Char('1')) % 2 ? QLatin1Char('A')
                                                                   : QLatin1Char('B');
    return p;
}

QString complement(QString s)
{
    for (QChar& c : s)
        c = c == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
    return s;
}

} // namespace

class TestEan13BarCode : public QObject
{
    Q_OBJECT

  private slots:
    void labels_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("valid");
        QTest::newRow("check digit 1") << "400638133393"
                                       << "4006381333931" << true;
        QTest::newRow("check digit 0") << "000000000000"
                                       << "0000000000000" << true;
        QTest::newRow("check digit 7") << "590123412345"
                                       << "5901234123457" << true;
        QTest::newRow("empty") << ""
                               << "Ungültiger EAN" << false;
        QTest::newRow("stored with check digit") << "4006381333931"
                                                 << "Ungültiger EAN" << false;
        QTest::newRow("eleven digits") << "40063813339"
                                       << "Ungültiger EAN" << false;
        QTest::newRow("twelve with a letter") << "40063813339A"
                                              << "Ungültiger EAN" << false;
        QTest::newRow("twelve with a blank") << "4006381 3393"
                                             << "Ungültiger EAN" << false;
        QTest::newRow("twelve Arabic-Indic digits")
            << QString(12, QChar(0x0664)) << "Ungültiger EAN" << false;
    }
    void labels()
    {
        QFETCH(QString, stored);
        QFETCH(QString, label);
        QFETCH(bool, valid);
        const auto code = CreateBarCode(stored);
        QCOMPARE(code.label, label);
        QCOMPARE(code.valid, valid);
        QCOMPARE(code.image.isNull(), !valid);
        if (valid)
            QCOMPARE(code.image.size(), QSize(105, 46));
    }

    void parityPattern_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("first digit 4") << "400638133393"
                                       << "ABAABB";
        QTest::newRow("first digit 0") << "012345678901"
                                       << "AAAAAA";
        QTest::newRow("first digit 1") << "123456789012"
                                       << "AABABB";
        QTest::newRow("first digit 9") << "987654321098"
                                       << "ABBABA";
    }
    void parityPattern()
    {
        QFETCH(QString, stored);
        QFETCH(QString, pattern);
        const QString modules = drawnModules(CreateBarCode(stored).image);
        QCOMPARE(leftParity(modules), pattern);
        // right half: set C, an even number of dark modules per digit
        for (int i = 0; i < 6; ++i)
            QCOMPARE(modules.mid(50 + 7 * i, 7).count(QLatin1Char('1')) % 2, 0);
    }

    // The digit patterns hang together as the published tables do: set C is set A inverted,
    // set B is set C reversed, and the 30 patterns differ from each other.
    void digitTablesAreConsistent()
    {
        QSet<QString> seen;
        for (int d = 0; d <= 9; ++d) {
            // first digit 0 puts digit d into set A at position 2, first digit 1 into set B at
            // position 4 (its pattern AABABB); the check digit does not matter here
            const QString a =
                drawnModules(CreateBarCode(QStringLiteral("0%1%1%1%1%1%1%1%1%1%1%1").arg(d)).image);
            const QString b =
                drawnModules(CreateBarCode(QStringLiteral("1%1%1%1%1%1%1%1%1%1%1%1").arg(d)).image);
            const QString setA = a.mid(3, 7), setB = b.mid(3 + 7 * 2, 7), setC = a.mid(50, 7);
            QCOMPARE(setC, complement(setA));
            QString reversed = setC;
            std::reverse(reversed.begin(), reversed.end());
            QCOMPARE(setB, reversed);
            QVERIFY(setA.startsWith(QLatin1Char('0')) && setA.endsWith(QLatin1Char('1')));
            seen << setA << setB << setC;
        }
        QCOMPARE(seen.size(), 30);
        // digit 4 in set A is 0100011, the published pattern
        QCOMPARE(drawnModules(CreateBarCode(QStringLiteral("044444444444")).image).mid(3, 7),
                 QStringLiteral("0100011"));
    }

    void picture()
    {
        const QImage image = CreateBarCode(QStringLiteral("400638133393")).image;
        const QString modules = drawnModules(image);
        QVERIFY(modules.startsWith(QStringLiteral("101")));
        QCOMPARE(modules.mid(45, 5), QStringLiteral("01010"));
        QVERIFY(modules.endsWith(QStringLiteral("101")));
        // guard bars at 0, 2, 46, 48, 92, 94 run the whole height
        for (int x : {0, 2, 46, 48, 92, 94}) {
            for (int y = 0; y < 46; ++y)
                QVERIFY2(isBlack(image, x, y),
                         qPrintable(QStringLiteral("x=%1 y=%2").arg(x).arg(y)));
        }
        QVERIFY(!isBlack(image, 47, 0));
        QVERIFY(!isBlack(image, 93, 0));
        // data bars are 40 pixels long; each column is all of one kind above that
        for (int x = 3; x < 92; ++x) {
            if (x >= 45 && x < 50)
                continue;
            const bool bar = modules[x] == QLatin1Char('1');
            QCOMPARE(isBlack(image, x, 39), bar);
            QVERIFY(!isBlack(image, x, 40));
            QVERIFY(!isBlack(image, x, 45));
        }
        // the ten columns right of the symbol stay white
        for (int x = 95; x < 105; ++x)
            for (int y = 0; y < 46; ++y)
                QVERIFY(!isBlack(image, x, y));
    }
};

QTEST_GUILESS_MAIN(TestEan13BarCode)
#include "tst_ean13BarCode.moc"
