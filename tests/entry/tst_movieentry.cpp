#include "entry/EntryRules.h"
#include "entry/MovieEntry.h"
#include "store/StoreError.h"

#include "support/TempCatalog.h"

#include <QFile>
#include <QtTest>

using namespace korvel;
using entry::MovieEntry;
using entry::SaveOptions;
using testsupport::TempCatalog;

namespace {
MovieEntry filledEntry()
{
    MovieEntry e;
    e.nummer = QStringLiteral("17");
    e.titel = QStringLiteral("Der Herr der Ringe");
    e.genre = QStringLiteral("Fantasy");
    e.darsteller = QStringLiteral("Elijah Wood, Ian McKellen");
    e.regie = QStringLiteral("Peter Jackson");
    e.laufzeit = QStringLiteral("178");
    e.originaltitel = QStringLiteral("The Lord of the Rings");
    e.ean = QStringLiteral("4006381333931");
    e.datum = QStringLiteral("2001");
    e.beschreibung = QStringLiteral("Zeile 1\nZeile 2");
    e.dvdtyp = QStringLiteral("DVD-18");
    e.mastering = QStringLiteral("Kopie (1:1)");
    e.region = QStringLiteral("4");
    e.bildtyp = 1;
    e.bildformat = 0;
    e.dvdextras = QStringLiteral("Making of\nTrailer");
    e.medienanzahl = QStringLiteral("03");
    e.produzent = QStringLiteral("Barrie M. Osborne");
    e.drehbuch = QStringLiteral("Fran Walsh");
    e.musik = QStringLiteral("Howard Shore");
    e.effekte = QStringLiteral("Weta");
    e.kostueme = QStringLiteral("Ngila Dickson");
    e.fsk = QStringLiteral("12");
    e.preis = QStringLiteral("12.5");
    e.wertung = 9;
    e.kommentar = QStringLiteral("<b>toll</b>");
    return e;
}

// Appends the entry as the add dialog's save does and returns its key.
void addEntry(TempCatalog& cat, const MovieEntry& e, int key)
{
    auto& h = cat.store().haupt();
    h.setSql({QStringLiteral("select *from haupt")});
    h.open();
    h.append();
    entry::writeEntry(e, h, {SaveOptions::Mode::Add, key, QDate(2026, 3, 4), false});
    h.post();
    h.close();
}

MovieEntry loadEntry(TempCatalog& cat, int key)
{
    store::BorrowedQuery q(cat.store().haupt(),
                           {QStringLiteral("select *from haupt where nummer = :k")}, {{"k", key}});
    return entry::readEntry(*q);
}

// Puts the stored row's entry into edit mode, writes it as the edit dialog's save does.
void editEntry(TempCatalog& cat, const MovieEntry& e, int key, bool coverChanged)
{
    store::BorrowedQuery q(cat.store().haupt(),
                           {QStringLiteral("select *from haupt where nummer = :k")}, {{"k", key}});
    q->edit();
    entry::writeEntry(e, *q, {SaveOptions::Mode::Edit, 0, {}, coverChanged});
    q->post();
}

QVariant stored(TempCatalog& cat, int key, const QString& column)
{
    store::BorrowedQuery q(cat.store().haupt(),
                           {QStringLiteral("select *from haupt where nummer = :k")}, {{"k", key}});
    return q->value(column);
}
} // namespace

class TestMovieEntry : public QObject
{
    Q_OBJECT

  private slots:
    void clearingState();
    void addStoresConvertedForms();
    void roundTripThroughEdit();
    void widthsAreCut_data();
    void widthsAreCut();
    void emptyPriceStoredAsZero();
    void priceThatIsNoPriceRefused();
    void descriptionOnAddAndEdit();
    void visibleNumberNotANumber();
    void codedColumnsOnLoad_data();
    void codedColumnsOnLoad();
    void coverOnAdd();
    void coverOnEdit();
    void tracksRoundTrip();
};

void TestMovieEntry::clearingState()
{
    MovieEntry e = filledEntry();
    e.clear();
    QCOMPARE(e.nummer, QStringLiteral("17")); // Edit6 is left alone
    QCOMPARE(e.titel, QString());
    QCOMPARE(e.dvdtyp, QStringLiteral("DVD-9"));
    QCOMPARE(e.mastering, QStringLiteral("Original-DVD"));
    QCOMPARE(e.region, QStringLiteral("2"));
    QCOMPARE(e.bildtyp, 0);
    QCOMPARE(e.bildformat, 1);
    QCOMPARE(e.wertung, 0);
    QCOMPARE(e.medienanzahl, QStringLiteral("01"));
    QCOMPARE(e.fsk, QString());
    QVERIFY(e.audio.isEmpty() && e.subtitles.isEmpty() && e.cover.isEmpty());
}

