#include "app/ColumnVocabulary.h"

#include <QtTest>

using namespace korvel::app;

class TestColumnVocabulary : public QObject
{
    Q_OBJECT

  private slots:
    void dbFieldNames_data();
    void dbFieldNames();
    void fieldPos_data();
    void fieldPos();
    void listCells_data();
    void listCells();
    void correctOverviewAlone_data();
    void correctOverviewAlone();
    void alignment_data();
    void alignment();
};

void TestColumnVocabulary::dbFieldNames_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("field");
    QTest::newRow("Titel unchanged") << "Titel"
                                     << "Titel";
    QTest::newRow("Spieldauer") << "Spieldauer"
                                << "laufzeit";
    QTest::newRow("Drehbuch") << "Drehbuch"
                              << "buch";
    QTest::newRow("Kostüme") << "Kostüme"
                             << "kostueme";
    QTest::newRow("Effekte") << "Effekte"
                             << "visuelle_effekte";
    QTest::newRow("Medientyp") << "Medientyp"
                               << "dvdtyp";
    QTest::newRow("Nummer") << "Nummer"
                            << "visiblenr";
    QTest::newRow("Verliehen an") << "Verliehen an"
                                  << "verliehen_an";
    QTest::newRow("Verleihdatum") << "Verleihdatum"
                                  << "verliehen_datum";
    QTest::newRow("Verleihkommentar") << "Verleihkommentar"
                                      << "verliehen_kommentar";
    QTest::newRow("Inhaltsangabe") << "Inhaltsangabe"
                                   << "beschreibung";
    QTest::newRow("comparison is exact") << "spieldauer"
                                         << "spieldauer";
    QTest::newRow("unknown unchanged") << "Irgendwas"
                                       << "Irgendwas";
}

void TestColumnVocabulary::dbFieldNames()
{
    QFETCH(QString, caption);
    QFETCH(QString, field);
    QCOMPARE(ColumnVocabulary::getdbfieldname(caption), field);
}

void TestColumnVocabulary::fieldPos_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pos");
    const QStringList design{"Titel", "Darsteller", "Regie", "Musik",
                             "Genre", "Spieldauer", "Nummer"};
    QTest::newRow("first") << design << "Titel" << 0;
    QTest::newRow("last") << design << "Nummer" << 6;
    QTest::newRow("any case") << design << "nUMMER" << 6;
    QTest::newRow("umlaut any case") << QStringList{"Titel", "Kostüme"} << "KOSTÜME" << 1;
    QTest::newRow("missing") << design << "Preis" << -1;
    QTest::newRow("key column is not a shown column") << design << "keine" << -1;
    QTest::newRow("first of two") << QStringList{"Genre", "Titel", "Genre"} << "Genre" << 0;
    QTest::newRow("no columns") << QStringList{} << "Titel" << -1;
}

void TestColumnVocabulary::fieldPos()
{
    QFETCH(QStringList, shown);
    QFETCH(QString, caption);
    QFETCH(int, pos);
    QCOMPARE(ColumnVocabulary::getfieldpos(shown, caption), pos);
}

