#include "export/ExportFields.h"
#include "export/ExportProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace EF = korvel::exporting::ExportFields;
namespace EP = korvel::exporting::ExportProfile;

class TestExportFields : public QObject
{
    Q_OBJECT

  private slots:
    void captionLists()
    {
        QCOMPARE(EF::captions().size(), 31);
        QCOMPARE(EF::captions().mid(0, 4),
                 (QStringList{"Titel", "Darsteller", "Regie", "Beschreibung"}));
        QCOMPARE(EF::captions().last(), QStringLiteral("Verleihkommentar"));
        QCOMPARE(EF::captionsAfterProfile().mid(0, 5),
                 (QStringList{"Titel", "Darsteller", "Beschreibung", "Regie", "Musik"}));
        QCOMPARE(EF::captionsAfterProfile().size(), 31);
    }

    void columns_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("column");
        QTest::newRow("Titel as it is") << "Titel"
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
        QTest::newRow("Beschreibung unmapped") << "Beschreibung"
                                               << "Beschreibung";
        QTest::newRow("Cover unmapped") << "Cover"
                                        << "Cover";
        QTest::newRow("comparison is exact") << "spieldauer"
                                             << "spieldauer";
    }
    void columns()
    {
        QFETCH(QString, caption);
        QFETCH(QString, column);
        QCOMPARE(EF::column(caption), column);
    }

    void formatting_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::newRow("Medienanzahl") << "Medienanzahl"
                                      << "2"
                                      << "2 Datenträger";
        QTest::newRow("Medienanzahl empty") << "Medienanzahl"
                                            << ""
                                            << "";
        QTest::newRow("Medientyp 1") << "Medientyp"
                                     << "1"
                                     << "DVD-9";
        QTest::newRow("Medientyp as text") << "Medientyp"
                                           << "DVD-5"
                                           << "DVD-5";
        QTest::newRow("Mastering 3") << "Mastering"
                                     << "3"
                                     << "Eigene Aufnahme";
        QTest::newRow("Bildtyp 1") << "Bildtyp"
                                   << "1"
                                   << "NTSC";
        QTest::newRow("Bildtyp with blank and sign") << "Bildtyp"
                                                     << " +0"
                                                     << "PAL";
        QTest::newRow("Bildformat 1") << "Bildformat"
                                      << "1"
                                      << "16:9 Widescreen";
        QTest::newRow("Bildformat 0") << "Bildformat"
                                      << "0"
                                      << "4:3 Fullscreen";
        QTest::newRow("Bildformat not a number") << "Bildformat"
                                                 << "breit"
                                                 << "breit";
        QTest::newRow("Bildformat outside the list") << "Bildformat"
                                                     << "2"
                                                     << "2";
        QTest::newRow("Preis") << "Preis"
                               << "12.5"
                               << "12.5€";
        QTest::newRow("Preis empty") << "Preis"
                                     << ""
                                     << "";
        QTest::newRow("Wertung 0") << "Wertung"
                                   << "0"
                                   << "keine Wertung";
        QTest::newRow("Wertung 10") << "Wertung"
                                    << "10"
                                    << "Spitzenklasse";
        QTest::newRow("Wertung negative") << "Wertung"
                                          << "-1"
                                          << "-1";
        QTest::newRow("Wertung empty") << "Wertung"
                                       << ""
                                       << "";
        QTest::newRow("Spieldauer") << "Spieldauer"
                                    << "95"
                                    << "95 min.";
        QTest::newRow("Spieldauer empty") << "Spieldauer"
                                          << ""
                                          << "";
        QTest::newRow("FSK empty stays empty") << "FSK"
                                               << ""
                                               << "";
        QTest::newRow("trailing blank is no integer") << "Medienanzahl"
                                                      << "2 "
                                                      << "2 ";
        QTest::newRow("Titel unchanged") << "Titel"
                                         << "7"
                                         << "7";
    }
    void formatting()
    {
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, written);
        QCOMPARE(EF::formatValue(caption, text), written);
    }

    void profiles()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("Excel-Profile");
        QVERIFY(EP::names(folder).isEmpty());
        QVERIFY(QDir().mkpath(folder));
        const QString path = EP::fileName(folder, "Meine Liste");
        QVERIFY(EP::write(path, {"Titel", "Kostüme", "Preis"}));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("Titel\r\nKost\xFCme\r\nPreis\r\n"));
        f.close();
        QCOMPARE(EP::read(path), (QStringList{"Titel", "Kostüme", "Preis"}));

        // read trimmed, empty lines skipped
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("  Titel \r\n\r\n\t\r\nregie\nUnbekannt\r\n");
        f.close();
        QCOMPARE(EP::read(path), (QStringList{"Titel", "regie", "Unbekannt"}));
        QVERIFY(EP::write(EP::fileName(folder, "a.b"), {"Titel"}));
        QStringList names = EP::names(folder);
        names.sort();
        QCOMPARE(names, (QStringList{"Meine Liste", "a.b"}));
        QVERIFY(!EP::read(EP::fileName(folder, "fehlt")));
        QVERIFY(!EP::read(folder));
    }

    void applyingAProfile()
    {
        const auto lists = EP::apply({"regie", "Titel", "Unbekannt", "Titel"});
        QCOMPARE(lists.used, (QStringList{"regie", "Titel", "Unbekannt", "Titel"}));
        QCOMPARE(lists.available.size(), 29);
        QVERIFY(!lists.available.contains("Regie"));
        QVERIFY(!lists.available.contains("Titel"));
        QCOMPARE(lists.available.mid(0, 3), (QStringList{"Darsteller", "Beschreibung", "Musik"}));
    }
};

QTEST_GUILESS_MAIN(TestExportFields)
#include "tst_exportFields.moc"
