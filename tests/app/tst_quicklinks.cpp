#include "app/Quicklinks.h"
#include "support/TempCatalog.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace korvel;
using namespace korvel::app;

// The quicklink rows, the title placeholder and what a target means to the desktop.
class TestQuicklinks : public QObject
{
    Q_OBJECT

  private:
    static QStringList names(const QList<Quicklink>& links)
    {
        QStringList out;
        for (const Quicklink& l : links)
            out << l.name;
        return out;
    }

  private slots:
    void symbol_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("web address") << "http://www.example.org/?q=%TITEL%"
                                     << "WEBLINK";
        QTest::newRow("secure address") << "https://example.org"
                                        << "WEBLINK";
        QTest::newRow("upper case scheme") << "HTTP://EXAMPLE.ORG"
                                           << "WEBLINK";
        QTest::newRow("scheme only") << "Http"
                                     << "WEBLINK";
        QTest::newRow("program") << "C:\\Programme\\player.exe"
                                 << "PRGLINK";
        QTest::newRow("address without scheme") << "www.example.org"
                                                << "PRGLINK";
        QTest::newRow("too short") << "htt"
                                   << "PRGLINK";
        QTest::newRow("empty") << ""
                               << "PRGLINK";
    }
    void symbol()
    {
        QFETCH(QString, target);
        QFETCH(QString, symbol);
        QCOMPARE(Quicklinks::symbolFor(target), symbol);
    }

    void title_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expanded");
        QTest::newRow("twice") << "http://x.de/?q=%TITEL%&t=%TITEL%"
                               << "Alien"
                               << "http://x.de/?q=Alien&t=Alien";
        QTest::newRow("twice without title") << "http://x.de/?q=%TITEL%&t=%TITEL%"
                                             << ""
                                             << "http://x.de/?q=&t=";
        QTest::newRow("title unchanged") << "%TITEL%"
                                         << "Léon – der Profi & Co"
                                         << "Léon – der Profi & Co";
        QTest::newRow("title holding the placeholder") << "a%TITEL%b"
                                                       << "%TITEL%"
                                                       << "a%TITEL%b";
        QTest::newRow("no placeholder") << "http://x.de"
                                        << "Alien"
                                        << "http://x.de";
        QTest::newRow("lower case is no placeholder") << "%titel%"
                                                      << "Alien"
                                                      << "%titel%";
    }
    void title()
    {
        QFETCH(QString, target);
        QFETCH(QString, title);
        QFETCH(QString, expanded);
        QCOMPARE(Quicklinks::withTitle(target, title), expanded);
    }

    void classify_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        using K = LinkTarget::Kind;
        QTest::newRow("empty") << "" << int(K::Nothing) << "";
        QTest::newRow("blanks") << "   " << int(K::Nothing) << "";
        QTest::newRow("web address")
            << "http://x.de/?q=Alien" << int(K::Address) << "http://x.de/?q=Alien";
        QTest::newRow("mail address") << "mailto:a@b.de" << int(K::Address) << "mailto:a@b.de";
        QTest::newRow("www without scheme") << "www.x.de" << int(K::Address) << "http://www.x.de";
        QTest::newRow("drive path")
            << "C:\\Filme\\liste.txt" << int(K::File) << "C:\\Filme\\liste.txt";
        QTest::newRow("missing file") << "/nicht/da.txt" << int(K::File) << "/nicht/da.txt";
    }
    void classify()
    {
        QFETCH(QString, target);
        QFETCH(int, kind);
        QFETCH(QString, text);
        const LinkTarget t = Quicklinks::classify(target);
        QCOMPARE(int(t.kind), kind);
        QCOMPARE(t.text, text);
    }

    // Programs start, other files and folders open in their program.
    void localTargetsAndPictures()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("player"));
        const QString document = dir.filePath(QStringLiteral("liste.txt"));
        for (const QString& p : {program, document}) {
            QFile f(p);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(Quicklinks::classify(program).kind, LinkTarget::Kind::Program);
        QCOMPARE(Quicklinks::classify(document).kind, LinkTarget::Kind::File);
        QCOMPARE(Quicklinks::classify(dir.path()).kind, LinkTarget::Kind::File);
        // a bare program name is found where the system finds programs
        const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
        QVERIFY(!sh.isEmpty());
        QCOMPARE(Quicklinks::classify(QStringLiteral("sh")).kind, LinkTarget::Kind::Program);
        QCOMPARE(Quicklinks::classify(QStringLiteral("sh")).text, sh);
        QCOMPARE(Quicklinks::classify(QStringLiteral("gibt-es-nicht-42")).kind,
                 LinkTarget::Kind::File);

        using P = Quicklinks::Picture;
        const auto picture = [](const QString& target) {
            return Quicklinks::pictureFor(
                {1, 0, QStringLiteral("x"), target, Quicklinks::symbolFor(target)});
        };
        QCOMPARE(picture(program), P::OwnIcon);
        QCOMPARE(picture(document), P::OwnIcon);
        QCOMPARE(picture(dir.path()), P::Folder);
        QCOMPARE(picture(dir.filePath(QStringLiteral("fehlt.exe"))), P::Folder);
        QCOMPARE(picture(QStringLiteral("http://x.de/?q=%TITEL%")), P::Web);
        QCOMPARE(picture(QString()), P::Folder);
    }

    void geometryAndWheel()
    {
        QCOMPARE(Quicklinks::labelTop(0), 8);
        QCOMPARE(Quicklinks::labelTop(1), 32);
        QCOMPARE(Quicklinks::labelTop(2), 56);
        QCOMPARE(Quicklinks::labelTop(2, 6), 50);
        QCOMPARE(Quicklinks::labelWidth(161), 145);
        int offset = 0;
        for (int i = 0; i < 3; ++i)
            offset = Quicklinks::wheelOffset(offset, true);
        QCOMPARE(offset, 6);
        for (int i = 0; i < 5; ++i)
            offset = Quicklinks::wheelOffset(offset, false);
        QCOMPARE(offset, 0);
    }

    // Rows by window in the order form number, name; keys, changes and removal.
    void rows()
    {
        testsupport::TempCatalog cat;
        store::RecordSet& fav = cat.store().favoritendb();
        const QStringList design = fav.sql();
        QCOMPARE(Quicklinks::add(fav, 0, QStringLiteral("Zeta"), QStringLiteral("http://z.de")), 1);
        QCOMPARE(
            Quicklinks::add(fav, 1, QStringLiteral("Imdb"), QStringLiteral("http://i.de/%TITEL%")),
            2);
        QCOMPARE(Quicklinks::add(fav, 0, QStringLiteral("alpha"), QStringLiteral("/usr/bin/env")),
                 3);
        QCOMPARE(Quicklinks::add(fav, 2, QStringLiteral("O'Brien \"X\""),
                                 QStringLiteral("C:\\a b\\c.exe")),
                 4);
        QCOMPARE(fav.sql(), design); // the component's query survives

        QCOMPARE(names(Quicklinks::all(fav)),
                 (QStringList{"alpha", "Zeta", "Imdb", "O'Brien \"X\""}));
        const QList<Quicklink> main = Quicklinks::forForm(fav, 0);
        QCOMPARE(names(main), (QStringList{"alpha", "Zeta"}));
        QCOMPARE(main[0].key, 3);
        QCOMPARE(main[0].symbol, QStringLiteral("PRGLINK"));
        QCOMPARE(main[1].symbol, QStringLiteral("WEBLINK"));
        QCOMPARE(names(Quicklinks::forForm(fav, 2)), QStringList{"O'Brien \"X\""});
        QCOMPARE(Quicklinks::targetOf(fav, 2), QStringLiteral("http://i.de/%TITEL%"));
        QCOMPARE(Quicklinks::targetOf(fav, 99), QString());

        Quicklinks::change(fav, 3, 1, QStringLiteral("Beta"), QStringLiteral("https://b.de"));
        const QList<Quicklink> add = Quicklinks::forForm(fav, 1);
        QCOMPARE(names(add), (QStringList{"Beta", "Imdb"}));
        QCOMPARE(add[0].symbol, QStringLiteral("WEBLINK"));
        QCOMPARE(add[0].target, QStringLiteral("https://b.de"));

        Quicklinks::remove(fav, 2);
        Quicklinks::remove(fav, 42); // nothing there: nothing happens
        QCOMPARE(names(Quicklinks::all(fav)), (QStringList{"Zeta", "Beta", "O'Brien \"X\""}));
        QCOMPARE(fav.sql(), design);
    }

    // A row out of key order or an odd form number must not confuse keys or windows.
    void oddRows()
    {
        testsupport::TempCatalog cat;
        store::RecordSet& fav = cat.store().favoritendb();
        QCOMPARE(Quicklinks::add(fav, 0, QStringLiteral("a"), QStringLiteral("x")), 1);
        cat.insert(QStringLiteral("favoriten"),
                   {{"formularnummer", "0"}, {"nummer", 7}, {"name", "b"}});
        cat.insert(QStringLiteral("favoriten"),
                   {{"formularnummer", "0"}, {"nummer", 3}, {"name", "c"}});
        cat.insert(QStringLiteral("favoriten"),
                   {{"formularnummer", "x"}, {"nummer", 4}, {"name", "d"}});
        cat.insert(QStringLiteral("favoriten"),
                   {{"formularnummer", " 1"}, {"nummer", 5}, {"name", "e"}});
        QCOMPARE(Quicklinks::add(fav, 0, QStringLiteral("f"), QStringLiteral("y")), 8);
        QCOMPARE(names(Quicklinks::forForm(fav, 0)), (QStringList{"a", "b", "c", "f"}));
        QCOMPARE(names(Quicklinks::forForm(fav, 1)), QStringList{"e"});
    }
};

QTEST_GUILESS_MAIN(TestQuicklinks)
#include "tst_quicklinks.moc"