void TestMovieEntry::addStoresConvertedForms()
{
    TempCatalog cat;
    addEntry(cat, filledEntry(), 5);
    QCOMPARE(stored(cat, 5, "visiblenr").toInt(), 17);
    QCOMPARE(stored(cat, 5, "ean").toString(), QStringLiteral("400638133393"));
    QCOMPARE(stored(cat, 5, "preis").toDouble(), 12.5);
    QCOMPARE(stored(cat, 5, "bildtyp").toString(), QStringLiteral("1"));
    QCOMPARE(stored(cat, 5, "bildformat").toString(), QStringLiteral("0"));
    QCOMPARE(stored(cat, 5, "wertung").toInt(), 9);
    QCOMPARE(stored(cat, 5, "medienanzahl").toInt(), 3);
    QCOMPARE(stored(cat, 5, "region").toString(), QStringLiteral("4"));
    QCOMPARE(stored(cat, 5, "buch").toString(), QStringLiteral("Fran Walsh"));
    QCOMPARE(stored(cat, 5, "visuelle_effekte").toString(), QStringLiteral("Weta"));
    QCOMPARE(cat.store().haupt().sql(), QStringList{QStringLiteral("select *from haupt")});
    store::BorrowedQuery q(cat.store().haupt(), {QStringLiteral("select *from haupt")});
    QCOMPARE(q->date("eingabedatum").date(), QDate(2026, 3, 4));
    QCOMPARE(q->text("eingabedatum"), QStringLiteral("04.03.2026"));
}

void TestMovieEntry::roundTripThroughEdit()
{
    TempCatalog cat;
    MovieEntry e = filledEntry();
    addEntry(cat, e, 1);
    MovieEntry loaded = loadEntry(cat, 1);
    // what the edit dialog shows differs from the add dialog's input only where the stored
    // form differs: the EAN lost its check digit, the price got two decimals
    MovieEntry expected = e;
    expected.ean = QStringLiteral("400638133393");
    expected.preis = QStringLiteral("12.50");
    QCOMPARE(loaded, expected);

    // saving the loaded entry unchanged keeps the row as it was
    editEntry(cat, loaded, 1, false);
    QCOMPARE(loadEntry(cat, 1), expected);
    QCOMPARE(stored(cat, 1, "eingabedatum").toString(), QStringLiteral("2026-03-04 00:00:00"));

    loaded.titel = QStringLiteral("Die Gefährten");
    loaded.medienanzahl = QStringLiteral("x"); // edit dialog: not a number stores 1
    loaded.wertung = 11;                       // outside the list stores 0
    editEntry(cat, loaded, 1, false);
    const MovieEntry again = loadEntry(cat, 1);
    QCOMPARE(again.titel, QStringLiteral("Die Gefährten"));
    QCOMPARE(again.medienanzahl, QStringLiteral("01"));
    QCOMPARE(again.wertung, 0);
    QCOMPARE(stored(cat, 1, "nummer").toInt(), 1);
}

void TestMovieEntry::widthsAreCut_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("width");
    QTest::newRow("originaltitel 80") << "originaltitel" << 80;
    QTest::newRow("fsk 10") << "fsk" << 10;
    QTest::newRow("titel 80") << "titel" << 80;
    QTest::newRow("datum 12") << "datum" << 12;
    QTest::newRow("genre 40") << "genre" << 40;
    QTest::newRow("kostueme 100") << "kostueme" << 100;
    QTest::newRow("dvdtyp 50") << "dvdtyp" << 50;
    QTest::newRow("mastering 25") << "mastering" << 25;
}

void TestMovieEntry::widthsAreCut()
{
    QFETCH(QString, column);
    QFETCH(int, width);
    MovieEntry e;
    e.nummer = QStringLiteral("1");
    const QString longText = QString(200, QChar(u'ä'));
    const QHash<QString, QString*> fields{{"originaltitel", &e.originaltitel},
                                          {"fsk", &e.fsk},
                                          {"titel", &e.titel},
                                          {"datum", &e.datum},
                                          {"genre", &e.genre},
                                          {"kostueme", &e.kostueme},
                                          {"dvdtyp", &e.dvdtyp},
                                          {"mastering", &e.mastering}};
    *fields.value(column) = longText;
    TempCatalog cat;
    addEntry(cat, e, 1);
    QCOMPARE(stored(cat, 1, column).toString(), longText.left(width));
}