void TestColumnVocabulary::listCells_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("cell");
    QTest::newRow("Preis NULL") << "Preis"
                                << ""
                                << "0.00 €";
    QTest::newRow("Preis 7") << "Preis"
                             << "7"
                             << "7.00 €";
    QTest::newRow("Preis 3.456") << "Preis"
                                 << "3.456"
                                 << "3.46 €";
    QTest::newRow("Preis 12.5") << "Preis"
                                << "12.5"
                                << "12.50 €";
    QTest::newRow("Preis large, no separator") << "Preis"
                                               << "1234567.891"
                                               << "1234567.89 €";
    QTest::newRow("Spieldauer 95") << "Spieldauer"
                                   << "95"
                                   << "95 min.";
    QTest::newRow("Spieldauer empty") << "Spieldauer"
                                      << ""
                                      << "";
    QTest::newRow("Wertung NULL") << "Wertung"
                                  << ""
                                  << "keine Wertung";
    QTest::newRow("Wertung 0") << "Wertung"
                               << "0"
                               << "keine Wertung";
    QTest::newRow("Wertung 7") << "Wertung"
                               << "7"
                               << "Gut";
    QTest::newRow("Wertung 10") << "Wertung"
                                << "10"
                                << "Spitzenklasse";
    QTest::newRow("Wertung outside list") << "Wertung"
                                          << "11"
                                          << "11";
    QTest::newRow("Bildformat 1") << "Bildformat"
                                  << "1"
                                  << "16:9 Widescreen";
    QTest::newRow("Bildformat 0") << "Bildformat"
                                  << "0"
                                  << "4:3 Fullscreen";
    QTest::newRow("Bildformat text") << "Bildformat"
                                     << "breit"
                                     << "breit";
    QTest::newRow("Bildformat 2 no item") << "Bildformat"
                                          << "2"
                                          << "2";
    QTest::newRow("Bildtyp 0") << "Bildtyp"
                               << "0"
                               << "PAL";
    QTest::newRow("Bildtyp 1 with blank and sign") << "Bildtyp"
                                                   << " +1"
                                                   << "NTSC";
    QTest::newRow("Bildtyp empty") << "Bildtyp"
                                   << ""
                                   << "";
    QTest::newRow("Medienanzahl 2") << "Medienanzahl"
                                    << "2"
                                    << "2 Datenträger";
    QTest::newRow("Medienanzahl empty") << "Medienanzahl"
                                        << ""
                                        << "";
    QTest::newRow("FSK empty") << "FSK"
                               << ""
                               << "0";
    QTest::newRow("FSK 16") << "FSK"
                            << "16"
                            << "16";
    QTest::newRow("Medientyp as stored") << "Medientyp"
                                         << "DVD-9"
                                         << "DVD-9";
    QTest::newRow("Kommentar with tags") << "Kommentar"
                                         << "<b>x</b>"
                                         << "<b>x</b>";
    QTest::newRow("Nummer") << "Nummer"
                            << "12"
                            << "12";
    QTest::newRow("Titel") << "Titel"
                           << "Matrix"
                           << "Matrix";
}

void TestColumnVocabulary::listCells()
{
    QFETCH(QString, caption);
    QFETCH(QString, field);
    QFETCH(QString, cell);
    QCOMPARE(ColumnVocabulary::listCell(caption, field), cell);
}

void TestColumnVocabulary::correctOverviewAlone_data()
{
    // correct_overview without the list's own rules, as printing and export start from it
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Spieldauer untouched") << "Spieldauer"
                                          << "95"
                                          << "95";
    QTest::newRow("Wertung untouched") << "Wertung"
                                       << "7"
                                       << "7";
    QTest::newRow("Preis untouched") << "Preis"
                                     << "7"
                                     << "7";
    QTest::newRow("Bildformat") << "Bildformat"
                                << "1"
                                << "16:9 Widescreen";
    QTest::newRow("Medienanzahl with trailing text") << "Medienanzahl"
                                                     << "2 x"
                                                     << "2 x";
}

void TestColumnVocabulary::correctOverviewAlone()
{
    QFETCH(QString, caption);
    QFETCH(QString, cell);
    QFETCH(QString, shown);
    QCOMPARE(ColumnVocabulary::correctOverview(caption, cell), shown);
}

void TestColumnVocabulary::alignment_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("alignment");
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    const QStringList design{"Titel", "Darsteller", "Regie", "Musik",
                             "Genre", "Spieldauer", "Nummer"};
    QTest::newRow("design Titel") << design << 0 << left;
    QTest::newRow("design Spieldauer centred") << design << 5 << centre;
    QTest::newRow("design Nummer last, right") << design << 6 << right;
    QTest::newRow("Preis first, left") << QStringList{"Preis", "Titel", "Nummer"} << 0 << left;
    QTest::newRow("Preis in the middle, centred")
        << QStringList{"Titel", "Preis", "Nummer"} << 1 << centre;
    QTest::newRow("Wertung last, left") << QStringList{"Titel", "Wertung"} << 1 << left;
    QTest::newRow("Nummer not last, left") << QStringList{"Nummer", "Titel", "FSK"} << 0 << left;
    QTest::newRow("Nummer in the middle, left")
        << QStringList{"Titel", "Nummer", "Genre"} << 1 << left;
    QTest::newRow("only column Nummer, right") << QStringList{"Nummer"} << 0 << right;
    QTest::newRow("every centred caption")
        << QStringList{"Titel", "Medienanzahl", "Medientyp",  "Mastering", "Bildtyp",
                       "FSK",   "Region",       "Bildformat", "Titel"}
        << 4 << centre;
}

void TestColumnVocabulary::alignment()
{
    QFETCH(QStringList, shown);
    QFETCH(int, index);
    QFETCH(int, alignment);
    QCOMPARE(int(ColumnVocabulary::columnAlignment(shown, index)), alignment);
}

QTEST_GUILESS_MAIN(TestColumnVocabulary)
#include "tst_columnvocabulary.moc"
