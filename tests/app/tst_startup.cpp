#include "app/CatalogChoice.h"
#include "app/ColumnLayout.h"
#include "app/ListQuery.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/WindowGeometry.h"
#include "common/Cp1252.h"
#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace korvel;
using namespace korvel::app;

// Start-up and shutdown without a window: settings, catalog choice, layout, sort, geometry.
class TestStartup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_settingsDir;
    QTemporaryDir m_programDir;

    static void clearKey(const QString& org)
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, org, Settings::Application);
        s.clear();
        s.sync();
        QFile::remove(s.fileName());
    }
    QString catalog(const QString& name)
    {
        const QString path = m_programDir.filePath(name);
        if (!QFile::exists(path))
            store::CatalogSchema::createDefaultCatalogFile(path);
        return path;
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }
    void init()
    {
        clearKey(Settings::Organization);
        clearKey(Settings::LegacyOrganization);
    }

    void chooseCatalog_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected"); // file name in the program folder
        QTest::addColumn<bool>("fromCommandLine");
        QTest::newRow("first start") << "" << QStringList() << "movies.mdb" << false;
        QTest::newRow("setting") << "other.mdb" << QStringList() << "other.mdb" << false;
        QTest::newRow("setting upper-case extension") << "UPPER.MDB" << QStringList() << "UPPER.MDB" << false;
        QTest::newRow("deleted file") << "gone.mdb" << QStringList() << "movies.mdb" << false;
        QTest::newRow("opendb mdb") << "other.mdb" << QStringList{"opendb=cmd.mdb"} << "cmd.mdb" << true;
        QTest::newRow("opendb txt") << "other.mdb" << QStringList{"opendb=cmd.txt"} << "movies.mdb" << true;
        QTest::newRow("second argument ignored") << "" << QStringList{"x", "opendb=cmd.mdb"} << "movies.mdb" << false;
        QTest::newRow("setting with wrong extension") << "notes.txt" << QStringList() << "movies.mdb" << false;
    }
    void chooseCatalog()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QFETCH(bool, fromCommandLine);
        for (const char* name : {"movies.mdb", "other.mdb", "UPPER.MDB", "cmd.mdb", "cmd.txt", "notes.txt"})
            catalog(QString::fromLatin1(name));
        const QDir dir(m_programDir.path());
        const auto abs = [&](const QString& s) { return s.isEmpty() ? s : dir.filePath(s); };
        for (QString& a : arguments)
            if (a.startsWith(QLatin1String("opendb=")))
                a = QStringLiteral("opendb=") + abs(a.mid(7));
        const CatalogChoice c = app::chooseCatalog(abs(setting), arguments, dir.path());
        QCOMPARE(c.path, dir.filePath(expected));
        QCOMPARE(c.fromCommandLine, fromCommandLine);
    }

    void legacyKeyMovesWhenAlone()
    {
        {
            QSettings legacy(QSettings::NativeFormat, QSettings::UserScope, Settings::LegacyOrganization,
                             Settings::Application);
            legacy.setValue(QStringLiteral("Database"), QStringLiteral("C:/alt.mdb"));
            legacy.setValue(QStringLiteral("Sub/Deeper/Value"), QStringLiteral("tief"));
        }
        QVERIFY(Settings::migrateLegacyKey());
        Settings s;
        QCOMPARE(s.text(QStringLiteral("Database")), QStringLiteral("C:/alt.mdb"));
        QCOMPARE(s.text(QStringLiteral("Sub/Deeper/Value")), QStringLiteral("tief"));
        QVERIFY(!Settings::keyExists(Settings::LegacyOrganization));
    }

    void bothKeysLeaveTheLegacyKeyAlone()
    {
        {
            QSettings legacy(QSettings::NativeFormat, QSettings::UserScope, Settings::LegacyOrganization,
                             Settings::Application);
            legacy.setValue(QStringLiteral("Database"), QStringLiteral("alt"));
            Settings current;
            current.setText(Settings::Database, QStringLiteral("neu"));
        }
        QVERIFY(!Settings::migrateLegacyKey());
        QVERIFY(Settings::keyExists(Settings::LegacyOrganization));
        QCOMPARE(Settings().text(Settings::Database), QStringLiteral("neu"));
    }

    void firstStartOpensDefaultCatalog()
    {
        const QString path = catalog(QStringLiteral("movies.mdb"));
        app::setCatalogWritable(path, false);
        Settings settings;
        store::CatalogStore store;
        const StartupState state = Startup::open(settings, store, {}, m_programDir.path());
        QVERIFY(!state.failed);
        QCOMPARE(state.catalogPath, path);
        QCOMPARE(settings.text(Settings::Database), path);
        QVERIFY(QFileInfo(path).permission(QFileDevice::WriteOwner)); // writable while held
        QVERIFY(!state.columnsFromSettings);
        QCOMPARE(state.columns.size(), 7);
        QCOMPARE(state.columns.first(), (ListColumn{QStringLiteral("Titel"), 250}));
        QVERIFY(state.discCheck);
        QVERIFY(!state.extendedActorInfos);
        QCOMPARE(store.haupt().sql(), (QStringList{"select *from haupt ", "order by titel"}));
        Startup::releaseCatalog(store);
        QVERIFY(!QFileInfo(path).permission(QFileDevice::WriteOwner));
        QVERIFY(!QFileInfo(path).permission(QFileDevice::WriteGroup));
    }

    void commandLineCatalogKeepsTheSetting()
    {
        catalog(QStringLiteral("movies.mdb"));
        const QString other = catalog(QStringLiteral("andere.mdb"));
        Settings settings;
        settings.setText(Settings::Database, QStringLiteral("/somewhere/alt.mdb"));
        store::CatalogStore store;
        const StartupState state =
            Startup::open(settings, store, {QStringLiteral("opendb=") + other}, m_programDir.path());
        QCOMPARE(state.catalogPath, other);
        QCOMPARE(settings.text(Settings::Database), QStringLiteral("/somewhere/alt.mdb"));
    }

    void noUsableCatalogFails_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("text file named movies.mdb") << QByteArray("kein Katalog\r\n");
    }
    void noUsableCatalogFails()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir programDir;
        if (!content.isEmpty()) {
            QFile f(programDir.filePath(QStringLiteral("movies.mdb")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        Settings settings;
        store::CatalogStore store;
        const StartupState state = Startup::open(settings, store, {}, programDir.path());
        QVERIFY(state.failed);
        QVERIFY(!store.database().isConnected());
        QCOMPARE(settings.text(Settings::Database), QString());
    }

    void restoredSort_data()
    {
        QTest::addColumn<QString>("sortBy");
        QTest::addColumn<QString>("sortOrder");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("expected");
        QTest::newRow("genre ascending") << "genre" << "ASC" << "" << "order by genre, titel";
        QTest::newRow("no order counts as ascending") << "genre" << "" << "" << "order by genre, titel";
        QTest::newRow("anything else descends") << "regie" << "desc" << "" << "order by regie DESC, titel DESC";
        QTest::newRow("actors descending") << "Darsteller" << "DESC" << ""
                                           << "order by trim(Darsteller) DESC, titel DESC";
        QTest::newRow("actors in lower case: no trim") << "darsteller" << "ASC" << "" << "order by darsteller, titel";
        QTest::newRow("database name of a renamed caption") << "laufzeit" << "ASC" << "" << "order by laufzeit, titel";
        QTest::newRow("column not shown") << "preis" << "ASC" << "" << "order by titel";
        QTest::newRow("shown in restored layout") << "preis" << "DESC" << "Titel,Preis,Nummer,"
                                                  << "order by preis DESC, titel DESC";
    }
    void restoredSort()
    {
        QFETCH(QString, sortBy);
        QFETCH(QString, sortOrder);
        QFETCH(QString, columns);
        QFETCH(QString, expected);
        catalog(QStringLiteral("movies.mdb"));
        Settings settings;
        settings.setText(Settings::SortBy, sortBy);
        settings.setText(Settings::SortOrder, sortOrder);
        settings.setText(Settings::AnsichtSort, columns);
        settings.setText(Settings::AnsichtSize, QStringLiteral("200,80,60,"));
        store::CatalogStore store;
        Startup::open(settings, store, {}, m_programDir.path());
        QCOMPARE(store.haupt().sql().last(), expected);
    }

    void shutdownSavesTheSort_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("sortBy");
        QTest::addColumn<QString>("sortOrder");
        QTest::newRow("design") << "select *from haupt \r\norder by titel\r\n" << "titel" << "ASC";
        QTest::newRow("click ascending") << "select *from haupt\r\norder by genre,titel\r\n" << "genre" << "ASC";
        QTest::newRow("restored ascending") << "select *from haupt\r\norder by genre, titel\r\n" << "genre" << "ASC";
        QTest::newRow("descending") << "select *from haupt\r\norder by genre DESC, titel DESC\r\n" << "genre" << "DESC";
        QTest::newRow("actors descending") << "select *from haupt\r\norder by trim(Darsteller) DESC, titel DESC\r\n"
                                           << "Darsteller" << "DESC";
        QTest::newRow("actors ascending") << "select *from haupt\r\norder by trim(Darsteller),titel\r\n"
                                          << "Darsteller" << "ASC";
        QTest::newRow("no order by keeps old values") << "select *from haupt where nummer = 5\r\n" << "alt" << "DESC";
    }
    void shutdownSavesTheSort()
    {
        QFETCH(QString, query);
        QFETCH(QString, sortBy);
        QFETCH(QString, sortOrder);
        Settings settings;
        settings.setText(Settings::SortBy, QStringLiteral("alt"));
        settings.setText(Settings::SortOrder, QStringLiteral("DESC"));
        Startup::saveSettings(settings, {{QStringLiteral("Titel"), 250}}, false, true, query);
        QCOMPARE(settings.text(Settings::SortBy), sortBy);
        QCOMPARE(settings.text(Settings::SortOrder), sortOrder);
        QCOMPARE(settings.text(Settings::DvdCheck), QStringLiteral("0"));
        QCOMPARE(settings.text(Settings::ExtActInfos), QStringLiteral("1"));
    }

    // What shutdown saves, the next start turns back into the same order clause.
    void sortRoundTrip_data()
    {
        QTest::addColumn<QString>("orderLine");
        QTest::newRow("actors descending") << "order by trim(Darsteller) DESC, titel DESC";
        QTest::newRow("actors ascending") << "order by trim(Darsteller), titel";
        QTest::newRow("genre descending") << "order by genre DESC, titel DESC";
        QTest::newRow("visible number") << "order by visiblenr, titel";
    }
    void sortRoundTrip()
    {
        QFETCH(QString, orderLine);
        const auto saved = ListQuery::sortForSettings(QStringLiteral("select *from haupt\r\n") + orderLine + QStringLiteral("\r\n"));
        QVERIFY(saved);
        QCOMPARE(ListQuery::orderLineFromSettings(saved->sortBy, saved->sortOrder), orderLine);
    }

    void columnLayout_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("expected"); // caption:width pairs
        QTest::newRow("three columns") << "Titel,Darsteller,Genre," << "250,200,100," << "Titel:250 Darsteller:200 Genre:100";
        QTest::newRow("fewer widths") << "Titel,Genre," << "300," << "Titel:300 Genre:150";
        QTest::newRow("no trailing comma") << "Titel,Nummer" << "10,20" << "Titel:10 Nummer:20";
        QTest::newRow("unknown caption left out") << "Titel,Gibtsnicht,Nummer," << "1,2,3," << "Titel:1 Nummer:3";
        QTest::newRow("width not a number") << "Titel," << "breit," << "Titel:150";
    }
    void columnLayout()
    {
        QFETCH(QString, sort);
        QFETCH(QString, size);
        QFETCH(QString, expected);
        QStringList got;
        for (const ListColumn& c : ColumnLayout::parse(sort, size))
            got << c.caption + QLatin1Char(':') + QString::number(c.width);
        QCOMPARE(got.join(QLatin1Char(' ')), expected);
        const auto v = ColumnLayout::serialize(ColumnLayout::parse(sort, size));
        QVERIFY(v.sort.endsWith(QLatin1Char(',')));
        QCOMPARE(ColumnLayout::parse(v.sort, v.size), ColumnLayout::parse(sort, size));
    }

    void optionsFromSettings_data()
    {
        QTest::addColumn<QString>("dvdcheck");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<bool>("discCheck");
        QTest::addColumn<bool>("extended");
        QTest::newRow("absent") << "" << "" << true << false;
        QTest::newRow("off") << "0" << "0" << false << false;
        QTest::newRow("on") << "1" << "1" << true << true;
        QTest::newRow("other text counts as on") << "ja" << "x" << true << true;
    }
    void optionsFromSettings()
    {
        QFETCH(QString, dvdcheck);
        QFETCH(QString, ext);
        QFETCH(bool, discCheck);
        QFETCH(bool, extended);
        catalog(QStringLiteral("movies.mdb"));
        Settings settings;
        settings.setText(Settings::DvdCheck, dvdcheck);
        settings.setText(Settings::ExtActInfos, ext);
        store::CatalogStore store;
        const StartupState s = Startup::open(settings, store, {}, m_programDir.path());
        QCOMPARE(s.discCheck, discCheck);
        QCOMPARE(s.extendedActorInfos, extended);
    }

    void coverFolderOnlyWhenItExists()
    {
        catalog(QStringLiteral("movies.mdb"));
        Settings settings;
        settings.setText(Settings::CoverFolder, m_programDir.filePath(QStringLiteral("nichtda")));
        store::CatalogStore store;
        QCOMPARE(Startup::open(settings, store, {}, m_programDir.path()).coverFolder, QString());
        QCOMPARE(settings.text(Settings::CoverFolder), m_programDir.filePath(QStringLiteral("nichtda")));
        store.database().disconnect();
        settings.setText(Settings::CoverFolder, m_programDir.path());
        QCOMPARE(Startup::open(settings, store, {}, m_programDir.path()).coverFolder, m_programDir.path());
    }

    void defaultProfilesRewrittenAtEveryStart()
    {
        catalog(QStringLiteral("movies.mdb"));
        const QString folder = Startup::profileFolder(m_programDir.path());
        const QString file = QDir(folder).filePath(QStringLiteral("Profil Standard SW Hoch.tpf"));
        Settings settings;
        {
            store::CatalogStore store;
            Startup::open(settings, store, {}, m_programDir.path());
        }
        QVERIFY(Cp1252::writeLines(file, {QStringLiteral("vom Benutzer geändert")}));
        QFile::remove(QDir(folder).filePath(QStringLiteral("Profil Standard Farbe Hoch.tpf")));
        store::CatalogStore store;
        Startup::open(settings, store, {}, m_programDir.path());
        QStringList lines;
        QVERIFY(Cp1252::readLines(file, lines));
        QCOMPARE(lines.value(0), QStringLiteral("[Druckprofil]"));
        QCOMPARE(lines.value(2), QStringLiteral("Name=Standard Hochformat, S/W"));
        QCOMPARE(QDir(folder).entryList({QStringLiteral("*.tpf")}).size(), 3);
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QVERIFY(bytes.contains("fr\xFCherer")); // cp1252
        QVERIFY(bytes.endsWith("16777215\r\n"));
    }

    void geometryRow()
    {
        const QString path = catalog(QStringLiteral("geo.mdb"));
        store::CatalogStore store;
        store.database().setPath(path);
        store.database().connect();
        store.database().execute(QStringLiteral("delete from prg"));
        // no row: a centred one with the window's size is added
        WindowGeometry g = GeometryRow::restore(store.prg(), QSize(1921, 1081), QSize(988, 634));
        QCOMPARE(QRect(g.xpos, g.ypos, g.width, g.height), QRect(960 - 494, 540 - 317, 988, 634));
        QCOMPARE(GeometryRow::dialogPosition(store.prg(), QStringLiteral("form2x"), QStringLiteral("form2y")),
                 QPoint(-1, -1));
        // negative positions are raised to 0 when placing
        store.database().execute(QStringLiteral("update prg set xpos = -40, ypos = -3"));
        g = GeometryRow::restore(store.prg(), QSize(1920, 1080), QSize(988, 634));
        QCOMPARE(g.placement().topLeft(), QPoint(0, 0));
        // closing maximized changes only fullscreen
        GeometryRow::save(store.prg(), false, QRect(10, 20, 1000, 700));
        GeometryRow::save(store.prg(), true, QRect(0, 0, 1920, 1080));
        g = GeometryRow::restore(store.prg(), QSize(1920, 1080), QSize(988, 634));
        QCOMPARE(QRect(g.xpos, g.ypos, g.width, g.height), QRect(10, 20, 1000, 700));
        QVERIFY(g.fullscreen);
        store.prg().open();
        QCOMPARE(store.prg().recordCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
