// The template engine against a small catalog built in code: tokens and their values, the
// entry loop, the selection, thumbnails and the export run around the shared query.
#include "export/CoverThumbnail.h"
#include "export/ExportError.h"
#include "export/StandardTemplates.h"
#include "export/TemplateEngine.h"

#include "common/Cp1252.h"
#include "store/CatalogDatabase.h"
#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace korvel;
using namespace korvel::exporting;

namespace {

struct RecordingProgress : ExportProgress
{
    QStringList events;
    void show() override { events << QStringLiteral("show"); }
    void setPosition(int percent) override { events << QString::number(percent); }
    void hide() override { events << QStringLiteral("hide"); }
};

QByteArray jpegOf(int w, int h, Qt::GlobalColor color)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPEG", 95);
    return bytes;
}

bool isWhite(QRgb c)
{
    return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
}
bool isRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

} // namespace

class tst_TemplateEngine : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void templateWithoutTokensIsCopied();
    void tokens_data();
    void tokens();
    void codedFields_data();
    void codedFields();
    void loopWalksSelectionInListOrder();
    void missingEntryGivesEmptyFields();
    void eventPumpRunsAfterEveryToken();
    void loopWithoutMoveNextEnds();
    void standardTemplateWithOddEntries();
    void exportWithoutEntries();
    void thumbnails();
    void thumbnailGeometry_data();
    void thumbnailGeometry();
    void exportRunGivesQueryBack();
    void exportRunErrors();

  private:
    void addEntry(qint64 nummer, const QVariantMap& values);
    QStringList expand(const QList<qint64>& keys, const QStringList& lines,
                       ExportProgress* progress = nullptr);

    QTemporaryDir m_blankDir;
    QString m_blank; // an empty catalog, copied for each test
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<store::CatalogStore> m_store;
};

void tst_TemplateEngine::initTestCase()
{
    m_blank = m_blankDir.filePath(QStringLiteral("blank.mdb"));
    store::CatalogDatabase::createEmptyFile(m_blank);
    store::CatalogDatabase db;
    db.setPath(m_blank);
    db.connect();
    store::CatalogSchema::createEmptyCatalog(db);
}

void tst_TemplateEngine::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QString path = m_dir->filePath(QStringLiteral("movies.mdb"));
    QVERIFY(QFile::copy(m_blank, path));
    m_store = std::make_unique<store::CatalogStore>();
    m_store->database().setPath(path);
    m_store->database().connect();
}

void tst_TemplateEngine::cleanup()
{
    m_store.reset();
    m_dir.reset();
}

void tst_TemplateEngine::addEntry(qint64 nummer, const QVariantMap& values)
{
    QStringList columns{QStringLiteral("nummer")};
    QStringList marks{QStringLiteral(":nummer")};
    QVariantMap params = values;
    params.insert(QStringLiteral("nummer"), nummer);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        columns << it.key();
        marks << QLatin1Char(':') + it.key();
    }
    m_store->database().execute(
        QStringLiteral("insert into haupt (%1) values (%2)")
            .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
        params);
}

QStringList tst_TemplateEngine::expand(const QList<qint64>& keys, const QStringList& lines,
                                       ExportProgress* progress)
{
    TemplateEngine engine(m_store->haupt(), keys, m_dir->path(), progress);
    return engine.expand(lines);
}

void tst_TemplateEngine::templateWithoutTokensIsCopied()
{
    addEntry(1, {{"titel", "Alien"}});
    const QStringList lines{"<html>", "", "  100% sicher", "<b>%</b>", "</html>"};
    QCOMPARE(expand({1}, lines), lines);
}

