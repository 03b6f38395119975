#include "OldCatalogs.h"

#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"
#include "store/SchemaUpgrade.h"
#include "store/StoreError.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace korvel;
using namespace korvel::store;
using korvel::test::OldLayout;

// Catalogs of earlier versions brought to the current layout.
class TestSchemaUpgrade : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    std::unique_ptr<CatalogStore> m_store;

    QString newPath(const QString& name)
    {
        return m_dir.filePath(QStringLiteral("%1-%2.mdb").arg(QTest::currentTestFunction(), name));
    }

    CatalogStore& open(const QString& path)
    {
        m_store = std::make_unique<CatalogStore>();
        m_store->database().setPath(path);
        m_store->database().connect();
        return *m_store;
    }

    CatalogDatabase& db() { return m_store->database(); }

    QString oldCatalog(OldLayout layout, const QString& name = QStringLiteral("old"))
    {
        const QString path = newPath(name);
        test::buildCatalog(path, test::oldLayoutStatements(layout));
        return path;
    }

    QString currentCatalog(const QString& name = QStringLiteral("current"))
    {
        const QString path = newPath(name);
        QFile::remove(path);
        CatalogSchema::createDefaultCatalogFile(path);
        return path;
    }

    // The entries of the old layouts that every test can rely on.
    void addEntries(const QStringList& dvdtyp, const QStringList& mastering = {})
    {
        for (int i = 0; i < dvdtyp.size(); ++i) {
            QVariantMap row{{QStringLiteral("nummer"), (i + 1) * 10},
                            {QStringLiteral("titel"), QStringLiteral("Film %1").arg(i + 1)},
                            {QStringLiteral("dvdtyp"), dvdtyp[i]}};
            if (i < mastering.size())
                row[QStringLiteral("mastering")] = mastering[i];
            test::insertRow(db(), QStringLiteral("haupt"), row);
        }
    }

    QStringList column(const QString& name, const QString& order = QStringLiteral("nummer"))
    {
        BorrowedQuery q(m_store->haupt(), {QStringLiteral("select *from haupt order by ") + order});
        QStringList out;
        for (; !q->atEnd(); q->next())
            out << q->text(name);
        return out;
    }

    QMap<QString, QString> declaredTypes(const QString& table)
    {
        QMap<QString, QString> out;
        for (const auto& c : db().columns(table))
            out[c.name.toLower()] = c.type.declaration();
        return out;
    }

    // The layout every catalog has after the upgrade (uploaddone comes only with a new
    // catalog, and nothing reads it).
    static QMap<QString, QString> currentHaupt()
    {
        const QStringList columns{"nummer integer",
                                  "titel varchar(80)",
                                  "darsteller longtext",
                                  "regie varchar(80)",
                                  "musik varchar(80)",
                                  "genre varchar(40)",
                                  "datum varchar(12)",
                                  "cover varchar(255)",
                                  "laufzeit varchar(10)",
                                  "dvdtyp varchar(50)",
                                  "mastering varchar(25)",
                                  "bildtyp varchar(10)",
                                  "bildformat varchar(25)",
                                  "beschreibung longtext",
                                  "buch varchar(100)",
                                  "produzent varchar(100)",
                                  "visuelle_effekte varchar(100)",
                                  "kostueme varchar(100)",
                                  "fsk varchar(10)",
                                  "cover_thumb image",
                                  "wertung integer",
                                  "verliehen varchar(4)",
                                  "verliehen_an varchar(50)",
                                  "verliehen_datum varchar(10)",
                                  "verliehen_kommentar varchar(100)",
                                  "originaltitel varchar(80)",
                                  "ean varchar(12)",
                                  "kommentar longtext",
                                  "region varchar(1)",
                                  "dvdextras longtext",
                                  "preis double",
                                  "visiblenr integer",
                                  "eingabedatum date",
                                  "medienanzahl integer"};
        QMap<QString, QString> out;
        for (const QString& c : columns)
            out[c.section(QLatin1Char(' '), 0, 0)] = c.section(QLatin1Char(' '), 1);
        return out;
    }

    static QStringList genreStatements()
    {
        QStringList s{"CREATE TABLE genres",
                      "ALTER TABLE genres ADD COLUMN genre_name varchar(40)"};
        for (const char* g : {"Abenteuer",
                              "Action",
                              "Actionkomödie",
                              "Actionthriller",
                              "Anime",
                              "Comedy",
                              "Doku",
                              "Drama",
                              "Epos",
                              "Erotik",
                              "Familie",
                              "Fantasy",
                              "Fantasyepos",
                              "Fantasykomödie",
                              "Historienfilm",
                              "Historiedrama",
                              "Horror",
                              "Horrorkomödie",
                              "Klassiker",
                              "Komödie",
                              "Krieg",
                              "Liebe",
                              "Liebesdrama",
                              "Liebeskomödie",
                              "Martial Arts",
                              "Musical",
                              "Musik",
                              "Parodie",
                              "Romantik",
                              "Science Fiction",
                              "Serie",
                              "Sport",
                              "Thriller",
                              "Tragikkomödie",
                              "TV",
                              "Western",
                              "Westernkomödie",
                              "Westernparodie",
                              "Zeichentrick"})
            s << QStringLiteral("INSERT INTO genres (genre_name) VALUES ('%1')")
                     .arg(QString::fromUtf8(g));
        return s;
    }

    // A first-layout catalog with everything there is to convert: numbered codes, loans,
    // no visible numbers, narrow columns.
    void fillFirstLayout()
    {
        addEntries({"1", "8", "0", "7"}, {"2", "0", "3", "9"});
        test::insertRow(db(), QStringLiteral("verleih"),
                        {{QStringLiteral("Nummer"), 20},
                         {QStringLiteral("Verliehen_An"), QStringLiteral("Jörg Müller")},
                         {QStringLiteral("Verleihdatum"), QStringLiteral("24.12.2003")},
                         {QStringLiteral("Bemerkungen"), QStringLiteral("mit Hülle")}});
        test::insertRow(db(), QStringLiteral("sprachen"),
                        {{QStringLiteral("nummer"), 10},
                         {QStringLiteral("sprache"), QStringLiteral("Deutsch")}});
    }

  private slots:
    void cleanup() { m_store.reset(); }

    void upToDateCatalogRunsNoStatement_data()
    {
        QTest::addColumn<bool>("upgradedBefore");
        QTest::newRow("new default catalog") << false;
        QTest::newRow("old catalog after one upgrade") << true;
    }
    void upToDateCatalogRunsNoStatement()
    {
        QFETCH(bool, upgradedBefore);
        const QString path = upgradedBefore ? oldCatalog(OldLayout::First) : currentCatalog();
        open(path);
        if (upgradedBefore) {
            fillFirstLayout();
            updateto16(*m_store);
        } else {
            addEntries({"1", "DVD-5"}); // the first entry is converted once, never again
            updateto16(*m_store);
        }
        const QStringList before = test::dumpCatalog(db().handle());
        const int changes = sqlite3_total_changes(db().handle());
        m_store->haupt().setSql(
            {QStringLiteral("select *from haupt "), QStringLiteral("order by regie DESC")});
        m_store->sprachen().setSql({QStringLiteral("select *from sprachen where nummer = 10")});

        const UpgradeResult r = updateto16(*m_store);
        QCOMPARE(r.statements, QStringList());
        QCOMPARE(r.convertedEntries, 0);
        QCOMPARE(sqlite3_total_changes(db().handle()), changes); // not one row written
        QCOMPARE(test::dumpCatalog(db().handle()), before);
        QVERIFY(!m_store->haupt().isOpen());
        QCOMPARE(m_store->haupt().sql(),
                 (QStringList{"select *from haupt ", "order by regie DESC"}));
        QCOMPARE(m_store->sprachen().sql(), QStringList{"select *from sprachen where nummer = 10"});
    }

    void newCatalogGetsOnlyChannelsAndGenres()
    {
        const QString path = newPath(QStringLiteral("new"));
        CatalogDatabase::createEmptyFile(path);
        open(path);
        CatalogSchema::createEmptyCatalog(db());
        const UpgradeResult r = updateto16(*m_store);
        QCOMPARE(r.statements, QStringList{"ALTER TABLE sprachen ADD COLUMN kanaele varchar(12)"} +
                                   genreStatements());
        QVERIFY(r.findings.hasWunschliste);
        QVERIFY(!r.findings.hasGenres);
        QVERIFY(r.findings.noKanaele);
        QVERIFY(!r.findings.noCoverThumb && !r.findings.noVisiblenr && !r.findings.visiblenrIsText);
        // the names land in the order of the list
        QStringList names = test::queryRows(
            db().handle(), QStringLiteral("select genre_name from genres order by rowid"));
        QCOMPARE(names.size(), 39);
        QCOMPARE(names.first(), QStringLiteral("genre_name=text:Abenteuer"));
        QCOMPARE(names.at(15), QStringLiteral("genre_name=text:Historiedrama"));
        QCOMPARE(names.last(), QStringLiteral("genre_name=text:Zeichentrick"));
        QCOMPARE(declaredTypes(QStringLiteral("genres")),
                 (QMap<QString, QString>{{"genre_name", "varchar(40)"}}));
    }

    void codesBecomeTexts_data()
    {
        QTest::addColumn<QStringList>("dvdtyp");
        QTest::addColumn<QStringList>("mastering");
        QTest::addColumn<QStringList>("expectedDvdtyp");
        QTest::addColumn<QStringList>("expectedMastering");
        QTest::newRow("first entry a number: numbers in range become texts")
            << QStringList{"1", "8", "0", "7", "DVD-9"} << QStringList{"2", "0", "3", "4", "1"}
            << QStringList{"DVD-9", "8", "DVD-5", "VHS", "DVD-9"}
            << QStringList{"Kopie (reauthored)", "Original-DVD", "Eigene Aufnahme", "4",
                           "Kopie (1:1)"};
        QTest::newRow("every medium type and mastering code")
            << QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}
            << QStringList{"0", "1", "2", "3", "", "x", "-1", "+1"}
            << QStringList{"DVD-5",    "DVD-9",     "DVD-10",     "DVD-18",
                           "Video-CD", "SVideo-CD", "DivX-Video", "VHS"}
            << QStringList{
                   "Original-DVD", "Kopie (1:1)", "Kopie (reauthored)", "Eigene Aufnahme", "", "x",
                   "-1",           "Kopie (1:1)"};
        QTest::newRow("first entry already text: nothing converted")
            << QStringList{"DVD-5", "1", "8"} << QStringList{"0", "1", "2"}
            << QStringList{"DVD-5", "1", "8"} << QStringList{"0", "1", "2"};
        QTest::newRow("first entry empty: nothing converted")
            << QStringList{"", "1"} << QStringList{"2", "2"} << QStringList{"", "1"}
            << QStringList{"2", "2"};
        QTest::newRow("first entry a number out of range still starts the conversion")
            << QStringList{"12", "3"} << QStringList{"", "1"} << QStringList{"12", "DVD-18"}
            << QStringList{"", "Kopie (1:1)"};
        QTest::newRow("a number with blanks is not a number")
            << QStringList{" 1", "2"} << QStringList{"1", "1"} << QStringList{" 1", "2"}
            << QStringList{"1", "1"};
    }
    void codesBecomeTexts()
    {
        QFETCH(QStringList, dvdtyp);
        QFETCH(QStringList, mastering);
        QFETCH(QStringList, expectedDvdtyp);
        QFETCH(QStringList, expectedMastering);
        open(currentCatalog());
        addEntries(dvdtyp, mastering);
        const UpgradeResult r = updateto16(*m_store);
        QCOMPARE(r.statements, QStringList()); // an up-to-date layout: only the codes change
        QCOMPARE(column(QStringLiteral("dvdtyp")), expectedDvdtyp);
        QCOMPARE(column(QStringLiteral("mastering")), expectedMastering);
        QCOMPARE(column(QStringLiteral("titel")).size(), dvdtyp.size());
    }

    void loansMoveIntoTheEntries()
    {
        open(oldCatalog(OldLayout::First));
        for (int n = 1; n <= 5; ++n)
            test::insertRow(db(), QStringLiteral("haupt"),
                            {{QStringLiteral("nummer"), n},
                             {QStringLiteral("titel"), QStringLiteral("Film %1").arg(n)},
                             {QStringLiteral("dvdtyp"), QStringLiteral("DVD-5")}});
        const auto loan = [this](const QVariant& nummer, const QString& who) {
            test::insertRow(
                db(), QStringLiteral("verleih"),
                {{QStringLiteral("Nummer"), nummer},
                 {QStringLiteral("Verliehen_An"), who},
                 {QStringLiteral("Verleihdatum"), QStringLiteral("01.02.2004")},
                 {QStringLiteral("Bemerkungen"), QStringLiteral("Bemerkung zu ") + who}});
        };
        loan(3, QStringLiteral("Jörg Müller"));
        loan(99, QStringLiteral("gelöschter Eintrag")); // the entry is gone
        loan(QVariant(QMetaType(QMetaType::Int)), QStringLiteral("ohne Nummer"));
        const QStringList verleihBefore =
            test::queryRows(db().handle(), QStringLiteral("select * from verleih order by rowid"));

        const UpgradeResult r = updateto16(*m_store);
        QCOMPARE(r.movedLoans, 1);
        QCOMPARE(column(QStringLiteral("verliehen")),
                 (QStringList{"Nein", "Nein", "Ja", "Nein", "Nein"}));
        QCOMPARE(column(QStringLiteral("verliehen_an")),
                 (QStringList{"", "", "Jörg Müller", "", ""}));
        QCOMPARE(column(QStringLiteral("verliehen_datum")).at(2), QStringLiteral("01.02.2004"));
        QCOMPARE(column(QStringLiteral("verliehen_kommentar")).at(2),
                 QStringLiteral("Bemerkung zu Jörg Müller"));
        // the old table stays as it was; the helper index of the move is gone again
        QCOMPARE(
            test::queryRows(db().handle(), QStringLiteral("select * from verleih order by rowid")),
            verleihBefore);
        QCOMPARE(
            test::queryRows(db().handle(),
                            QStringLiteral("select name from sqlite_master where type = 'index'")),
            QStringList());
    }

    void entriesGetVisibleNumbers_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("no visible number yet") << int(OldLayout::First);
        QTest::newRow("visible number held as text") << int(OldLayout::TextNumbers);
    }
    void entriesGetVisibleNumbers()
    {
        QFETCH(int, layout);
        open(oldCatalog(OldLayout(layout)));
        for (int n : {7, 3, 12}) {
            QVariantMap row{{QStringLiteral("nummer"), n},
                            {QStringLiteral("titel"), QString::number(n)}};
            if (OldLayout(layout) == OldLayout::TextNumbers)
                row[QStringLiteral("visiblenr")] = QStringLiteral("9%1").arg(n);
            test::insertRow(db(), QStringLiteral("haupt"), row);
        }
        const UpgradeResult r = updateto16(*m_store);
        QCOMPARE(r.numberedEntries, 3);
        QCOMPARE(declaredTypes(QStringLiteral("haupt")).value(QStringLiteral("visiblenr")),
                 QStringLiteral("integer"));
        QCOMPARE(
            test::queryRows(db().handle(),
                            QStringLiteral("select nummer, visiblenr, medienanzahl, eingabedatum "
                                           "from haupt order by nummer")),
            (QStringList{"nummer=int:3|visiblenr=int:3|medienanzahl=int:1|eingabedatum=null",
                         "nummer=int:7|visiblenr=int:7|medienanzahl=int:1|eingabedatum=null",
                         "nummer=int:12|visiblenr=int:12|medienanzahl=int:1|eingabedatum=null"}));
    }

    void oldLayoutsEndInTheCurrentOne_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("widthStatements");
        QTest::newRow("first layout (no thumbnail column)") << int(OldLayout::First) << 11;
        QTest::newRow("visible numbers as text") << int(OldLayout::TextNumbers) << 0;
    }
    void oldLayoutsEndInTheCurrentOne()
    {
        QFETCH(int, layout);
        QFETCH(int, widthStatements);
        open(oldCatalog(OldLayout(layout)));
        // Every old column filled with a value it must keep, to the last character of
        // its old width, NULLs and texts with umlauts included.
        const QMap<QString, QString> oldTypes = declaredTypes(QStringLiteral("haupt"));
        for (int n = 1; n <= 3; ++n) {
            QVariantMap row;
            for (auto it = oldTypes.cbegin(); it != oldTypes.cend(); ++it) {
                const QString& c = it.key();
                if (c == u"nummer")
                    row[c] = n;
                else if (c == u"wertung")
                    row[c] = n + 4;
                else if (c == u"preis")
                    row[c] = 9.99 * n;
                else if (c == u"cover_thumb")
                    row[c] = QByteArray("\xff\xd8 jpeg \x00 bytes", 14);
                else if (c == u"visiblenr" || c == u"dvdtyp")
                    continue;
                else if (c == u"regie" && n == 2)
                    row[c] = QVariant(QMetaType(QMetaType::QString)); // NULL stays NULL
                else {
                    const int width = it.value().startsWith(u"varchar")
                                          ? ColumnType::parse(it.value()).width
                                          : 300;
                    row[c] = QStringLiteral("ä%1-%2").arg(n).arg(c).leftJustified(
                        width, QLatin1Char('x'), true);
                }
            }
            row[QStringLiteral("dvdtyp")] = QStringLiteral("DVD-9");
            test::insertRow(db(), QStringLiteral("haupt"), row);
        }
        QStringList oldColumns = oldTypes.keys();
        oldColumns.removeAll(QStringLiteral("visiblenr")); // numbered anew
        const QString valuesQuery = QStringLiteral("select %1 from haupt order by nummer")
                                        .arg(oldColumns.join(QLatin1Char(',')));
        const QStringList valuesBefore = test::queryRows(db().handle(), valuesQuery);

        const UpgradeResult r = updateto16(*m_store);

        int dao = 0;
        for (const QString& s : r.statements)
            dao += s.startsWith(QLatin1String("alter table haupt\r\nalter column\r\n"));
        QCOMPARE(dao, widthStatements);
        if (widthStatements)
            QVERIFY(r.statements.contains(QStringLiteral(
                "alter table haupt\r\nalter column\r\nkostueme\r\nvarchar(100)\r\n")));
        QCOMPARE(test::queryRows(db().handle(), valuesQuery), valuesBefore);

        QMap<QString, QString> types = declaredTypes(QStringLiteral("haupt"));
        QCOMPARE(types, currentHaupt());
        QCOMPARE(declaredTypes(QStringLiteral("sprachen")),
                 (QMap<QString, QString>{{"nummer", "integer"},
                                         {"sprache", "varchar(25)"},
                                         {"tonformat", "varchar(25)"},
                                         {"kanaele", "varchar(12)"}}));
        QCOMPARE(declaredTypes(QStringLiteral("wunschliste")),
                 (QMap<QString, QString>{{"nummer", "integer"},
                                         {"titel", "varchar(80)"},
                                         {"preis", "double"},
                                         {"releasedatum", "varchar(10)"},
                                         {"kauflink", "varchar(255)"},
                                         {"internetlink", "varchar(255)"}}));
        QCOMPARE(test::queryRows(db().handle(), QStringLiteral("select count(*) from genres")),
                 QStringList{"count(*)=int:39"});
        // nothing of the store's own machinery is left behind
        QCOMPARE(test::queryRows(
                     db().handle(),
                     QStringLiteral("select name from sqlite_master where name like '%korvel%'")),
                 QStringList());
        // and a second run has nothing left to do
        QCOMPARE(updateto16(*m_store).statements, QStringList());
        // a fresh connection sees the same sound file
        const QString path = db().path();
        m_store.reset();
        open(path);
        QCOMPARE(declaredTypes(QStringLiteral("haupt")), types);
        QCOMPARE(test::queryRows(db().handle(), QStringLiteral("pragma integrity_check")),
                 QStringList{"integrity_check=text:ok"});
        QCOMPARE(test::queryRows(db().handle(), valuesQuery), valuesBefore);
    }

    // Columns are only ever widened: a catalog whose title column is wider than today's and
    // holds a longer title keeps it whole.
    void widthChangesNeverCutAText()
    {
        QStringList ddl = test::oldLayoutStatements(OldLayout::First);
        ddl.replaceInStrings(QStringLiteral("titel varchar(50)"),
                             QStringLiteral("titel varchar(120)"));
        ddl.replaceInStrings(QStringLiteral("regie varchar(50)"),
                             QStringLiteral("regie varchar(120)"));
        const QString path = newPath(QStringLiteral("wide"));
        test::buildCatalog(path, ddl);
        open(path);
        const QString longTitle = QString(100, QLatin1Char('T'));
        test::insertRow(db(), QStringLiteral("haupt"),
                        {{QStringLiteral("nummer"), 1},
                         {QStringLiteral("titel"), longTitle},
                         {QStringLiteral("regie"), QStringLiteral("kurz")}});
        updateto16(*m_store);
        QCOMPARE(column(QStringLiteral("titel")), QStringList{longTitle});
        QCOMPARE(declaredTypes(QStringLiteral("haupt")).value(QStringLiteral("titel")),
                 QStringLiteral("varchar(120)"));
        QCOMPARE(declaredTypes(QStringLiteral("haupt")).value(QStringLiteral("regie")),
                 QStringLiteral("varchar(80)"));
    }

    void failurePartWayLeavesTheCatalogAsItWas_data()
    {
        QTest::addColumn<int>("failStep");
        QTest::addColumn<QString>("failStatement");
        QTest::newRow("after the code conversion") << 5 << QString();
        QTest::newRow("after the first new columns") << 10 << QString();
        QTest::newRow("after the loans moved") << 11 << QString();
        QTest::newRow("in the middle of the genre names")
            << 0 << QStringLiteral("INSERT INTO genres (genre_name) VALUES ('Drama')");
        QTest::newRow("after the entries were numbered") << 16 << QString();
        QTest::newRow("at the third width change")
            << 0 << QStringLiteral("alter table haupt\r\nalter column\r\nmusik\r\nvarchar(80)\r\n");
        QTest::newRow("when all is done but the last step") << 18 << QString();
    }
    void failurePartWayLeavesTheCatalogAsItWas()
    {
        QFETCH(int, failStep);
        QFETCH(QString, failStatement);
        const QString path = oldCatalog(OldLayout::First);
        open(path);
        fillFirstLayout();
        m_store->haupt().open();
        const QStringList listQuery = m_store->haupt().sql();
        const QStringList before = test::dumpCatalog(db().handle());
        const QMap<QString, QString> typesBefore = declaredTypes(QStringLiteral("haupt"));

        UpgradeHooks hooks;
        bool failed = false;
        hooks.beforeStep = [&](int step) {
            if (step == failStep) {
                failed = true;
                throw StoreError(QStringLiteral("eingeschleuster Fehler"));
            }
        };
        hooks.beforeStatement = [&](const QString& sql) {
            if (sql == failStatement) {
                failed = true;
                throw StoreError(QStringLiteral("eingeschleuster Fehler"));
            }
        };
        QVERIFY_THROWS_EXCEPTION(StoreError, updateto16(*m_store, hooks));
        QVERIFY(failed);
        QVERIFY(db().isConnected());
        QVERIFY(!m_store->haupt().isOpen());
        QCOMPARE(m_store->haupt().sql(), listQuery);
        QCOMPARE(test::dumpCatalog(db().handle()), before);
        // the connection itself sees the old layout again, too
        QCOMPARE(declaredTypes(QStringLiteral("haupt")), typesBefore);
        m_store->haupt().open();
        QCOMPARE(m_store->haupt().isShortText(QStringLiteral("titel")), true);
        m_store->haupt().close();
        QCOMPARE(test::dumpCatalogFile(path), before);

        // Running it again starts from the beginning and ends where a single run ends.
        updateto16(*m_store);
        const QStringList afterRetry = test::dumpCatalog(db().handle());
        const QString reference = oldCatalog(OldLayout::First, QStringLiteral("reference"));
        open(reference);
        fillFirstLayout();
        updateto16(*m_store);
        QCOMPARE(afterRetry, test::dumpCatalog(db().handle()));
    }
};

QTEST_GUILESS_MAIN(TestSchemaUpgrade)
#include "tst_schemaupgrade.moc"
