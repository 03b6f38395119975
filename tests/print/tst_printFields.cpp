#include "print/PrintFields.h"

#include <QTest>

namespace PF = korvel::print::PrintFields;

class TestPrintFields : public QObject
{
    Q_OBJECT

  private slots:
    void captions()
    {
        QCOMPARE(PF::captions().size(), 27);
        QCOMPARE(PF::captions().first(), QStringLiteral("Bildformat"));
        QCOMPARE(PF::captions().last(), QStringLiteral("Wertung"));
        QVERIFY(PF::isCaption(QStringLiteral("Darsteller Ext")));
        QVERIFY(!PF::isCaption(QStringLiteral("titel")));
    }

    void columns_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("heading");
        QTest::newRow("Titel") << "Titel"
                               << "titel"
                               << "Titel";
        QTest::newRow("Darsteller Ext") << "Darsteller Ext"
                                        << "darsteller"
                                        << "Darsteller";
        QTest::newRow("DVD-Extras") << "DVD-Extras"
                                    << "dvdextras"
                                    << "DVD-Extras";
        QTest::newRow("Effekte") << "Effekte"
                                 << "visuelle_effekte"
                                 << "Effekte";
        QTest::newRow("Kostüme") << "Kostüme"
                                 << "kostueme"
                                 << "Kostüme";
        QTest::newRow("Inhaltsangabe") << "Inhaltsangabe"
                                       << "beschreibung"
                                       << "Inhaltsangabe";
        QTest::newRow("Nummer") << "Nummer"
                                << "visiblenr"
                                << "Nummer";
        QTest::newRow("Buch") << "Buch"
                              << "buch"
                              << "Buch";
        QTest::newRow("unknown stays") << "Cover"
                                       << "Cover"
                                       << "Cover";
    }
    void columns()
    {
        QFETCH(QString, caption);
        QFETCH(QString, column);
        QFETCH(QString, heading);
        QCOMPARE(PF::column(caption), column);
        QCOMPARE(PF::heading(caption), heading);
    }

    void printedText_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("printed");
        QTest::newRow("Bildformat 0") << "Bildformat"
                                      << "0"
                                      << "4:3";
        QTest::newRow("Bildformat 1") << "Bildformat"
                                      << "1"
                                      << "16:9";
        QTest::newRow("Bildformat empty") << "Bildformat"
                                          << ""
                                          << "16:9";
        QTest::newRow("Bildtyp empty") << "Bildtyp"
                                       << ""
                                       << "PAL";
        QTest::newRow("Bildtyp 0") << "Bildtyp"
                                   << "0"
                                   << "PAL";
        QTest::newRow("Bildtyp 1") << "Bildtyp"
                                   << "1"
                                   << "NTSC";
        QTest::newRow("Darsteller roles removed") << "Darsteller"
                                                  << "Tom Hanks (Forrest), Robin Wright (Jenny)"
                                                  << "Tom Hanks , Robin Wright ";
        QTest::newRow("Darsteller open parenthesis alone") << "Darsteller"
                                                           << "Tom Hanks (Forrest"
                                                           << "Tom Hanks Forrest";
        QTest::newRow("Darsteller closing parenthesis kept") << "Darsteller"
                                                             << "a) b"
                                                             << "a) b";
        QTest::newRow("Darsteller Ext keeps roles") << "Darsteller Ext"
                                                    << "Tom Hanks (Forrest)"
                                                    << "Tom Hanks (Forrest)";
        QTest::newRow("Laufzeit") << "Laufzeit"
                                  << "120"
                                  << "120 min.";
        QTest::newRow("Laufzeit empty") << "Laufzeit"
                                        << ""
                                        << " min.";
        QTest::newRow("Wertung 0 stays") << "Wertung"
                                         << "0"
                                         << "0";
        QTest::newRow("Wertung 7") << "Wertung"
                                   << "7"
                                   << "Gut";
        QTest::newRow("Wertung 10") << "Wertung"
                                    << "10"
                                    << "Spitzenklasse";
        QTest::newRow("Wertung outside the list") << "Wertung"
                                                  << "11"
                                                  << "11";
        QTest::newRow("Wertung not a number") << "Wertung"
                                              << "gut"
                                              << "gut";
        QTest::newRow("Dvdtyp untranslated") << "Dvdtyp"
                                             << "1"
                                             << "1";
        QTest::newRow("Titel as stored") << "Titel"
                                         << "Zorro (1975)"
                                         << "Zorro (1975)";
    }
    void printedText()
    {
        QFETCH(QString, caption);
        QFETCH(QString, stored);
        QFETCH(QString, printed);
        QCOMPARE(PF::printedText(caption, stored), printed);
    }
};

QTEST_GUILESS_MAIN(TestPrintFields)
#include "tst_printFields.moc"
