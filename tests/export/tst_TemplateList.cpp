// Description files, the template list, the stylesheet copy and the standard template set.
#include "export/ExportError.h"
#include "export/StandardTemplates.h"
#include "export/TemplateList.h"

#include "common/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace korvel;
using namespace korvel::exporting;

class tst_TemplateList : public QObject
{
    Q_OBJECT

  private slots:
    void listingRules();
    void stylesheetCopy();
    void stylesheetErrors_data();
    void stylesheetErrors();
    void standardSetInstalledOnce();

  private:
    static void write(const QString& path, const QStringList& lines)
    {
        QVERIFY(Cp1252::writeLines(path, lines));
    }
};

void tst_TemplateList::listingRules()
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    write(d.filePath("seite.htm"), {"<html>"});
    write(d.filePath("b.the"),
          {"[Template]", "Name=Zebra", "Beschreibung=Letzte", "Quelldatei=seite.htm"});
    write(d.filePath("a.the"), {"[Template]", "Name=Ägypten", "Beschreibung=Mit Umlaut",
                                "Quelldatei=seite.htm", "Stylesheet=x.css"});
    write(d.filePath("c.the"),
          {"[Template]", "Titel=Affe", "Info:Kein Präfix geprüft", "Datei:     seite.htm"});
    write(d.filePath("falsch.the"),
          {"[template]", "Name=Klein", "Beschreibung=", "Quelldatei=seite.htm"});
    write(d.filePath("fehlt.the"),
          {"[Template]", "Name=Fehlt", "Beschreibung=", "Quelldatei=weg.htm"});
    write(d.filePath("kurz.the"), {"[Template]", "Name=Kurz", "Beschreibung="});
    write(d.filePath("ordner.the"), {"[Template]", "Name=Ordner", "Beschreibung=", "Quelldatei="});
    write(d.filePath("anders.txt"),
          {"[Template]", "Name=Anders", "Beschreibung=", "Quelldatei=seite.htm"});

    const QList<TemplateListRow> rows = TemplateList::load_template_list(dir.path());
    QStringList names;
    for (const TemplateListRow& r : rows)
        names << r.name;
    QCOMPARE(names, (QStringList{"=Affe", "Ägypten", "Zebra"}));
    QCOMPARE(rows[0].description, QStringLiteral("fix geprüft"));
    QCOMPARE(rows[1].description, QStringLiteral("Mit Umlaut"));
    QCOMPARE(rows[1].sourceFile, QStringLiteral("seite.htm"));
    QCOMPARE(rows[1].descriptionFile, QStringLiteral("a.the"));
    QVERIFY(TemplateList::load_template_list(d.filePath("gibtsnicht")).isEmpty());
}

void tst_TemplateList::stylesheetCopy()
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    QVERIFY(d.mkpath("Templates") && d.mkpath("Ziel"));
    const QString templates = d.filePath("Templates");
    QFile css(QDir(templates).filePath("a.css"));
    QVERIFY(css.open(QIODevice::WriteOnly));
    css.write("body {}\nh1 { color: red; }"); // LF only, no final line end
    css.close();
    write(QDir(templates).filePath("b.css"), {"td {}"});
    const QString the = QDir(templates).filePath("t.the");
    write(the, {"[Template]", "Name=T", "Beschreibung=", "Quelldatei=t.htm", "Stylesheet=a.css",
                "Stylesheet=", "Kommentar", "Stylesheet=b.css"});
    QCOMPARE(TemplateList::stylesheets(the), (QStringList{"a.css", "", "b.css"}));
    TemplateList::copy_stylesheets(templates, the, d.filePath("Ziel"));
    QFile copied(d.filePath("Ziel/a.css"));
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), QByteArray("body {}\r\nh1 { color: red; }\r\n"));
    QVERIFY(QFile::exists(d.filePath("Ziel/b.css")));
}

void tst_TemplateList::stylesheetErrors_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("missing stylesheet") << "Stylesheet=fehlt.css";
    QTest::newRow("leads out of the folder") << "Stylesheet=../geheim.css";
    QTest::newRow("absolute path") << "Stylesheet=/etc/passwd";
}

void tst_TemplateList::stylesheetErrors()
{
    QFETCH(QString, line);
    QTemporaryDir dir;
    const QDir d(dir.path());
    QVERIFY(d.mkpath("Templates/sub") && d.mkpath("Ziel"));
    write(d.filePath("geheim.css"), {"x"});
    const QString the = d.filePath("Templates/t.the");
    write(the, {"[Template]", "Name=T", "Beschreibung=", "Quelldatei=t.htm", line});
    QVERIFY_THROWS_EXCEPTION(
        ExportError,
        TemplateList::copy_stylesheets(d.filePath("Templates"), the, d.filePath("Ziel/sub")));
    QVERIFY(!QFile::exists(d.filePath("Ziel/geheim.css")));
    QVERIFY_THROWS_EXCEPTION(ExportError,
                             TemplateList::stylesheets(d.filePath("Templates/fehlt.the")));
}

void tst_TemplateList::standardSetInstalledOnce()
{
    QTemporaryDir dir;
    const QString templates = QDir(dir.path()).filePath("Templates");
    // A user's own stylesheet of the same name stays.
    QVERIFY(QDir().mkpath(templates));
    write(QDir(templates).filePath("layoutindex.css"), {"/* meins */"});
    QVERIFY(StandardTemplates::install(templates));
    QStringList css;
    QVERIFY(Cp1252::readLines(QDir(templates).filePath("layoutindex.css"), css));
    QCOMPARE(css, QStringList{"/* meins */"});

    const QList<TemplateListRow> rows = TemplateList::load_template_list(templates);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].name, QStringLiteral("Korvel Standard Gray"));
    QVERIFY(rows[0].description.startsWith(QStringLiteral("Korvel Standard Gray präsentiert")));
    QVERIFY(rows[0].description.endsWith(QStringLiteral("zu brillieren :-)")));
    QCOMPARE(rows[0].sourceFile, QStringLiteral("korv_standard.htm"));
    QCOMPARE(TemplateList::stylesheets(QDir(templates).filePath(rows[0].descriptionFile)),
             QStringList{"layoutindex.css"});

    QFile the(QDir(templates).filePath(StandardTemplates::descriptionFileName()));
    QVERIFY(the.open(QIODevice::ReadOnly));
    QVERIFY(the.readAll().contains("pr\xe4sentiert")); // Windows-1252 on disk

    QStringList page;
    QVERIFY(Cp1252::readLines(QDir(templates).filePath("korv_standard.htm"), page));
    for (const char* token : {"<%%WHILE NOT EOF%%>", "<%%MOVE NEXT%%>", "<%%END NOT EOF%%>"})
        QVERIFY(page.contains(QString::fromLatin1(token)));
    QCOMPARE(page.count("<%%MOVE NEXT%%>"), 2);
    const QString html = page.join('\n');
    QVERIFY(html.contains("charset=iso-8859-1"));
    QVERIFY(html.contains("id=\"haupttabelle\""));
    QVERIFY(html.contains("<td class=\"titel\" width=\"50%\">Titel</td>"));

    // Installing again leaves every file alone.
    write(QDir(templates).filePath("korv_standard.htm"), {"geändert"});
    QVERIFY(StandardTemplates::install(templates));
    QVERIFY(Cp1252::readLines(QDir(templates).filePath("korv_standard.htm"), page));
    QCOMPARE(page, QStringList{"geändert"});
}

QTEST_GUILESS_MAIN(tst_TemplateList)
#include "tst_TemplateList.moc"
