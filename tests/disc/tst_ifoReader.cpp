#include "disc/IfoReader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using korvel::disc::IfoError;

namespace {

struct TitleSet
{
    QList<QByteArray> audio;       // 8-byte records
    QList<QByteArray> subpictures; // 6-byte records
    QByteArray time = QByteArray::fromHex("01573012");
    quint8 video = 0x10;
    int audioCount = -1; // -1: the number of records
    int subpictureCount = -1;
};

void putNumber(QByteArray& d, int pos, quint32 v)
{
    d[pos] = char(v >> 24);
    d[pos + 1] = char(v >> 16);
    d[pos + 2] = char(v >> 8);
    d[pos + 3] = char(v);
}

// A title set information file as small as the reader allows: the program chain table in
// sector 1, its first chain right behind the table's header.
QByteArray titleSetFile(const TitleSet& t)
{
    QByteArray d(2048 + 16 + 8, '\0');
    putNumber(d, 204, 1);
    d[256] = char(0x10); // menus PAL: must not decide the title set's standard
    d[512] = char(t.video);
    d[515] = char(t.audioCount < 0 ? t.audio.size() : t.audioCount);
    for (int i = 0; i < t.audio.size(); ++i)
        d.replace(516 + 8 * i, 8, t.audio[i].leftJustified(8, '\0'));
    d[597] = char(t.subpictureCount < 0 ? t.subpictures.size() : t.subpictureCount);
    for (int i = 0; i < t.subpictures.size(); ++i)
        d.replace(598 + 6 * i, 6, t.subpictures[i].leftJustified(6, '\0'));
    putNumber(d, 2048 + 12, 16);
    d.replace(2048 + 16 + 4, 4, t.time);
    return d;
}

QByteArray audioRecord(quint8 b0, quint8 b1, const QByteArray& lang)
{
    return QByteArray(1, char(b0)) + char(b1) + lang + QByteArray(4, '\0');
}

QByteArray subpictureRecord(const QByteArray& lang, quint8 extension)
{
    return QByteArray(2, '\1') + lang + char(0) + char(extension);
}

// A disc information file whose text data (sector 1) has the entries given, the disc's name
// item pointing at text.
QByteArray discFile(const QByteArray& text, bool withNameItem = true)
{
    QByteArray d(2048 + 512, '\0');
    putNumber(d, 212, 1);
    const int base = 2048, entries = base + 8 + 204; // D
    putNumber(d, base + 16, 400);                    // scan limit E = B + 400
    putNumber(d, base + 24, 8);
    // a foreign item first, then the name item
    d[entries + 4] = char(0x01);
    d[entries + 7] = char(100);
    d[entries + 8] = char(withNameItem ? 0x30 : 0x02);
    d[entries + 11] = char(120);
    d.replace(entries + 120, text.size(), text);
    return d;
}

struct Read
{
    QStringList audio, subtitles;
    korvel::disc::DvdInfo info;
};

Read readBytes(const QByteArray& bytes, const QString& name = QStringLiteral("VTS_01_0.IFO"))
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    Read r;
    r.info = korvel::disc::readTitleSetInfo(buffer, name, r.audio, r.subtitles);
    return r;
}

QString nameOf(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return korvel::disc::readDiscName(buffer, QStringLiteral("VIDEO_TS.IFO"));
}

} // namespace

class TestIfoReader : public QObject
{
    Q_OBJECT