void TestMovieEntry::emptyPriceStoredAsZero()
{
    TempCatalog cat;
    MovieEntry e = filledEntry();
    e.preis.clear();
    addEntry(cat, e, 1);
    QCOMPARE(stored(cat, 1, "preis").toDouble(), 0.0);
    QVERIFY(!stored(cat, 1, "preis").isNull());
    QCOMPARE(loadEntry(cat, 1).preis, QStringLiteral("0.00"));
}

void TestMovieEntry::priceThatIsNoPriceRefused()
{
    TempCatalog cat;
    MovieEntry e = filledEntry();
    e.preis = QStringLiteral("1.2.3");
    auto& h = cat.store().haupt();
    h.setSql({QStringLiteral("select *from haupt")});
    h.open();
    h.append();
    try {
        entry::writeEntry(e, h, {SaveOptions::Mode::Add, 1, QDate(2026, 1, 1), false});
        QFAIL("a price that is no number was written");
    } catch (const store::StoreError& err) {
        QCOMPARE(err.message(), entry::EntryRules::kPriceError);
    }
    h.cancel();
    h.close();
    h.setSql({QStringLiteral("select *from haupt")});
    h.open();
    QCOMPARE(h.recordCount(), 0);
}

void TestMovieEntry::descriptionOnAddAndEdit()
{
    TempCatalog cat;
    MovieEntry e = filledEntry();
    e.beschreibung.clear();
    addEntry(cat, e, 1);
    QVERIFY(stored(cat, 1, "beschreibung").isNull()); // add: no lines, column stays empty
    MovieEntry loaded = loadEntry(cat, 1);
    editEntry(cat, loaded, 1, false);
    QCOMPARE(stored(cat, 1, "beschreibung").toString(), QString()); // edit: written even empty
    QVERIFY(!stored(cat, 1, "beschreibung").isNull());
}

void TestMovieEntry::visibleNumberNotANumber()
{
    TempCatalog cat;
    MovieEntry e = filledEntry();
    e.nummer.clear();
    QVERIFY(!e.visibleNumber());
    addEntry(cat, e, 1);
    QVERIFY(stored(cat, 1, "visiblenr").isNull());
    QCOMPARE(loadEntry(cat, 1).nummer, QString());
}

void TestMovieEntry::codedColumnsOnLoad_data()
{
    QTest::addColumn<QVariantMap>("row");
    QTest::addColumn<QString>("region");
    QTest::addColumn<int>("bildtyp");
    QTest::addColumn<int>("bildformat");
    QTest::addColumn<int>("wertung");
    QTest::addColumn<QString>("preis");
    QTest::addColumn<QString>("medienanzahl");
    QTest::newRow("all empty") << QVariantMap{} << "2" << 0 << 1 << 0 << "0.00"
                               << "00";
    QTest::newRow("bildformat 2 shows 16:9")
        << QVariantMap{{"bildformat", "2"}} << "2" << 0 << 1 << 0 << "0.00"
        << "00";
    QTest::newRow("stored values")
        << QVariantMap{{"region", "0"}, {"bildtyp", "1"}, {"bildformat", "0"},
                       {"wertung", 10}, {"preis", 3.456}, {"medienanzahl", 12}}
        << "0" << 1 << 0 << 10 << "3.46"
        << "12";
    QTest::newRow("out of range") << QVariantMap{{"region", "9"},
                                                 {"bildtyp", "7"},
                                                 {"wertung", 42},
                                                 {"preis", 7}}
                                  << "2" << 0 << 1 << 0 << "7.00"
                                  << "00";
    QTest::newRow("not numbers") << QVariantMap{{"region", "x"},
                                                {"bildtyp", "PAL"},
                                                {"bildformat", "breit"}}
                                 << "2" << 0 << 1 << 0 << "0.00"
                                 << "00";
}

void TestMovieEntry::codedColumnsOnLoad()
{
    QFETCH(QVariantMap, row);
    TempCatalog cat;
    cat.insertEntry(1, 1, row);
    const MovieEntry e = loadEntry(cat, 1);
    QTEST(e.region, "region");
    QTEST(e.bildtyp, "bildtyp");
    QTEST(e.bildformat, "bildformat");
    QTEST(e.wertung, "wertung");
    QTEST(e.preis, "preis");
    QTEST(e.medienanzahl, "medienanzahl");
}

