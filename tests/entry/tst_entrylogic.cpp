#include "entry/CommentTags.h"
#include "entry/Thumbnail.h"
#include "entry/TrackRows.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace korvel::entry;

// Thumbnails, the track lists' duplicate removal and the comment editor's tags.
class TestEntryLogic : public QObject
{
    Q_OBJECT

private slots:
    void thumbnailSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("thumbnail");
        QTest::newRow("portrait 400x600") << QSize(400, 600) << QSize(113, 169);
        // 265 / 2 = 132.5: the half goes to the even neighbour
        QTest::newRow("wide 1000x500 is capped at 265") << QSize(1000, 500) << QSize(265, 132);
        QTest::newRow("square") << QSize(300, 300) << QSize(169, 169);
        // 169 * 0.5 = 84.5 rounds to the even 84
        QTest::newRow("half goes to even") << QSize(100, 200) << QSize(84, 169);
        // 265 / 2.12 = 125 exactly; 265 / (530/251) = 125.5 -> 126
        QTest::newRow("height half to even") << QSize(530, 251) << QSize(265, 126);
        QTest::newRow("empty picture") << QSize(0, 10) << QSize();
    }
    void thumbnailSize()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, thumbnail);
        QCOMPARE(Thumbnail::sizeFor(picture), thumbnail);
    }

    void thumbnailFromFile()
    {
        QTemporaryDir dir;
        const QString bmp = dir.filePath(QStringLiteral("cover.bmp"));
        QImage img(400, 600, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(bmp, "BMP"));
        QByteArray jpeg = Thumbnail::fromFile(bmp);
        QVERIFY(jpeg.startsWith("\xFF\xD8"));
        QImage back;
        QVERIFY(back.loadFromData(jpeg, "JPG"));
        QCOMPARE(back.size(), QSize(113, 169));

        QVERIFY(Thumbnail::fromFile(dir.filePath(QStringLiteral("gone.jpg"))).isEmpty());
        QFile text(dir.filePath(QStringLiteral("fake.jpg")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("no picture");
        text.close();
        QVERIFY(Thumbnail::fromFile(text.fileName()).isEmpty());
    }

    void removeDuplicates_data()
    {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QList<QStringList>>("expected");
        const QStringList de51{"Deutsch", "Dolby AC-3", "5.1"}, en{"Englisch", "DTS", "5.1"},
            de20{"Deutsch", "Dolby AC-3", "2.0"}, deLower{"deutsch", "Dolby AC-3", "5.1"};
        QTest::newRow("channels do not count") << QList<QStringList>{de51, en, de20} << QList<QStringList>{de51, en};
        QTest::newRow("case counts") << QList<QStringList>{de51, deLower} << QList<QStringList>{de51, deLower};
        QTest::newRow("many copies") << QList<QStringList>{de51, de51, en, de51, en} << QList<QStringList>{de51, en};
        QTest::newRow("empty") << QList<QStringList>{} << QList<QStringList>{};
        QTest::newRow("subtitles") << QList<QStringList>{{"Deutsch", "forced caption"}, {"Deutsch", "forced caption"}}
                                   << QList<QStringList>{{"Deutsch", "forced caption"}};
    }
    void removeDuplicates()
    {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QList<QStringList>, expected);
        TrackRows::removeDuplicates(rows);
        QCOMPARE(rows, expected);
        QCOMPARE(TrackRows::hint({"Deutsch", "Dolby AC-3", "5.1"}), QStringLiteral("Deutsch(Dolby AC-3)"));
    }

    void commentTags_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("caretAfter");
        using T = CommentTags::Tag;
        QTest::newRow("bold in empty comment") << "" << 0 << int(T::Bold) << "<b>IHR TEXT</b>" << "IHR TEXT" << 11;
        QTest::newRow("italic at the start") << "Hallo Welt" << 0 << int(T::Italic)
                                             << "<i>IHR TEXT</i>Hallo Welt" << "IHR TEXT" << 11;
        QTest::newRow("line break after Hallo") << "Hallo Welt" << 5 << int(T::LineBreak)
                                                << "Hallo<br> Welt" << "" << 9;
        QTest::newRow("hyperlink selects the address") << "x" << 1 << int(T::Hyperlink)
                                                       << "x<a href=\"IHR LINK\">IHR TEXT</a>" << "IHR LINK" << 18;
        QTest::newRow("image selects the file") << "" << 0 << int(T::Image) << "<img src=\"DATEI\">" << "DATEI" << 15;
        QTest::newRow("underline in the middle") << "ab" << 1 << int(T::Underline) << "a<u>IHR TEXT</u>b" << "IHR TEXT" << 12;
    }
    void commentTags()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, tag);
        QFETCH(QString, result);
        QFETCH(QString, selected);
        QFETCH(int, caretAfter);
        const auto r = CommentTags::insert(text, caret, CommentTags::Tag(tag));
        QCOMPARE(r.text, result);
        QCOMPARE(r.text.mid(r.selectionStart, r.selectionLength), selected);
        QCOMPARE(r.selectionStart + r.selectionLength, caretAfter);
    }
};

QTEST_GUILESS_MAIN(TestEntryLogic)
#include "tst_entrylogic.moc"