void tst_TemplateEngine::tokens_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("out");
    QTest::newRow("unknown token gives its name") << "<td>%%FOO BAR%%</td>"
                                                  << "<td>FOO BAR</td>";
    QTest::newRow("names are upper case") << "%%titel%%"
                                          << "titel";
    QTest::newRow("MOVE NEXT alone in angle brackets gives an empty line") << "<%%MOVE NEXT%%>"
                                                                           << "";
    QTest::newRow("indented it keeps the blanks and <>") << "  <%%MOVE NEXT%%>"
                                                         << "  <>";
    QTest::newRow("LINK gives nothing") << "a%%LINK%%b"
                                        << "ab";
    QTest::newRow("title with & and < unchanged") << "<td>%%TITEL%%</td>"
                                                  << "<td>Tom & <Jerry></td>";
    QTest::newRow("several tokens on a line") << "%%NR%%|%%ABS_NR%%|%%GENRE%%"
                                              << "17|3|Komödie";
    QTest::newRow("running time") << "%%DAUER%%"
                                  << "95 min.";
    QTest::newRow("rating from the list") << "%%WERTUNG%%"
                                          << "Gut";
    QTest::newRow("umlaut token") << "%%KOSTÜME%%"
                                  << "Ruth";
    QTest::newRow("screenplay and effects") << "%%DREHBUCH%%/%%EFFEKTE%%"
                                            << "B/E";
    QTest::newRow("coded texts unchanged") << "%%DVDTYP%% %%MASTERING%% %%REGION%% %%FSK%%"
                                           << "DVD-9 Original-DVD 2 12";
    QTest::newRow("unmatched delimiter is removed") << "50%% Rabatt"
                                                    << "50 Rabatt";
    QTest::newRow("empty name") << "a%%%%b"
                                << "ab";
    QTest::newRow("value holding delimiters is not read again") << "%%ORIGINALTITEL%%"
                                                                << "100%%TITEL%%";
    QTest::newRow("memo with line break") << "%%BESCHREIBUNG%%"
                                          << "Zeile 1\r\nZeile 2";
}

void tst_TemplateEngine::tokens()
{
    QFETCH(QString, line);
    QFETCH(QString, out);
    addEntry(3, {{"visiblenr", 17},
                 {"titel", "Tom & <Jerry>"},
                 {"originaltitel", "100%%TITEL%%"},
                 {"genre", "Komödie"},
                 {"laufzeit", "95"},
                 {"wertung", 7},
                 {"kostueme", "Ruth"},
                 {"buch", "B"},
                 {"visuelle_effekte", "E"},
                 {"dvdtyp", "DVD-9"},
                 {"mastering", "Original-DVD"},
                 {"region", "2"},
                 {"fsk", "12"},
                 {"beschreibung", "Zeile 1\r\nZeile 2"}});
    QCOMPARE(expand({3}, {line}), QStringList{out});
}

void tst_TemplateEngine::codedFields_data()
{
    QTest::addColumn<QVariant>("bildtyp");
    QTest::addColumn<QVariant>("bildformat");
    QTest::addColumn<QVariant>("wertung");
    QTest::addColumn<QString>("out");
    const QVariant null;
    QTest::newRow("all empty") << null << null << null << "PAL|16:9 Widescreen|keine Wertung| min.";
    QTest::newRow("zeros") << QVariant("0") << QVariant("0") << QVariant(0)
                           << "PAL|4:3 Fullscreen|keine Wertung| min.";
    QTest::newRow("ones") << QVariant("1") << QVariant("1") << QVariant(10)
                          << "NTSC|16:9 Widescreen|Spitzenklasse| min.";
    QTest::newRow("rating beyond the list gives nothing")
        << QVariant("2") << QVariant("x") << QVariant(11) << "NTSC|16:9 Widescreen|| min.";
}

void tst_TemplateEngine::codedFields()
{
    QFETCH(QVariant, bildtyp);
    QFETCH(QVariant, bildformat);
    QFETCH(QVariant, wertung);
    QFETCH(QString, out);
    addEntry(1, {{"bildtyp", bildtyp}, {"bildformat", bildformat}, {"wertung", wertung}});
    QCOMPARE(expand({1}, {"%%BILDTYP%%|%%BILDFORMAT%%|%%WERTUNG%%|%%DAUER%%"}), QStringList{out});
}

void tst_TemplateEngine::loopWalksSelectionInListOrder()
{
    for (int n = 1; n <= 5; ++n)
        addEntry(n, {{"titel", QString(QChar(u'A' + n - 1))}});
    RecordingProgress progress;
    const QStringList out = expand({4, 2, 5},
                                   {"vor %%TITEL%%", "<%%WHILE NOT EOF%%>", "<li>%%TITEL%%</li>",
                                    "<%%MOVE NEXT%%>", "<%%END NOT EOF%%>", "nach [%%TITEL%%]"},
                                   &progress);
    QCOMPARE(out, (QStringList{"vor D", "", "<li>D</li>", "", "", "", "<li>B</li>", "", "", "",
                               "<li>E</li>", "", "", "nach []"}));
    QCOMPARE(progress.events, (QStringList{"show", "33", "67", "hide", "hide"}));
}