void TestMovieEntry::coverOnAdd()
{
    TempCatalog cat;
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("cover.jpg"));
    QFile f(picture);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();

    auto& h = cat.store().haupt();
    h.setSql({QStringLiteral("select *from haupt")});
    h.open();
    MovieEntry e = filledEntry();
    struct Case
    {
        QString cover;
        bool stored;
    };
    const QList<Case> cases{{picture, true},
                            {dir.filePath(QStringLiteral("gone.jpg")), false},
                            {entry::kCoverOnOpening, false},
                            {entry::kCoverAfterClearing, false},
                            {dir.path(), false}};
    int key = 0;
    for (const Case& c : cases) {
        e.cover = c.cover;
        h.append();
        const entry::SaveOutcome out =
            entry::writeEntry(e, h, {SaveOptions::Mode::Add, ++key, QDate(2026, 1, 1), false});
        QCOMPARE(out.makeThumbnail, c.stored);
        h.post();
        QCOMPARE(stored(cat, key, "cover").toString(), c.stored ? picture : QString());
        h.open();
    }
}

void TestMovieEntry::coverOnEdit()
{
    TempCatalog cat;
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("cover.jpg"));
    QFile f(picture);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    cat.insertEntry(1, 1,
                    {{"cover", "/old/cover.jpg"}, {"cover_thumb", QByteArray("\xff\xd8thumb")}});

    MovieEntry e = loadEntry(cat, 1);
    QCOMPARE(e.cover, QStringLiteral("/old/cover.jpg"));
    // without the cover-changed flag nothing about the cover is written
    e.cover.clear();
    editEntry(cat, e, 1, false);
    QCOMPARE(stored(cat, 1, "cover").toString(), QStringLiteral("/old/cover.jpg"));
    QVERIFY(!stored(cat, 1, "cover_thumb").isNull());

    // removed and saved: cover and thumbnail are emptied
    editEntry(cat, e, 1, true);
    QCOMPARE(stored(cat, 1, "cover").toString(), QString());
    QVERIFY(stored(cat, 1, "cover_thumb").isNull());

    // a new picture: the path is stored and the caller makes the thumbnail
    e.cover = picture;
    store::BorrowedQuery q(cat.store().haupt(),
                           {QStringLiteral("select *from haupt where nummer = 1")});
    q->edit();
    QVERIFY(entry::writeEntry(e, *q, {SaveOptions::Mode::Edit, 0, {}, true}).makeThumbnail);
    q->post();
    QCOMPARE(q->text("cover"), picture);
}

void TestMovieEntry::tracksRoundTrip()
{
    TempCatalog cat;
    const QList<entry::AudioTrack> audio{{"Deutsch", "Dolby AC-3", "5.1"},
                                         {"Englisch", "DTS", "6.1"},
                                         {QString(30, QChar(u'x')), "Linear PCM", "2.0"}};
    const QList<entry::SubtitleTrack> subs{{"Deutsch", "director comments/normal size char"},
                                           {"Englisch", "closed caption/normal size char"}};
    auto& sprachen = cat.store().sprachen();
    auto& untertitel = cat.store().untertitel();
    entry::writeAudioTracks(sprachen, 3, audio);
    entry::writeSubtitleTracks(untertitel, 3, subs);
    entry::writeAudioTracks(sprachen, 4, {{"Spanisch", "MPEG-1", "2.0"}});

    QList<entry::AudioTrack> expectedAudio = audio;
    expectedAudio[2].sprache = QString(25, QChar(u'x'));
    QCOMPARE(entry::readAudioTracks(sprachen, 3), expectedAudio);
    const QList<entry::SubtitleTrack> expectedSubs{{"Deutsch", "director comments/normal "},
                                                   {"Englisch", "closed caption/normal siz"}};
    QCOMPARE(entry::readSubtitleTracks(untertitel, 3), expectedSubs);

    // the edit dialog's save replaces the rows of its entry and no other
    entry::writeAudioTracks(sprachen, 3, {audio[1]});
    entry::writeSubtitleTracks(untertitel, 3, {});
    QCOMPARE(entry::readAudioTracks(sprachen, 3), (QList<entry::AudioTrack>{audio[1]}));
    QVERIFY(entry::readSubtitleTracks(untertitel, 3).isEmpty());
    QCOMPARE(entry::readAudioTracks(sprachen, 4).size(), 1);
    QCOMPARE(sprachen.sql(), QStringList{QStringLiteral("select *from sprachen")});
}

QTEST_GUILESS_MAIN(TestMovieEntry)
#include "tst_movieentry.moc"
