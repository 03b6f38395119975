#include "app/InfoPanelContent.h"
#include "support/TempCatalog.h"

#include <QDir>
#include <QImage>
#include <QTest>

using namespace korvel;
using namespace korvel::app;

// What the info panel shows for an entry, read from a real catalog.
class TestInfoPanelContent : public QObject
{
    Q_OBJECT

private slots:
    void coverRect_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("portrait 300x400") << QSize(300, 400) << QRect(54, 0, 108, 144);
        QTest::newRow("wide 400x100") << QSize(400, 100) << QRect(0, 45, 217, 54);
        QTest::newRow("square thumbnail") << QSize(169, 169) << QRect(36, 0, 144, 144);
        QTest::newRow("exactly the area") << QSize(217, 144) << QRect(0, 0, 217, 144);
    }
    void coverRect()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, rect);
        QCOMPARE(InfoPanel::coverRect(picture), rect);
    }

    void linesOfAnEntry_data()
    {
        QTest::addColumn<QVariantMap>("columns");
        QTest::addColumn<bool>("rebuild");
        QTest::addColumn<QStringList>("expected"); // heading, type, format, languages, subtitles
        QTest::newRow("full") << QVariantMap{{"visiblenr", 7}, {"dvdtyp", "DVD-9"}, {"mastering", "Original-DVD"},
                                             {"bildformat", "1"}}
                              << false
                              << QStringList{"Infos zur DVD #7", "Typ: DVD-9, Original-DVD", "Bildformat: 16:9 Wide",
                                             "Sprachen: Deutsch, Englisch", "Untertitel: Deutsch"};
        QTest::newRow("format 5 and rebuild padding") << QVariantMap{{"visiblenr", 7}, {"bildformat", "5"}} << true
                                                       << QStringList{"Infos zur DVD #007", "Typ: , ", "Bildformat: 16:9 Wide",
                                                                      "Sprachen: Deutsch, Englisch", "Untertitel: Deutsch"};
        QTest::newRow("format 0") << QVariantMap{{"visiblenr", 3}, {"bildformat", "0"}} << false
                                  << QStringList{"Infos zur DVD #3", "Typ: , ", "Bildformat: 4:3 Full",
                                                 "Sprachen: Deutsch, Englisch", "Untertitel: Deutsch"};
    }
    void linesOfAnEntry()
    {
        QFETCH(QVariantMap, columns);
        QFETCH(bool, rebuild);
        QFETCH(QStringList, expected);
        testsupport::TempCatalog cat;
        cat.insertEntry(7, columns.value("visiblenr").toInt(), columns);
        cat.insert(QStringLiteral("sprachen"), {{"nummer", 7}, {"sprache", "Deutsch"}});
        cat.insert(QStringLiteral("sprachen"), {{"nummer", 7}, {"sprache", "Englisch"}});
        cat.insert(QStringLiteral("untertitel"), {{"nummer", 7}, {"sprache", "Deutsch"}});
        cat.insertEntry(8, 8);
        const InfoPanelContent c = InfoPanel::load(cat.store(), 7, {}, rebuild);
        QCOMPARE((QStringList{c.heading, c.typeLine, c.formatLine, c.languagesLine, c.subtitlesLine}), expected);
        const InfoPanelContent empty = InfoPanel::load(cat.store(), 8, {});
        QCOMPARE(empty.languagesLine, QStringLiteral("Sprachen:"));
        QCOMPARE(empty.subtitlesLine, QStringLiteral("Untertitel:"));
        QCOMPARE(cat.store().haupt().sql(), (QStringList{"select *from haupt ", "order by titel"}));
    }

    void loan()
    {
        testsupport::TempCatalog cat;
        cat.insertEntry(1, 1, {{"verliehen", "Ja"}, {"verliehen_an", "Eva"}, {"verliehen_datum", "01.12.2026"}});
        const InfoPanelContent c = InfoPanel::load(cat.store(), 1, {});
        QVERIFY(c.lent);
        QCOMPARE(c.borrowerLine, QStringLiteral("An: Eva"));
        QCOMPARE(c.loanDate, QStringLiteral("01.12.2026"));
    }

    // A cover file moved into the cover folder gets its thumbnail on first selection.
    void thumbnailOnDemandFromTheCoverFolder()
    {
        testsupport::TempCatalog cat;
        QTemporaryDir folder;
        QImage img(300, 400, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(folder.filePath(QStringLiteral("matrix.jpg")), "JPG"));
        cat.insertEntry(1, 1, {{"cover", "C:\\Alte Cover\\matrix.jpg"}});
        InfoPanelContent c = InfoPanel::load(cat.store(), 1, {});
        QVERIFY(c.thumbnail.isEmpty()); // no folder: the default cover
        c = InfoPanel::load(cat.store(), 1, folder.path());
        QImage thumb;
        QVERIFY(thumb.loadFromData(c.thumbnail, "JPG"));
        QCOMPARE(thumb.size(), QSize(127, 169));
        QVERIFY(c.coverFile.isEmpty()); // the stored path itself names no file
        store::BorrowedQuery q(cat.store().haupt(), {QStringLiteral("select *from haupt")});
        QCOMPARE(q->readPicture(QStringLiteral("cover_thumb")), c.thumbnail); // stored
    }
};

QTEST_GUILESS_MAIN(TestInfoPanelContent)
#include "tst_infopanelcontent.moc"