  private slots:
    void audioLines_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("line");
        QTest::newRow("German AC-3 5.1")
            << audioRecord(0x04, 0xC5, "de") << QStringLiteral("Deutsch (Dolby-AC3)%%5.1");
        QTest::newRow("English DTS 5.1")
            << audioRecord(0xC0, 0x05, "en") << QStringLiteral("Englisch (DTS)%%5.1");
        QTest::newRow("multichannel extension bit set")
            << audioRecord(0x10, 0x05, "de") << QStringLiteral("Deutsch (unused)%%5.1");
        QTest::newRow("MPEG-1 stereo")
            << audioRecord(0x40, 0x01, "en") << QStringLiteral("Englisch (MPEG-1)%%2.0");
        QTest::newRow("MPEG-1 mono")
            << audioRecord(0x40, 0x00, "en") << QStringLiteral("Englisch (MPEG-1)%%1.0");
        QTest::newRow("no language stays in the list")
            << audioRecord(0x00, 0x01, QByteArray(2, '\0'))
            << QStringLiteral("not specified (Dolby-AC3)%%2.0");
        QTest::newRow("MPEG-2 extension")
            << audioRecord(0x60, 0x01, "fr") << QStringLiteral("Französisch (MPEG2-ext)%%2.0");
        QTest::newRow("linear PCM, sampling bits ignored")
            << audioRecord(0x80, 0xF7, "it") << QStringLiteral("Italienisch (Linear PCM)%%7.1");
        QTest::newRow("SDDS 6.1") << audioRecord(0xE0, 0x06, "es")
                                  << QStringLiteral("Spanisch (SDDS)%%6.1");
        QTest::newRow("reserved coding 2")
            << audioRecord(0x20, 0x02, "xx") << QStringLiteral("xx (unused)%%2.1");
    }
    void audioLines()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, line);
        const Read r = readBytes(titleSetFile({.audio = {record}}));
        QCOMPARE(r.audio, QStringList{line});
    }

    void subtitleLines_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("de forced caption")
            << subpictureRecord("de", 9) << QStringList{QStringLiteral("Deutsch (forced caption)")};
        QTest::newRow("code extension 4 is unused")
            << subpictureRecord("de", 4) << QStringList{QStringLiteral("Deutsch (unused)")};
        QTest::newRow("high bits of the extension ignored")
            << subpictureRecord("en", 0xFF)
            << QStringList{QStringLiteral("Englisch (director comments for children)")};
        QTest::newRow("unspecified caption")
            << subpictureRecord("tr", 0)
            << QStringList{QStringLiteral("Türkish (unspecified caption)")};
        QTest::newRow("no language is skipped")
            << subpictureRecord(QByteArray(2, '\0'), 1) << QStringList{};
    }
    void subtitleLines()
    {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, lines);
        const Read r = readBytes(titleSetFile({.subpictures = {record}}));
        QCOMPARE(r.subtitles, lines);
    }

    void streamsKeepTheirOrderAndRepeat()
    {
        const QByteArray de = audioRecord(0x00, 0x05, "de");
        const Read r = readBytes(titleSetFile(
            {.audio = {de, audioRecord(0xC0, 0x05, "en"), de},
             .subpictures = {subpictureRecord("en", 1), subpictureRecord(QByteArray(2, '\0'), 1),
                             subpictureRecord("de", 9)}}));
        QCOMPARE(r.audio, (QStringList{"Deutsch (Dolby-AC3)%%5.1", "Englisch (DTS)%%5.1",
                                       "Deutsch (Dolby-AC3)%%5.1"}));
        QCOMPARE(r.subtitles,
                 (QStringList{"Englisch (caption/normal size char)", "Deutsch (forced caption)"}));
    }

    void languageNames_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("fr") << QByteArray("fr") << QStringLiteral("Französisch");
        QTest::newRow("tr") << QByteArray("tr") << QStringLiteral("Türkish");
        QTest::newRow("de") << QByteArray("de") << QStringLiteral("Deutsch");
        QTest::newRow("capitals are not a code") << QByteArray("DE") << QStringLiteral("DE");
        QTest::newRow("unknown code") << QByteArray("xx") << QStringLiteral("xx");
        QTest::newRow("zero bytes") << QByteArray(2, '\0') << QStringLiteral("not specified");
        QTest::newRow("first of the table") << QByteArray("aa") << QStringLiteral("Afar");
        QTest::newRow("last of the table") << QByteArray("zu") << QStringLiteral("Zulu");
        QTest::newRow("in and id both Indonesian")
            << QByteArray("in") << QStringLiteral("Indonesian");
        QTest::newRow("om") << QByteArray("om") << QStringLiteral("(Afan) Oromo");
    }
    void languageNames()
    {
        QFETCH(QByteArray, code);
        QFETCH(QString, name);
        QCOMPARE(korvel::disc::language_name(code), name);
    }

    void runningTime_data()
    {
        QTest::addColumn<QByteArray>("time");
        QTest::addColumn<int>("minutes");
        QTest::newRow("1:57:30.12") << QByteArray::fromHex("01573012") << 117;
        QTest::newRow("0:59:59.24") << QByteArray::fromHex("00595924") << 59;
        QTest::newRow("frame rate bits dropped") << QByteArray::fromHex("020000C0") << 120;
        QTest::newRow("seconds not checked") << QByteArray::fromHex("0001FFFF") << 1;
    }
    void runningTime()
    {
        QFETCH(QByteArray, time);
        QFETCH(int, minutes);
        QCOMPARE(readBytes(titleSetFile({.time = time})).info.runningTime, minutes);
    }

    void damagedPlayingTime_data()
    {
        QTest::addColumn<QByteArray>("time");
        QTest::newRow("hour digit A") << QByteArray::fromHex("0A000000");
        QTest::newRow("minute digit F") << QByteArray::fromHex("01F00000");
    }
    void damagedPlayingTime()
    {
        QFETCH(QByteArray, time);
        try {
            readBytes(titleSetFile({.time = time}), QStringLiteral("/dvd/VTS_03_0.IFO"));
            QFAIL("no error");
        } catch (const IfoError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("/dvd/VTS_03_0.IFO")),
                     qPrintable(e.message()));
            QVERIFY(e.message().contains(QStringLiteral("Spielzeit")));
        }
    }

    void videoStandard_data()
    {
        QTest::addColumn<int>("attributes");
        QTest::addColumn<int>("standard");
        QTest::newRow("PAL 16:9") << 0x5E << 0;
        QTest::newRow("NTSC 4:3") << 0x43 << 1;
        QTest::newRow("only bit 4 counts") << 0x10 << 0;
    }
    void videoStandard()
    {
        QFETCH(int, attributes);
        QFETCH(int, standard);
        QCOMPARE(readBytes(titleSetFile({.video = quint8(attributes)})).info.videoStandard,
                 standard);
    }

    void mediumType_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("type");
        QTest::newRow("large hard disk") << qint64(500'000'000'000) << 1;
        QTest::newRow("650 MB volume") << qint64(650'000'000) << 4;
        QTest::newRow("exactly 4.7 GB") << qint64(4'700'000'000) << 0;
        QTest::newRow("one byte more") << qint64(4'700'000'001) << 1;
        QTest::newRow("exactly 700 MB") << qint64(700'000'000) << 0;
        QTest::newRow("size unknown") << qint64(-1) << 0;
    }
    void mediumType()
    {
        QFETCH(qint64, size);
        QFETCH(int, type);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VTS_01_0.IFO"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(titleSetFile({.audio = {audioRecord(0, 1, "de")}}));
        f.close();
        QStringList audio, subtitles;
        int minutes = -1, standard = -1, medium = -1;
        QString asked;
        korvel::disc::ReadDVDInfo(path, audio, subtitles, minutes, standard, medium,
                                  [&](const QString& p) {
                                      asked = p;
                                      return size;
                                  });
        QCOMPARE(medium, type);
        QCOMPARE(asked, path);
        QCOMPARE(minutes, 117);
        QCOMPARE(standard, 0);
        QCOMPARE(audio, QStringList{"Deutsch (Dolby-AC3)%%2.0"});
    }

    void volumeSizeFromTheSystem()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VTS_01_0.IFO"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(titleSetFile({}));
        f.close();
        const qint64 size = korvel::disc::systemVolumeSize(path);
        QVERIFY(size > 0);
        QStringList audio, subtitles;
        int minutes = 0, standard = 0, medium = -1;
        korvel::disc::ReadDVDInfo(path, audio, subtitles, minutes, standard, medium);
        QCOMPARE(medium, korvel::disc::mediumTypeForVolumeSize(size));
    }

    void discName_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("MY MOVIE") << discFile("MY MOVIE\tmore") << QStringLiteral("MY MOVIE");
        QTest::newRow("40 characters without TAB cut to 30")
            << discFile(QByteArray(40, 'N')) << QString(30, QLatin1Char('N'));
        QTest::newRow("empty name") << discFile("\t") << QString();
        QTest::newRow("Windows-1252 text")
            << discFile("K\xC4SE \x80\t") << QStringLiteral("KÄSE €");
        QTest::newRow("no name item") << discFile("MY MOVIE\t", false) << QString();
        QTest::newRow("no text data") << QByteArray(2048, '\0') << QString();
    }
    void discName()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QCOMPARE(nameOf(file), name);
    }

    void discNameThroughTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VIDEO_TS.IFO"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(discFile("MY MOVIE\t"));
        f.close();
        QCOMPARE(korvel::disc::ReadDVDGeneralName(path), QStringLiteral("MY MOVIE"));
    }

    // Every cut of a file before the last byte the reader needs ends in the error, naming the
    // file; the lines read before stay in the lists.
    void truncatedTitleSet()
    {
        const QByteArray full =
            titleSetFile({.audio = {audioRecord(0, 5, "de"), audioRecord(0xC0, 5, "en")},
                          .subpictures = {subpictureRecord("de", 9)}});
        for (int length = 0; length < full.size(); ++length) {
            QStringList audio, subtitles;
            QBuffer buffer;
            buffer.setData(full.left(length));
            buffer.open(QIODevice::ReadOnly);
            try {
                korvel::disc::readTitleSetInfo(buffer, QStringLiteral("cut.IFO"), audio, subtitles);
                QFAIL(qPrintable(QStringLiteral("no error at length %1").arg(length)));
            } catch (const IfoError& e) {
                QVERIFY(e.message().contains(QStringLiteral("\"cut.IFO\"")));
            }
            QVERIFY(subtitles.size() <= 1 && audio.size() <= 2);
            if (length >= 604) // subtitles (598..603) are read before the audio
                QCOMPARE(audio.size(), 2);
        }
        QCOMPARE(readBytes(full).audio.size(), 2);
    }

    void truncatedDiscName()
    {
        const QByteArray full = discFile("MY MOVIE\t");
        const int needed = full.indexOf('\t') + 1;
        for (int length = 0; length < needed; ++length) {
            QVERIFY_THROWS_EXCEPTION(IfoError, nameOf(full.left(length)));
        }
        QCOMPARE(nameOf(full.left(needed)), QStringLiteral("MY MOVIE"));
    }

    void countsBeyondTheTables()
    {
        // the counts are one byte: at most 255 records, read only as far as the file holds
        TitleSet t{.audio = {audioRecord(0, 1, "de")}, .subpictures = {subpictureRecord("en", 1)}};
        t.audioCount = 255;
        t.subpictureCount = 255;
        QByteArray file = titleSetFile(t);
        file.replace(700, 6, subpictureRecord("fr", 2)); // inside the subpicture table
        const Read r = readBytes(file);
        QCOMPARE(r.audio.size(), (file.size() - 516) / 8);
        QCOMPARE(r.audio.first(), QStringLiteral("Deutsch (Dolby-AC3)%%2.0"));
        QVERIFY(r.subtitles.contains(QStringLiteral("Englisch (caption/normal size char)")));
        QVERIFY(r.subtitles.contains(QStringLiteral("Französisch (caption/large size char)")));
    }

    void countInsideTheTableNeedsItsRecords()
    {
        // eight audio records are declared, the file ends after the second
        TitleSet t{.audio = {audioRecord(0, 1, "de"), audioRecord(0, 1, "en")}};
        t.audioCount = 8;
        const QByteArray file = titleSetFile(t).left(516 + 16);
        QVERIFY_THROWS_EXCEPTION(IfoError, readBytes(file));
    }

    void missingAndEmptyFiles()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("VTS_09_0.IFO"));
        const QString empty = dir.filePath(QStringLiteral("VIDEO_TS.IFO"));
        QFile f(empty);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        for (const QString& path : {missing, empty}) {
            QStringList audio, subtitles;
            int a = 0, b = 0, c = 0;
            try {
                korvel::disc::ReadDVDInfo(path, audio, subtitles, a, b, c, {});
                QFAIL("no error");
            } catch (const IfoError& e) {
                QVERIFY2(e.message().contains(path), qPrintable(e.message()));
            }
            try {
                korvel::disc::ReadDVDGeneralName(path);
                QFAIL("no error");
            } catch (const IfoError& e) {
                QVERIFY2(e.message().contains(path), qPrintable(e.message()));
            }
        }
    }

    // Structures made by a DVD authoring tool (tests/data/disc/make-fixtures.sh), compared
    // with what the tool was told.
    void authoredDiscs_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("audio");
        QTest::addColumn<QStringList>("subtitles");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("standard");
        QTest::newRow("PAL, two audio streams, two subtitles")
            << QStringLiteral("pal-two-audio/VTS_01_0.IFO")
            << QStringList{"Deutsch (Dolby-AC3)%%5.1", "Englisch (MPEG-1)%%2.0"}
            << QStringList{"Englisch (unspecified caption)", "Deutsch (unspecified caption)"} << 1
            << 0;
        QTest::newRow("NTSC, audio without language")
            << QStringLiteral("ntsc-one-audio/VTS_01_0.IFO")
            << QStringList{"Französisch (Dolby-AC3)%%2.0", "not specified (MPEG-1)%%1.0"}
            << QStringList{"Türkish (unspecified caption)"} << 0 << 1;
        QTest::newRow("first of two title sets")
            << QStringLiteral("two-titlesets/VTS_01_0.IFO")
            << QStringList{"Englisch (Dolby-AC3)%%2.0"} << QStringList{} << 0 << 0;
        QTest::newRow("second of two title sets")
            << QStringLiteral("two-titlesets/VTS_02_0.IFO")
            << QStringList{"Italienisch (MPEG-1)%%2.0"}
            << QStringList{"Französisch (unspecified caption)"} << 0 << 0;
    }
    void authoredDiscs()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, audio);
        QFETCH(QStringList, subtitles);
        QFETCH(int, minutes);
        QFETCH(int, standard);
        const QString path = QStringLiteral(KORVEL_TEST_DATA "/disc/") + file;
        QStringList readAudio, readSubtitles;
        int readMinutes = -1, readStandard = -1, medium = -1;
        korvel::disc::ReadDVDInfo(path, readAudio, readSubtitles, readMinutes, readStandard, medium,
                                  [](const QString&) { return qint64(4'000'000'000); });
        QCOMPARE(readAudio, audio);
        QCOMPARE(readSubtitles, subtitles);
        QCOMPARE(readMinutes, minutes);
        QCOMPARE(readStandard, standard);
        QCOMPARE(medium, 0);
        // the tool writes no text data: the read-in takes the volume label instead
        const QString disc = QFileInfo(path).dir().filePath(QStringLiteral("VIDEO_TS.IFO"));
        QCOMPARE(korvel::disc::ReadDVDGeneralName(disc), QString());
    }
};

QTEST_GUILESS_MAIN(TestIfoReader)
#include "tst_ifoReader.moc"
