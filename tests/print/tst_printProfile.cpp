#include "common/Cp1252.h"
#include "print/DefaultProfiles.h"
#include "print/PrintProfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using korvel::print::PrintProfile;
using korvel::print::ProfileField;
using korvel::print::ProfileFont;
using korvel::print::ProfileListEntry;

namespace {

QStringList header(const QString& name = QStringLiteral("Name=Test"))
{
    return {"[Druckprofil]", "Version=1.1", name, "Beschreibung=Kurz", "1", "1", "1", "16744576"};
}

QStringList record(const QString& caption)
{
    return {caption, "25", "Arial;26;S", "1", "0", "16764057"};
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPrintProfile : public QObject
{
    Q_OBJECT

  private slots:
    void fieldRecords_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("only the eight leading lines") << header() << QStringList{};
        QTest::newRow("two records")
            << header() + record("Titel") + record("Genre") << QStringList{"Titel", "Genre"};
        QTest::newRow("single trailing line ignored")
            << header() + record("Titel") + QStringList{"Genre"} << QStringList{"Titel"};
        for (int n = 2; n <= 5; ++n)
            QTest::addRow("trailing record of %d lines left out", n)
                << header() + record("Titel") + record("Genre").mid(0, n) << QStringList{"Titel"};
        QTest::newRow("fewer than eight lines") << header().mid(0, 5) << QStringList{};
    }
    void fieldRecords()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, captions);
        const auto p = PrintProfile::fromLines(lines);
        QVERIFY(p);
        QStringList read;
        for (const ProfileField& f : p->fields)
            read << f.caption;
        QCOMPARE(read, captions);
        for (const ProfileField& f : p->fields)
            QCOMPARE(f, (ProfileField{f.caption, "25", "Arial;26;S", "1", "0", "16764057"}));
    }

    void leadingLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("normal") << header() << true << "Test"
                                << "Kurz";
        QTest::newRow("bare Name=") << header("Name=") << true << ""
                                    << "Kurz";
        QTest::newRow("missing prefix loses five characters")
            << header("Standardprofil") << true << "ardprofil"
            << "Kurz";
        QTest::newRow("shorter than the prefix") << header("Nam") << true << ""
                                                 << "Kurz";
        QTest::newRow("only the two marker lines")
            << QStringList{"[Druckprofil]", "Version=1.1"} << true << ""
            << "";
        QTest::newRow("marker in other case")
            << QStringList{"[druckprofil]", "Version=1.1"} + header().mid(2) << false << ""
            << "";
        QTest::newRow("marker with a blank")
            << QStringList{"[Druckprofil] ", "Version=1.1"} + header().mid(2) << false << ""
            << "";
        QTest::newRow("other version")
            << QStringList{"[Druckprofil]", "Version=1.0"} + header().mid(2) << false << ""
            << "";
        QTest::newRow("one line") << QStringList{"[Druckprofil]"} << false << ""
                                  << "";
        QTest::newRow("nothing") << QStringList{} << false << ""
                                 << "";
    }
    void leadingLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, valid);
        QFETCH(QString, name);
        QFETCH(QString, description);
        const auto p = PrintProfile::fromLines(lines);
        QCOMPARE(bool(p), valid);
        if (p) {
            QCOMPARE(p->name, name);
            QCOMPARE(p->description, description);
        }

        // the print dialog's list agrees with the reader
        QTemporaryDir dir;
        QVERIFY(korvel::Cp1252::writeLines(dir.filePath("p.tpf"), lines));
        const auto rows = korvel::print::load_template_list(dir.path());
        if (valid)
            QCOMPARE(rows, (QList<ProfileListEntry>{{name, description, "p.tpf"}}));
        else
            QVERIFY(rows.isEmpty());
    }

    void settingsLines()
    {
        auto p = PrintProfile::fromLines(
            {"[Druckprofil]", "Version=1.1", "Name=A", "Beschreibung=B", "0", "0", "2", "255"});
        QVERIFY(p);
        QCOMPARE(p->orientation, 0);
        QCOMPARE(p->colourMode, 0);
        QVERIFY(p->markLent); // any number but 0 marks
        QCOMPARE(p->markColour, 255u);
        p = PrintProfile::fromLines({"[Druckprofil]", "Version=1.1", "Name=A", "Beschreibung=B",
                                     "quer", "", "nein", "rot"});
        QVERIFY(p);
        QCOMPARE(p->orientation, 0);
        QVERIFY(!p->markLent);
        QCOMPARE(p->markColour, PrintProfile::defaultMarkColour);
    }

    void writeAndReadBack()
    {
        PrintProfile p;
        p.name = QStringLiteral("Große Übersicht €");
        p.description = QStringLiteral("Zeile eins\r\nZeile zwei\nZeile drei");
        p.orientation = 0;
        p.markLent = true;
        p.markColour = 13434828;
        p.fields << ProfileField::make("Kostüme", 30,
                                       ProfileFont{"Times New Roman", 12, ProfileFont::BoldItalic},
                                       3, 255, 16777215)
                 << ProfileField::make("Titel", 70, ProfileFont{}, 0, 0, 10092543);
        QTemporaryDir dir;
        const QString path = dir.filePath("neu.tpf");
        QVERIFY(p.write(path));
        const QByteArray bytes = readBytes(path);
        QVERIFY(bytes.startsWith("[Druckprofil]\r\nVersion=1.1\r\nName=Gro\xDF"
                                 "e \xDC"
                                 "bersicht \x80\r\n"));
        QVERIFY(bytes.contains(
            "\r\nBeschreibung=Zeile eins Zeile zwei Zeile drei\r\n0\r\n1\r\n1\r\n13434828\r\n"));
        QVERIFY(bytes.endsWith(
            "\r\nKost\xFCme\r\n30\r\nTimes New Roman;12;FK\r\n3\r\n255\r\n16777215\r\n"
            "Titel\r\n70\r\nArial;26;S\r\n0\r\n0\r\n10092543\r\n"));
        const auto back = PrintProfile::read(path);
        QVERIFY(back);
        PrintProfile expected = p;
        expected.description = QStringLiteral("Zeile eins Zeile zwei Zeile drei");
        QCOMPARE(*back, expected);
        QCOMPARE(back->fields[1].maxLines(), 1); // 0 acts as 1
        QCOMPARE(back->fields[0].parsedFont().style, ProfileFont::BoldItalic);
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("style");
        QTest::newRow("standard") << "Arial;26;S"
                                  << "Arial" << 26 << int(ProfileFont::Standard);
        QTest::newRow("bold") << "Arial;30;F"
                              << "Arial" << 30 << int(ProfileFont::Bold);
        QTest::newRow("italic") << "Courier New;8;K"
                                << "Courier New" << 8 << int(ProfileFont::Italic);
        QTest::newRow("bold italic") << "Times;12;FK"
                                     << "Times" << 12 << int(ProfileFont::BoldItalic);
        QTest::newRow("unknown style") << "Arial;12;X"
                                       << "Arial" << 12 << int(ProfileFont::Standard);
        QTest::newRow("no style") << "Arial;12"
                                  << "Arial" << 12 << int(ProfileFont::Standard);
        QTest::newRow("size not a number") << "Arial;groß;F"
                                           << "Arial" << 26 << int(ProfileFont::Bold);
        QTest::newRow("name only") << "Verdana"
                                   << "Verdana" << 26 << int(ProfileFont::Standard);
        QTest::newRow("empty") << ""
                               << "" << 26 << int(ProfileFont::Standard);
    }
    void fonts()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(int, style);
        const ProfileFont f = ProfileFont::parse(text);
        QCOMPARE(f.name, name);
        QCOMPARE(f.size, size);
        QCOMPARE(int(f.style), style);
        QCOMPARE(ProfileFont::parse(f.text()).text(), f.text());
    }

    void colours_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("light blue") << 16744576u << QColor(128, 128, 255);
        QTest::newRow("16764057") << 16764057u << QColor(153, 204, 255);
        QTest::newRow("13434828") << 13434828u << QColor(204, 255, 204);
        QTest::newRow("10079487") << 10079487u << QColor(255, 204, 153);
        QTest::newRow("10092543") << 10092543u << QColor(255, 255, 153);
        QTest::newRow("white") << 16777215u << QColor(255, 255, 255);
        QTest::newRow("black") << 0u << QColor(0, 0, 0);
        QTest::newRow("pure red in the low byte") << 255u << QColor(255, 0, 0);
    }
    void colours()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, colour);
        QCOMPARE(korvel::print::colourFromValue(value), colour);
        QCOMPARE(korvel::print::colourValue(colour), value);
    }

    void defaultProfiles()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("prog/Druckprofile");
        QVERIFY(korvel::print::DefaultProfiles::writeTo(folder));
        const QByteArray quer = readBytes(folder + "/Profil Standard Farbe Quer.tpf");
        QCOMPARE(
            quer,
            QByteArray("[Druckprofil]\r\nVersion=1.1\r\nName=Standard Querformat, Farbe\r\n"
                       "Beschreibung=Das Profil entspricht dem Standard-Farbprofil fr\xFCh"
                       "erer DVD "
                       "Korvel-Versionen. Verliehene DVDs werden farblich markiert, der Ausdruck "
                       "erfolgt im Querformat.\r\n1\r\n1\r\n1\r\n16744576\r\n"
                       "Nummer\r\n8\r\nArial;26;S\r\n1\r\n0\r\n16764057\r\n"
                       "Titel\r\n25\r\nArial;26;S\r\n1\r\n0\r\n13434828\r\n"
                       "Darsteller\r\n50\r\nArial;26;S\r\n1\r\n0\r\n10079487\r\n"
                       "Genre\r\n10\r\nArial;26;S\r\n1\r\n0\r\n10092543\r\n"
                       "Laufzeit\r\n7\r\nArial;26;S\r\n1\r\n0\r\n10092543\r\n"));

        const auto hoch = PrintProfile::read(folder + "/Profil Standard Farbe Hoch.tpf");
        QVERIFY(hoch);
        QCOMPARE(hoch->orientation, 0);
        QVERIFY(hoch->markLent);
        QCOMPARE(hoch->fields.size(), 4);
        QCOMPARE(hoch->fields[2],
                 (ProfileField{"Darsteller", "54", "Arial;26;S", "1", "0", "10079487"}));
        const auto sw = PrintProfile::read(folder + "/Profil Standard SW Hoch.tpf");
        QVERIFY(sw);
        QCOMPARE(sw->name, QStringLiteral("Standard Hochformat, S/W"));
        QVERIFY(!sw->markLent);
        for (const ProfileField& f : sw->fields)
            QCOMPARE(f.background, QStringLiteral("16777215"));

        // a changed or deleted default profile is back after the next start
        QVERIFY(korvel::Cp1252::writeLines(folder + "/Profil Standard Farbe Quer.tpf", {"x"}));
        QVERIFY(QFile::remove(folder + "/Profil Standard SW Hoch.tpf"));
        QVERIFY(korvel::print::DefaultProfiles::writeTo(folder));
        QCOMPARE(readBytes(folder + "/Profil Standard Farbe Quer.tpf"), quer);
        QVERIFY(QFile::exists(folder + "/Profil Standard SW Hoch.tpf"));

        const auto rows = korvel::print::load_template_list(folder);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].name, QStringLiteral("Standard Hochformat, Farbe"));
        QCOMPARE(rows[1].name, QStringLiteral("Standard Hochformat, S/W"));
        QCOMPARE(rows[2].fileName, QStringLiteral("Profil Standard Farbe Quer.tpf"));
    }

    void profileListLeavesOutDamagedFiles()
    {
        QTemporaryDir dir;
        QVERIFY(korvel::Cp1252::writeLines(dir.filePath("b.tpf"), header("Name=beta")));
        QVERIFY(korvel::Cp1252::writeLines(dir.filePath("a.tpf"), header("Name=Äpfel")));
        QVERIFY(korvel::Cp1252::writeLines(dir.filePath("other.txt"), header("Name=kein Profil")));
        writeBytes(dir.filePath("empty.tpf"), {});
        QByteArray noise(4096, '\0');
        QRandomGenerator rng(8);
        for (char& c : noise)
            c = char(rng.bounded(256));
        writeBytes(dir.filePath("noise.tpf"), noise);
        writeBytes(dir.filePath("lf.tpf"), "[Druckprofil]\nVersion=1.1\nName=Nur LF\n");
        QVERIFY(QDir(dir.path()).mkdir("folder.tpf"));

        const auto rows = korvel::print::load_template_list(dir.path());
        QCOMPARE(rows, (QList<ProfileListEntry>{{"Äpfel", "Kurz", "a.tpf"},
                                                {"beta", "Kurz", "b.tpf"},
                                                {"Nur LF", "", "lf.tpf"}}));
        QVERIFY(!PrintProfile::read(dir.filePath("noise.tpf")));
        QVERIFY(!PrintProfile::read(dir.filePath("empty.tpf")));
        QVERIFY(!PrintProfile::read(dir.filePath("missing.tpf")));
        QVERIFY(korvel::print::load_template_list(dir.filePath("nowhere")).isEmpty());
        QVERIFY(!PrintProfile::invalidFormatMessage().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPrintProfile)
#include "tst_printProfile.moc"