void tst_TemplateEngine::missingEntryGivesEmptyFields()
{
    addEntry(1, {{"titel", "Eins"}});
    addEntry(1, {{"titel", "Doppelt"}}); // no keys in the table: the first row counts
    const QStringList out = expand({9, 1}, {"%%WHILE NOT EOF%%[%%TITEL%%]%%THUMB%%%%MOVE NEXT%%"
                                            "%%END NOT EOF%%"});
    QCOMPARE(out, (QStringList{"[]9.jpg", "[Eins]1.jpg"}));
}

void tst_TemplateEngine::eventPumpRunsAfterEveryToken()
{
    addEntry(1, {{"titel", "Eins"}});
    TemplateEngine engine(m_store->haupt(), {1}, m_dir->path());
    int calls = 0;
    engine.setEventPump([&] { ++calls; });
    engine.expand({"kein Token", "%%TITEL%% %%GENRE%%", "50%% Rabatt"});
    QCOMPARE(calls, 3);

    // The default pump lets timers fire during a long expansion.
    {
        store::Transaction t(m_store->database());
        for (int n = 2; n <= 200; ++n)
            addEntry(n, {{"titel", QString::number(n)}});
        t.commit();
    }
    QList<qint64> keys;
    for (int n = 1; n <= 200; ++n)
        keys << n;
    QStringList lines{"%%WHILE NOT EOF%%"};
    for (int i = 0; i < 500; ++i)
        lines << "%%TITEL%% %%DAUER%% %%WERTUNG%%";
    lines << "%%MOVE NEXT%%"
          << "%%END NOT EOF%%";
    bool fired = false;
    QTimer::singleShot(1, this, [&] { fired = true; });
    QElapsedTimer t;
    t.start();
    TemplateEngine pumping(m_store->haupt(), keys, m_dir->path());
    pumping.expand(lines);
    if (t.elapsed() < 30)
        QSKIP("expansion too fast to see the pump here");
    QVERIFY(fired);
}

void tst_TemplateEngine::loopWithoutMoveNextEnds()
{
    addEntry(1, {{"titel", "Eins"}});
    addEntry(2, {{"titel", "Zwei"}});
    // A body that never moves on would repeat for ever; the loop ends after a pass that did
    // not advance.
    const QStringList out =
        expand({1, 2}, {"%%WHILE NOT EOF%%", "%%TITEL%%", "%%END NOT EOF%%", "ende"});
    QCOMPARE(out, (QStringList{"", "Eins", "", "", "Eins", "", "ende"}));

    // A MOVE NEXT before the WHILE NOT EOF on the loop's first line still loops.
    const QStringList moved =
        expand({1, 2}, {"x%%MOVE NEXT%%%%WHILE NOT EOF%%", "%%TITEL%%", "%%END NOT EOF%%"});
    QCOMPARE(moved, (QStringList{"x", "Zwei", "", "x", "", ""}));
}

