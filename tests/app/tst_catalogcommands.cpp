#include "app/MainWindow.h"
#include "app/MovieListModel.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "store/CatalogLifecycle.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace korvel;
namespace L = store::CatalogLifecycle;

// The catalog commands of the main window: what the user is asked and told, and what the
// window shows afterwards.
class TestCatalogCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::TestEnvironment> m_env;
    std::unique_ptr<app::MainWindow> m_main;
    QString m_catalog;
    QTemporaryDir m_other;

private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnvironment>();
        m_env->clearSettings();
        m_catalog = m_env->makeCatalog();
        test::TestEnvironment::addEntry(m_catalog, {{"nummer", 1}, {"visiblenr", 1}, {"titel", "Alt"}});
        m_main = app::startMainWindow(m_env->context, {});
        m_main->show();
        m_main->move(200, 100);
    }
    void cleanup()
    {
        m_main.reset();
        m_env.reset();
    }

    void switchToATextFileKeepsTheOldCatalog()
    {
        const QString text = m_other.filePath(QStringLiteral("notes.mdb"));
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("nur Text\n");
        f.close();
        m_env->files.answers.enqueue(text);
        m_main->switchCatalog();
        QCOMPARE(m_env->files.titles.last(), QStringLiteral("Datenbank suchen"));
        QCOMPARE(m_env->boxes.shown.size(), 1);
        QCOMPARE(m_env->boxes.shown[0].kind, ui::MessageBoxes::Kind::Error);
        QCOMPARE(m_env->boxes.shown[0].text, L::Text::unknownFormat);
        QCOMPARE(m_main->store().database().path(), m_catalog);
        QVERIFY(m_main->store().database().isConnected());
        QCOMPARE(m_main->movieModel()->rowCount(), 1);
        QCOMPARE(m_env->settings().text(app::Settings::Database), m_catalog);
    }

    void createThenSwitchToTheNewCatalog()
    {
        const QString chosen = m_other.filePath(QStringLiteral("neu"));
        m_env->files.answers.enqueue(chosen);
        m_main->createCatalog();
        const QString created = chosen + QStringLiteral(".mdb");
        QVERIFY(QFile::exists(created));
        QVERIFY(!QFileInfo(created).permission(QFileDevice::WriteOwner));
        QCOMPARE(m_env->boxes.shown.last().text, QStringLiteral("Die Datenbank neu.mdb wurde erfolgreich erstellt."));
        QCOMPARE(m_main->store().database().path(), m_catalog); // not opened

        m_main->store().haupt().setSql({QStringLiteral("select *from haupt"), QStringLiteral("order by genre DESC, titel DESC")});
        m_env->files.answers.enqueue(created);
        m_main->switchCatalog();
        QCOMPARE(m_main->store().database().path(), created);
        QCOMPARE(m_main->statusText(1), QStringLiteral("Verbunden mit ") + created);
        QCOMPARE(m_env->settings().text(app::Settings::Database), created);
        QCOMPARE(m_main->movieModel()->rowCount(), 0);
        QCOMPARE(m_main->statusText(0), QStringLiteral("Datenbank: 0 Filme vorhanden"));
        QVERIFY(m_main->store().database().hasTable(QStringLiteral("genres")));
        QCOMPARE(m_main->store().haupt().sql().value(1), QStringLiteral("order by genre DESC, titel DESC"));
        QCOMPARE(m_main->pos(), QPoint(15, 48));
        QCOMPARE(m_main->size(), QSize(992, 643));
        QVERIFY(!QFileInfo(m_catalog).permission(QFileDevice::WriteOwner)); // the file left
    }

    void createOverTheOpenCatalogIsRefused()
    {
        const QByteArray before = [&] { QFile f(m_catalog); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        m_env->files.answers.enqueue(m_catalog);
        m_main->createCatalog();
        QCOMPARE(m_env->boxes.shown.last().text, L::Text::createRefused);
        QFile f(m_catalog);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void backupIntoTheOwnFolderIsRefused()
    {
        m_env->files.answers.enqueue(QFileInfo(m_catalog).absolutePath());
        m_main->backupCatalog();
        QCOMPARE(m_env->files.titles.last(), QStringLiteral("Ordner suchen"));
        QCOMPARE(m_env->boxes.shown.last().kind, ui::MessageBoxes::Kind::Error);
        QCOMPARE(m_env->boxes.shown.last().text, L::Text::backupOwnFolder);

        m_env->files.answers.enqueue(m_other.path());
        m_main->backupCatalog();
        QCOMPARE(m_env->boxes.shown.last().text, L::Text::backupDone);
        QVERIFY(QFile::exists(QDir(m_other.path()).filePath(QStringLiteral("movies.mdb"))));
    }

    void compactAndUpgradeTellTheUser()
    {
        m_main->compactCatalog();
        QCOMPARE(m_env->boxes.shown.last().kind, ui::MessageBoxes::Kind::Information);
        QVERIFY(m_main->store().database().isConnected());
        m_main->upgradeCatalog();
        QCOMPARE(m_env->boxes.shown.last().text,
                 QStringLiteral("Die Aktualisierung wurde durchgeführt. Das Datenbankformat entspricht der aktuellsten Version."));
        QCOMPARE(m_main->movieModel()->rowCount(), 1);
    }
};

QTEST_MAIN(TestCatalogCommands)
#include "tst_catalogcommands.moc"
