#include "OldCatalogs.h"

#include "store/CatalogFile.h"
#include "store/CatalogLifecycle.h"
#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"
#include "store/StoreError.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace korvel;
using namespace korvel::store;
namespace L = korvel::store::CatalogLifecycle;
using Kind = L::Message::Kind;

// A device that takes at most a given number of bytes per write and notes the block sizes.
class ShortWriter : public QIODevice
{
  public:
    explicit ShortWriter(qint64 limit) : m_limit(limit) { open(QIODevice::WriteOnly); }
    QList<qint64> blocks;
    QByteArray data;

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* p, qint64 n) override
    {
        blocks << n;
        const qint64 taken = std::min(n, m_limit);
        data.append(p, taken);
        return taken;
    }

  private:
    qint64 m_limit;
};

// Creating, switching, backing up and compacting the catalog file.
class TestCatalogLifecycle : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    std::unique_ptr<CatalogStore> m_store;
    QString m_catalog; // the open catalog of each test, in its own folder

    QString folder(const QString& name)
    {
        const QString path =
            m_dir.filePath(QStringLiteral("%1/%2").arg(QTest::currentTestFunction(), name));
        QDir().mkpath(path);
        return path;
    }

    // A catalog with n entries, connected, as the program holds it after start-up.
    void openCatalog(int entries = 3)
    {
        m_catalog = folder(QStringLiteral("home")) + QStringLiteral("/movies.mdb");
        QFile::setPermissions(m_catalog, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::remove(m_catalog);
        CatalogSchema::createDefaultCatalogFile(m_catalog);
        m_store = std::make_unique<CatalogStore>();
        m_store->database().setPath(m_catalog);
        m_store->database().connect();
        Transaction t(m_store->database());
        for (int n = 1; n <= entries; ++n)
            test::insertRow(m_store->database(), QStringLiteral("haupt"),
                            {{QStringLiteral("nummer"), n},
                             {QStringLiteral("titel"), QStringLiteral("Film %1").arg(n)},
                             {QStringLiteral("beschreibung"), QString(3000, QLatin1Char('b'))}});
        t.commit();
        m_store->haupt().open();
    }

    QStringList titles()
    {
        QStringList out;
        BorrowedQuery q(m_store->haupt(), {QStringLiteral("select *from haupt order by nummer")});
        for (; !q->atEnd(); q->next())
            out << q->text(QStringLiteral("titel"));
        return out;
    }

    void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

  private slots:
    void cleanup() { m_store.reset(); }

    // --- create ---

    void newCatalogPath_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no extension") << "/daten/Neu"
                                      << "/daten/Neu.mdb";
        QTest::newRow("with .mdb") << "/daten/Neu.mdb"
                                   << "/daten/Neu.mdb";
        QTest::newRow("another extension is kept") << "/daten/Neu.db"
                                                   << "/daten/Neu.db";
        QTest::newRow("a dot in the folder only") << "/daten.alt/Neu"
                                                  << "/daten.alt/Neu.mdb";
    }
    void newCatalogPath()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        QCOMPARE(L::withCatalogExtension(chosen), expected);
    }

    void createWithoutExtension()
    {
        openCatalog();
        const QString chosen = folder(QStringLiteral("neu")) + QStringLiteral("/Sammlung");
        const L::CreatePlan plan = L::planCreate(chosen, m_catalog);
        QCOMPARE(plan.next, L::CreatePlan::Next::Create);
        QCOMPARE(plan.path, chosen + QStringLiteral(".mdb"));

        const L::CreateOutcome out = L::createCatalog(*m_store, plan.path);
        QVERIFY(out.created);
        QCOMPARE(out.message.kind, Kind::Information);
        QCOMPARE(out.message.text,
                 QStringLiteral("Die Datenbank Sammlung.mdb wurde erfolgreich erstellt."));
        QVERIFY(isWriteProtected(plan.path));
        // still working in the user's catalog, the list query still open
        QCOMPARE(m_store->database().path(), m_catalog);
        QVERIFY(m_store->database().isConnected());
        QVERIFY(m_store->haupt().isOpen());
        QCOMPARE(titles().size(), 3);

        CatalogDatabase created;
        created.setPath(plan.path);
        created.connect();
        QCOMPARE(created.tableNames(), (QStringList{"haupt", "sprachen", "untertitel", "favoriten",
                                                    "prg", "verleih", "wunschliste"}));
        QCOMPARE(test::queryRows(created.handle(),
                                 QStringLiteral("select xpos, ypos, width, height from prg")),
                 QStringList{"XPos=int:15|YPos=int:48|Width=int:992|Height=int:643"});
        for (const auto& c : created.columns(QStringLiteral("sprachen")))
            QVERIFY(c.name != QLatin1String("kanaele"));
    }

    void createOverTheOpenCatalog_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the same path") << "same";
        QTest::newRow("the same path without extension") << "noext";
        QTest::newRow("the same file through another path") << "dotdot";
        QTest::newRow("the same file through a link") << "link";
    }
    void createOverTheOpenCatalog()
    {
        QFETCH(QString, how);
        openCatalog();
        QString chosen = m_catalog;
        if (how == u"noext")
            chosen.chop(4);
        else if (how == u"dotdot")
            chosen = QFileInfo(m_catalog).path() + QStringLiteral("/../home/./movies.mdb");
        else if (how == u"link") {
            chosen = folder(QStringLiteral("other")) + QStringLiteral("/link.mdb");
            QVERIFY(QFile::link(m_catalog, chosen));
        }
        const QByteArray before = test::fileBytes(m_catalog);
        const L::CreatePlan plan = L::planCreate(chosen, m_catalog);
        QCOMPARE(plan.next, L::CreatePlan::Next::Refused);
        QCOMPARE(plan.message.kind, Kind::Information);
        QCOMPARE(
            plan.message.text,
            QStringLiteral("Die aktuelle Datenbank kann nicht überschrieben werden. Bitte wählen "
                           "Sie ein anderes Ausgabeziel."));
        // the command refuses on its own too
        const L::CreateOutcome out = L::createCatalog(*m_store, plan.path);
        QVERIFY(!out.created);
        QCOMPARE(out.message.text, plan.message.text);
        QCOMPARE(test::fileBytes(m_catalog), before);
        QCOMPARE(titles().size(), 3);
    }

    void createOverAnExistingFile()
    {
        openCatalog();
        const QString path = folder(QStringLiteral("neu")) + QStringLiteral("/alt.mdb");
        // an earlier catalog, write-protected as every catalog is while closed
        test::buildCatalog(path, test::oldLayoutStatements(test::OldLayout::First));
        setCatalogWritable(path, false);
        const L::CreatePlan plan = L::planCreate(path, m_catalog);
        QCOMPARE(plan.next, L::CreatePlan::Next::AskOverwrite);
        QCOMPARE(
            L::Text::overwriteQuestion,
            QStringLiteral("Eine Datei mit dem gewünschten Namen existiert bereits. Soll diese "
                           "überschrieben werden?"));

        QVERIFY(L::createCatalog(*m_store, path).created);
        CatalogDatabase created;
        created.setPath(path);
        created.connect();
        QCOMPARE(created.columns(QStringLiteral("haupt")).size(),
                 35); // a new catalog, not the old one
        QVERIFY(isWriteProtected(path));
    }

    void createWhereNoFileCanBe()
    {
        openCatalog();
        const QString path = m_dir.filePath(QStringLiteral("no/such/folder/neu.mdb"));
        const L::CreateOutcome out = L::createCatalog(*m_store, path);
        QVERIFY(!out.created);
        QCOMPARE(out.message.kind, Kind::Error);
        QCOMPARE(out.message.text,
                 QStringLiteral(
                     "Ein Fehler ist aufgetreten. Die Datenbank konnte nicht erstellt werden."));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(m_store->database().isConnected());
    }

    // --- switch ---

    void switchToATextFile()
    {
        openCatalog();
        const QString fake = folder(QStringLiteral("other")) + QStringLiteral("/liste.mdb");
        writeFile(fake, "Titel;Regie\r\nMatrix;Wachowski\r\n");
        QFile::setPermissions(fake, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        const QFileDevice::Permissions fakePermissions = QFile::permissions(fake);
        m_store->haupt().setSql(
            {QStringLiteral("select *from haupt "), QStringLiteral("order by titel DESC")});
        m_store->haupt().open();

        const L::SwitchOutcome out = L::switchCatalog(*m_store, fake);
        QCOMPARE(out.result, L::SwitchOutcome::Result::UnknownFormat);
        QCOMPARE(out.message.kind, Kind::Error);
        QCOMPARE(out.message.text,
                 QStringLiteral(
                     "Das Dateiformat ist unbekannt. Die Datei kann nicht importiert werden."));
        QCOMPARE(m_store->database().path(), m_catalog);
        QVERIFY(m_store->database().isConnected());
        QVERIFY(!isWriteProtected(m_catalog));
        // the list query is open again, with its order
        QVERIFY(m_store->haupt().isOpen());
        QCOMPARE(m_store->haupt().text(QStringLiteral("titel")), QStringLiteral("Film 3"));
        QCOMPARE(test::fileBytes(fake), QByteArray("Titel;Regie\r\nMatrix;Wachowski\r\n"));
        QCOMPARE(QFile::permissions(fake), fakePermissions);
    }

    void switchToANewlyCreatedCatalog()
    {
        openCatalog();
        const QString path = folder(QStringLiteral("neu")) + QStringLiteral("/neu.mdb");
        QVERIFY(L::createCatalog(*m_store, path).created);

        const L::SwitchOutcome out = L::switchCatalog(*m_store, path);
        QCOMPARE(out.result, L::SwitchOutcome::Result::Switched);
        QCOMPARE(out.previousPath, m_catalog);
        QCOMPARE(m_store->database().path(), path);
        QVERIFY(!isWriteProtected(path));
        QVERIFY(isWriteProtected(m_catalog));
        QCOMPARE(out.upgrade.statements.size(), 1 + 2 + 39);
        QVERIFY(m_store->database().hasTable(QStringLiteral("genres")));
        QCOMPARE(test::queryRows(m_store->database().handle(),
                                 QStringLiteral("select count(*) from genres")),
                 QStringList{"count(*)=int:39"});
        QCOMPARE(
            test::queryRows(
                m_store->database().handle(),
                QStringLiteral("select xpos, ypos, width, height, fullscreen from prg")),
            QStringList{"XPos=int:15|YPos=int:48|Width=int:992|Height=int:643|FullScreen=int:0"});
        QCOMPARE(titles(), QStringList());
        // the list query itself is kept, for the caller to fill the list with
        QCOMPARE(m_store->haupt().sql().value(1), QStringLiteral("order by titel"));
    }

    void switchToAnOldCatalogUpgradesIt()
    {
        openCatalog();
        const QString path = folder(QStringLiteral("alt")) + QStringLiteral("/alt.mdb");
        test::buildCatalog(path, test::oldLayoutStatements(test::OldLayout::First));
        {
            CatalogDatabase db;
            db.setPath(path);
            db.connect();
            test::insertRow(db, QStringLiteral("haupt"),
                            {{QStringLiteral("nummer"), 4},
                             {QStringLiteral("titel"), QStringLiteral("Alt")},
                             {QStringLiteral("dvdtyp"), QStringLiteral("1")}});
        }
        setCatalogWritable(path, false);
        const L::SwitchOutcome out = L::switchCatalog(*m_store, path);
        QCOMPARE(out.result, L::SwitchOutcome::Result::Switched);
        QCOMPARE(out.upgrade.convertedEntries, 1);
        QCOMPARE(test::queryRows(m_store->database().handle(),
                                 QStringLiteral("select dvdtyp, visiblenr, verliehen from haupt")),
                 QStringList{"dvdtyp=text:DVD-9|visiblenr=int:4|verliehen=text:Nein"});
    }

    // A failed upgrade sends the program back to the catalog whose entries the list shows,
    // and leaves the chosen file as it was.
    void switchWithAFailingUpgrade_data()
    {
        QTest::addColumn<bool>("foreign");
        QTest::newRow("a database of another program") << true;
        QTest::newRow("an old catalog whose upgrade fails part-way") << false;
    }
    void switchWithAFailingUpgrade()
    {
        QFETCH(bool, foreign);
        openCatalog();
        const QString path = folder(QStringLiteral("alt")) + QStringLiteral("/alt.mdb");
        test::buildCatalog(path, foreign ? QStringList{QStringLiteral("CREATE TABLE sprachen")}
                                         : test::oldLayoutStatements(test::OldLayout::First));
        setCatalogWritable(path, false);
        const QStringList before = test::dumpCatalogFile(path);
        UpgradeHooks hooks;
        hooks.beforeStep = [](int step) {
            if (step == 12)
                throw StoreError(QStringLiteral("eingeschleuster Fehler"));
        };
        QVERIFY_THROWS_EXCEPTION(StoreError, L::switchCatalog(*m_store, path, hooks));
        QCOMPARE(m_store->database().path(), m_catalog);
        QVERIFY(m_store->database().isConnected());
        QVERIFY(m_store->haupt().isOpen());
        QCOMPARE(titles().size(), 3);
        QVERIFY(isWriteProtected(path));
        QCOMPARE(test::dumpCatalogFile(path), before);
    }

    void switchToAMissingFile()
    {
        openCatalog();
        const L::SwitchOutcome out =
            L::switchCatalog(*m_store, m_dir.filePath(QStringLiteral("weg.mdb")));
        QCOMPARE(out.result, L::SwitchOutcome::Result::NotFound);
        QCOMPARE(out.message.kind, Kind::None);
        QCOMPARE(m_store->database().path(), m_catalog);
        QVERIFY(m_store->haupt().isOpen());
    }

    // --- backup ---

    void backupIntoTheCatalogsOwnFolder_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the same folder") << "same";
        QTest::newRow("with a separator at the end") << "slash";
        QTest::newRow("written another way") << "dot";
        QTest::newRow("through a link") << "link";
    }
    void backupIntoTheCatalogsOwnFolder()
    {
        QFETCH(QString, how);
        openCatalog();
        QString chosen = QFileInfo(m_catalog).absolutePath();
        if (how == u"slash")
            chosen += QLatin1Char('/');
        else if (how == u"dot")
            chosen += QStringLiteral("/.");
        else if (how == u"link") {
            const QString link =
                m_dir.filePath(QStringLiteral("homelink-%1").arg(QTest::currentDataTag()));
            QVERIFY(QFile::link(chosen, link));
            chosen = link;
        }
        const QByteArray before = test::fileBytes(m_catalog);
        const L::BackupOutcome out = L::backupCatalog(m_catalog, chosen);
        QCOMPARE(out.result, L::BackupOutcome::Result::OwnFolder);
        QCOMPARE(out.message.kind, Kind::Error);
        QCOMPARE(
            out.message.text,
            QStringLiteral("Die Datenbank kann nicht in den gewählten Ordner kopiert werden, da "
                           "dieser die aktuell verwendete MOVIES.MDB enthält."));
        QCOMPARE(test::fileBytes(m_catalog), before);
    }

    void backupTwiceIntoAnotherFolder()
    {
        openCatalog();
        const QString target = folder(QStringLiteral("sicherung"));
        const L::BackupOutcome out = L::backupCatalog(m_catalog, target);
        QCOMPARE(out.result, L::BackupOutcome::Result::Done);
        QCOMPARE(out.message.kind, Kind::Information);
        QCOMPARE(out.message.text, QStringLiteral("Der Vorgang wurde erfolgreich abgeschlossen."));
        QCOMPARE(out.target, target + QStringLiteral("/movies.mdb"));
        QCOMPARE(test::fileBytes(out.target), test::fileBytes(m_catalog));
        QVERIFY(isWriteProtected(out.target));
        QVERIFY(m_store->database().isConnected());
        QVERIFY(m_store->haupt().isOpen());
        // the copy is a catalog of its own
        QCOMPARE(test::dumpCatalogFile(out.target), test::dumpCatalogFile(m_catalog));

        test::insertRow(m_store->database(), QStringLiteral("haupt"),
                        {{QStringLiteral("nummer"), 9}});
        const QByteArray first = test::fileBytes(out.target);
        QVERIFY_THROWS_EXCEPTION(StoreError, L::backupCatalog(m_catalog, target));
        QCOMPARE(test::fileBytes(out.target), first);
        QCOMPARE(titles().size(), 4);
    }

    void backupNeedsFreeSpace_data()
    {
        QTest::addColumn<qint64>("spare"); // free bytes beyond the catalog's size
        QTest::addColumn<bool>("unknown");
        QTest::addColumn<int>("result");
        QTest::newRow("one byte too little")
            << qint64(-1) << false << int(L::BackupOutcome::Result::NoSpace);
        QTest::newRow("exactly enough")
            << qint64(0) << false << int(L::BackupOutcome::Result::Done);
        QTest::newRow("free space unknown")
            << qint64(0) << true << int(L::BackupOutcome::Result::NoSpace);
    }
    void backupNeedsFreeSpace()
    {
        QFETCH(qint64, spare);
        QFETCH(bool, unknown);
        QFETCH(int, result);
        openCatalog();
        const QString target = folder(QString::fromLatin1(QTest::currentDataTag()));
        L::BackupOptions options;
        QString asked;
        options.freeSpace = [&](const QString& f) {
            asked = f;
            return unknown ? qint64(-1) : QFileInfo(m_catalog).size() + spare;
        };
        const L::BackupOutcome out = L::backupCatalog(m_catalog, target, options);
        QCOMPARE(int(out.result), result);
        QCOMPARE(asked, target + QLatin1Char('/'));
        if (out.result == L::BackupOutcome::Result::NoSpace) {
            QCOMPARE(out.message.text,
                     QStringLiteral(
                         "Das Ziellaufwerk bietet nicht genug freien Speicher für die Operation."));
            QVERIFY(!QFileInfo::exists(out.target));
        }
    }

    void aBackupThatDoesNotReadBackIsAnError()
    {
        openCatalog();
        L::BackupOptions options;
        options.afterWrite = [](const QString& target) {
            QFile f(target);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(5000);
            f.write("X");
        };
        const L::BackupOutcome out =
            L::backupCatalog(m_catalog, folder(QStringLiteral("sicherung")), options);
        QCOMPARE(out.result, L::BackupOutcome::Result::CopyError);
        QCOMPARE(out.message.kind, Kind::Error);
        QCOMPARE(out.message.text,
                 QStringLiteral("Während des Kopiervorganges ist ein Fehler aufgetreten."));
        QVERIFY(!isWriteProtected(out.target)); // not kept as a finished backup
    }

    void copyGoesInBlocksAndStopsAtAShortWrite()
    {
        QByteArray bytes(25001, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 7);
        QBuffer source(&bytes);
        source.open(QIODevice::ReadOnly);
        ShortWriter whole(1 << 30);
        QVERIFY(L::copyBlocks(source, whole));
        QCOMPARE(whole.data, bytes);
        QCOMPARE(whole.blocks, (QList<qint64>{10000, 10000, 5001}));

        source.seek(0);
        ShortWriter partial(6000);
        QVERIFY(!L::copyBlocks(source, partial));
        QCOMPARE(partial.blocks.size(), 1); // stops at the first short block
    }

    // --- compact ---

    void compactMessages_data()
    {
        QTest::addColumn<qint64>("before");
        QTest::addColumn<qint64>("after");
        QTest::addColumn<QString>("text");
        const QString none =
            QStringLiteral("Die Datenbank wurde bereinigt. Allerdings konnte dadurch "
                           "kein zusätzlicher Speicherplatz gewonnen werden.");
        QTest::newRow("500 bytes gained") << qint64(10500) << qint64(10000)
                                          << "Die Datenbank wurde bereinigt. 500 Bytes "
                                             "Speicherplatz konnten dadurch gewonnen werden.";
        QTest::newRow("5000 bytes gained count 4 KByte")
            << qint64(15000) << qint64(10000)
            << "Die Datenbank wurde bereinigt. 4 KByte Speicherplatz konnten dadurch gewonnen "
               "werden.";
        QTest::newRow("1023 bytes are still Bytes")
            << qint64(2047) << qint64(1024)
            << "Die Datenbank wurde bereinigt. 1023 Bytes Speicherplatz konnten dadurch gewonnen "
               "werden.";
        QTest::newRow("1024 bytes are 1 KByte") << qint64(2048) << qint64(1024)
                                                << "Die Datenbank wurde bereinigt. 1 KByte "
                                                   "Speicherplatz konnten dadurch gewonnen werden.";
        QTest::newRow("beyond 32 bits") << qint64(6) * 1024 * 1024 * 1024 << qint64(1024)
                                        << "Die Datenbank wurde bereinigt. 6291455 KByte "
                                           "Speicherplatz konnten dadurch gewonnen werden.";
        QTest::newRow("same size") << qint64(8192) << qint64(8192) << none;
        QTest::newRow("grew") << qint64(8192) << qint64(12288) << none;
    }
    void compactMessages()
    {
        QFETCH(qint64, before);
        QFETCH(qint64, after);
        QFETCH(QString, text);
        const L::Message m = L::compactMessage(before, after);
        QCOMPARE(m.kind, Kind::Information);
        QCOMPARE(m.text, text);
    }

    void compactGainsAndThenGainsNothing()
    {
        openCatalog(200);
        m_store->database().execute(QStringLiteral("delete from haupt where nummer > 10"));
        const QStringList content = test::dumpCatalog(m_store->database().handle());

        const L::CompactOutcome first = L::compactCatalog(*m_store);
        QCOMPARE(first.result, L::CompactOutcome::Result::Gained);
        QVERIFY(first.after < first.before);
        QCOMPARE(first.message.text, L::compactMessage(first.before, first.after).text);
        QCOMPARE(first.after, QFileInfo(m_catalog).size());
        QVERIFY(m_store->database().isConnected());
        QVERIFY(!isWriteProtected(m_catalog));
        QCOMPARE(test::dumpCatalog(m_store->database().handle()), content);
        QCOMPARE(QDir(QFileInfo(m_catalog).path()).entryList(QDir::Files),
                 QStringList{"movies.mdb"});

        const L::CompactOutcome second = L::compactCatalog(*m_store);
        QCOMPARE(second.result, L::CompactOutcome::Result::NoGain);
        QCOMPARE(second.message.text,
                 QStringLiteral("Die Datenbank wurde bereinigt. Allerdings konnte dadurch kein "
                                "zusätzlicher Speicherplatz gewonnen werden."));
        QCOMPARE(titles().size(), 10);
    }

    // A catalog that cannot be compacted (here: a damaged page the engine cannot read)
    // stays as it was, connected.
    void aFailedCompactionKeepsTheCatalog()
    {
        openCatalog(200);
        m_store->database().disconnect();
        {
            QFile f(m_catalog);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const qint64 pages = f.size() / 4096;
            for (qint64 p = pages / 2; p < pages; p += 3) {
                f.seek(p * 4096);
                f.write(QByteArray(4096, '\xA5'));
            }
        }
        m_store->database().connect();
        const QByteArray before = test::fileBytes(m_catalog);

        const L::CompactOutcome out = L::compactCatalog(*m_store);
        QCOMPARE(out.result, L::CompactOutcome::Result::Failed);
        QCOMPARE(out.message.kind, Kind::Error);
        QCOMPARE(out.message.text,
                 QStringLiteral("Beim Bereinigen der Datenbank ist ein Fehler aufgetreten."));
        QVERIFY(!out.error.isEmpty());
        QCOMPARE(test::fileBytes(m_catalog), before);
        QVERIFY(m_store->database().isConnected());
        QCOMPARE(QDir(QFileInfo(m_catalog).path()).entryList(QDir::Files),
                 QStringList{"movies.mdb"});
    }

    // --- upgrade command ---

    void upgradeCommandAlwaysReports()
    {
        openCatalog();
        const L::Message m = L::upgradeCatalog(*m_store);
        QCOMPARE(m.kind, Kind::Information);
        QCOMPARE(m.text,
                 QStringLiteral("Die Aktualisierung wurde durchgeführt. Das Datenbankformat "
                                "entspricht der aktuellsten Version."));
    }
};

QTEST_GUILESS_MAIN(TestCatalogLifecycle)
#include "tst_cataloglifecycle.moc"