void tst_TemplateEngine::standardTemplateWithOddEntries()
{
    const QString templates = m_dir->filePath(QStringLiteral("Templates"));
    QVERIFY(StandardTemplates::install(templates));
    QStringList page;
    QVERIFY(Cp1252::readLines(QDir(templates).filePath(QStringLiteral("korv_standard.htm")), page));
    addEntry(1, {{"visiblenr", 1},
                 {"titel", "Alien"},
                 {"genre", "Horror"},
                 {"laufzeit", "117"},
                 {"wertung", 9}});
    addEntry(2, {{"visiblenr", 2},
                 {"titel", "Brazil"},
                 {"genre", "Satire"},
                 {"laufzeit", "142"},
                 {"wertung", 8}});
    addEntry(3, {{"visiblenr", 3},
                 {"titel", "Cube"},
                 {"genre", "Thriller"},
                 {"laufzeit", "90"},
                 {"wertung", 6}});
    const QStringList out = expand({1, 2, 3}, page);
    const QString html = out.join(QLatin1Char('\n'));
    QVERIFY(!html.contains(QLatin1String("%%")));
    QVERIFY(html.contains(QLatin1String("<title>DVD-Bibliothek - Mein Filmarchiv</title>")));
    // The two rows of the body alternate; the third entry's pass prints empty "ab" cells.
    QStringList cells;
    for (const QString& l : out)
        if (l.contains(QLatin1String("class=\"hervor\"")) ||
            l.contains(QLatin1String("class=\"ab\"")))
            cells << l.trimmed();
    QCOMPARE(cells.size(), 20);
    QCOMPARE(cells[0], QStringLiteral("<td class=\"hervor\">1</td>"));
    QCOMPARE(cells[1], QStringLiteral("<td class=\"hervor\">Alien</td>"));
    QCOMPARE(cells[3], QStringLiteral("<td class=\"hervor\">117 min.</td>"));
    QCOMPARE(cells[4], QStringLiteral("<td class=\"hervor\">Ausgezeichnet</td>"));
    QCOMPARE(cells[6], QStringLiteral("<td class=\"ab\">Brazil</td>"));
    QCOMPARE(cells[11], QStringLiteral("<td class=\"hervor\">Cube</td>"));
    for (int i = 15; i < 20; ++i)
        QCOMPARE(cells[i], QStringLiteral("<td class=\"ab\"></td>"));
    // A line holding a token always gives one line: the loop lines appear once per pass.
    QCOMPARE(out.size(), page.size() + (page.indexOf("<%%END NOT EOF%%>") -
                                        page.indexOf("<%%WHILE NOT EOF%%>") + 1));
}

void tst_TemplateEngine::exportWithoutEntries()
{
    const QString templates = m_dir->filePath(QStringLiteral("Templates"));
    QVERIFY(StandardTemplates::install(templates));
    QStringList page;
    QVERIFY(Cp1252::readLines(QDir(templates).filePath(QStringLiteral("korv_standard.htm")), page));
    RecordingProgress progress;
    const QStringList out = expand({}, page, &progress);
    QCOMPARE(out.size(), page.size());
    QVERIFY(out.contains(QStringLiteral("    <td class=\"hervor\"></td>")));
    QVERIFY(!out.join(QString()).contains(QLatin1String("min.")));
    QCOMPARE(progress.events, (QStringList{"show", "hide", "hide"}));
}

void tst_TemplateEngine::thumbnails()
{
    addEntry(1, {{"cover_thumb", jpegOf(100, 100, Qt::red)}});
    addEntry(2, {{"titel", "ohne Bild"}});
    addEntry(3, {{"cover_thumb", QByteArray("kein Bild")}});
    const QString old = m_dir->filePath(QStringLiteral("1.jpg"));
    QFile f(old);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("alt");
    f.close();

    const QStringList out =
        expand({1, 2, 3}, {"%%WHILE NOT EOF%%<img src=\"%%THUMB%%\">%%MOVE NEXT%%"
                           "%%END NOT EOF%%"});
    QCOMPARE(out,
             (QStringList{"<img src=\"1.jpg\">", "<img src=\"2.jpg\">", "<img src=\"3.jpg\">"}));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("2.jpg"))));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("3.jpg"))));

    QFile written(old);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith("\xFF\xD8")); // replaced by a JPEG
    const QImage thumb = QImage::fromData(bytes);
    QCOMPARE(thumb.size(), QSize(217, 144));
    QVERIFY(isWhite(thumb.pixel(20, 72)));
    QVERIFY(isRed(thumb.pixel(108, 72)));
    QVERIFY(isWhite(thumb.pixel(200, 72)));
    // Quality 70: the same bytes as saving the rendered thumbnail at that quality.
    QByteArray expected;
    QBuffer buffer(&expected);
    buffer.open(QIODevice::WriteOnly);
    CoverThumbnail::render(QImage::fromData(jpegOf(100, 100, Qt::red))).save(&buffer, "JPEG", 70);
    QCOMPARE(bytes, expected);
}

void tst_TemplateEngine::thumbnailGeometry_data()
{
    QTest::addColumn<QSize>("cover");
    QTest::addColumn<QRect>("drawn");
    QTest::newRow("square: 36 free on the left, 37 on the right")
        << QSize(100, 100) << QRect(36, 0, 144, 144);
    QTest::newRow("half goes to the even neighbour") << QSize(289, 288) << QRect(36, 0, 144, 144);
    QTest::newRow("wide: full width, centred vertically")
        << QSize(400, 100) << QRect(0, 45, 217, 54);
    QTest::newRow("tall") << QSize(100, 400) << QRect(90, 0, 36, 144);
    QTest::newRow("exactly 217 wide") << QSize(217, 144) << QRect(0, 0, 217, 144);
}

void tst_TemplateEngine::thumbnailGeometry()
{
    QFETCH(QSize, cover);
    QFETCH(QRect, drawn);
    QImage img(cover, QImage::Format_RGB32);
    img.fill(Qt::red);
    const QImage thumb = CoverThumbnail::render(img);
    QCOMPARE(thumb.size(), QSize(217, 144));
    QRect red;
    int neither = 0;
    for (int y = 0; y < thumb.height(); ++y)
        for (int x = 0; x < thumb.width(); ++x) {
            const QRgb c = thumb.pixel(x, y);
            if (isRed(c))
                red |= QRect(x, y, 1, 1);
            else if (!isWhite(c))
                ++neither;
        }
    QCOMPARE(neither, 0);
    QCOMPARE(red, drawn);
    QVERIFY(CoverThumbnail::render(QImage()).isNull());
}

void tst_TemplateEngine::exportRunGivesQueryBack()
{
    addEntry(1, {{"titel", "Zorro"}});
    addEntry(2, {{"titel", "Alien"}});
    const QString tpl = m_dir->filePath(QStringLiteral("t.htm"));
    QVERIFY(Cp1252::writeLines(
        tpl, {"<%%WHILE NOT EOF%%>", "%%TITEL%% – €", "<%%MOVE NEXT%%>", "<%%END NOT EOF%%>"}));
    store::RecordSet& haupt = m_store->haupt();
    const QStringList listSql{"select *from haupt where titel <> :t", "order by titel"};
    haupt.setSql(listSql);
    haupt.bind(QStringLiteral("t"), QStringLiteral("x"));
    haupt.open();
    haupt.next();
    const QString target = m_dir->filePath(QStringLiteral("out/export.htm"));
    QDir().mkpath(m_dir->filePath(QStringLiteral("out")));
    run_template_export(*m_store, {2, 1}, tpl, target);
    QVERIFY(haupt.isOpen());
    QCOMPARE(haupt.sql(), listSql);
    QCOMPARE(haupt.text(QStringLiteral("titel")), QStringLiteral("Alien"));
    QFile out(target);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(),
             QByteArray("\r\nAlien \x96 \x80\r\n\r\n\r\n\r\nZorro \x96 \x80\r\n\r\n\r\n"));

    haupt.close();
    run_template_export(*m_store, {1}, tpl, target);
    QVERIFY(!haupt.isOpen());
    QCOMPARE(haupt.sql(), listSql);
}

void tst_TemplateEngine::exportRunErrors()
{
    addEntry(1, {{"titel", "Zorro"}});
    store::RecordSet& haupt = m_store->haupt();
    haupt.setSql({"select *from haupt"});
    haupt.open();
    QVERIFY_THROWS_EXCEPTION(
        ExportError,
        run_template_export(*m_store, {1}, m_dir->filePath("fehlt.htm"), m_dir->filePath("x.htm")));
    QVERIFY(haupt.isOpen());
    QCOMPARE(haupt.sql(), QStringList{"select *from haupt"});
    const QString tpl = m_dir->filePath(QStringLiteral("t.htm"));
    QVERIFY(Cp1252::writeLines(tpl, {"%%TITEL%%"}));
    QVERIFY_THROWS_EXCEPTION(
        ExportError, run_template_export(*m_store, {1}, tpl, m_dir->filePath("kein/ordner/x.htm")));
    QVERIFY(haupt.isOpen());
}

QTEST_GUILESS_MAIN(tst_TemplateEngine)
#include "tst_TemplateEngine.moc"
