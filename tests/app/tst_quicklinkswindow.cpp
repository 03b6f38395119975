#include "app/MainWindow.h"
#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "app/Program.h"
#include "app/QuicklinkPanel.h"
#include "app/QuicklinksDialog.h"
#include "entry/AddDialog.h"
#include "entry/EditDialog.h"
#include "entry/EntryForm.h"
#include "store/CatalogDatabase.h"
#include "support/ScriptedDialogs.h"
#include "ui/TaskPanel.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace korvel;
using app::QuicklinkLabel;
using app::QuicklinkPanel;
using P = app::Quicklinks::Picture;

// Quicklink labels in the main window and the entry dialogs, opening them, and the
// quicklinks dialog, on a real main window and catalog.
class TestQuicklinksWindow : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<test::TestEnvironment> m_env;
    std::unique_ptr<app::MainWindow> m_main;
    QString m_catalog;
    QTemporaryDir m_files;

    // favoriten rows written before the main window opens the catalog
    void addLinks(const QList<QStringList>& rows,
                  const QString& catalog = {}) // form number, key, name, target
    {
        store::CatalogDatabase db;
        db.setPath(catalog.isEmpty() ? m_catalog : catalog);
        db.connect();
        for (const QStringList& r : rows)
            db.execute(
                QStringLiteral("insert into favoriten (formularnummer, nummer, name, pfad, symbol) "
                               "values (:f, :n, :name, :pfad, :symbol)"),
                {{"f", r[0]},
                 {"n", r[1].toInt()},
                 {"name", r[2]},
                 {"pfad", r[3]},
                 {"symbol", app::Quicklinks::symbolFor(r[3])}});
    }
    void start()
    {
        m_main = app::startMainWindow(m_env->context, {});
        QVERIFY(m_main);
        m_main->show();
    }
    QuicklinkPanel* mainPanel() const { return m_main->quicklinkPanel(); }
    static QStringList names(QuicklinkPanel* panel)
    {
        QStringList out;
        for (QuicklinkLabel* l : panel->labels())
            out << l->text();
        return out;
    }
    static QList<int> tops(QuicklinkPanel* panel)
    {
        QList<int> out;
        for (QuicklinkLabel* l : panel->labels())
            out << l->geometry().top();
        return out;
    }
    // Wheel notches over w, passed on to the parents while nobody takes them, as the
    // system's wheel events are (ones sent by hand are not passed on by Qt).
    static void wheel(QWidget* w, int notches)
    {
        for (int i = 0; i < std::abs(notches); ++i) {
            QPointF pos(w->width() / 2.0, 4);
            for (QWidget* target = w; target; target = target->parentWidget()) {
                QWheelEvent e(pos, target->mapToGlobal(pos), QPoint(),
                              QPoint(0, notches < 0 ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
                if (QApplication::sendEvent(target, &e) && e.isAccepted())
                    break;
                if (target->isWindow())
                    break;
                pos += target->pos();
            }
        }
    }
    void select(int row)
    {
        m_main->movieList()->clearSelection();
        if (row >= 0)
            m_main->movieList()->selectionModel()->select(m_main->movieModel()->index(row, 0),
                                                          QItemSelectionModel::Select |
                                                              QItemSelectionModel::Rows);
    }
    QString makeFile(const QString& name, bool executable)
    {
        const QString path = m_files.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\n");
        f.close();
        if (executable)
            f.setPermissions(f.permissions() | QFile::ExeOwner);
        return path;
    }

  private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnvironment>();
        m_env->clearSettings();
        m_catalog = m_env->makeCatalog();
        test::TestEnvironment::addEntry(m_catalog,
                                        {{"nummer", 1}, {"visiblenr", 1}, {"titel", "Alien"}});
        test::TestEnvironment::addEntry(m_catalog,
                                        {{"nummer", 2}, {"visiblenr", 2}, {"titel", "Matrix"}});
    }
    void cleanup()
    {
        m_main.reset();
        m_env.reset();
    }

    // Each window shows its own links in the order of the name, one below the other.
    void labelsOfEachWindow()
    {
        addLinks({{"0", "1", "Zeta", "http://z.de"},
                  {"1", "2", "Suche", "http://s.de/%TITEL%"},
                  {"0", "3", "Alpha", "http://a.de"},
                  {"2", "4", "Ändern", "http://e.de/%TITEL%"},
                  {"0", "5", "Mitte", "/bin"},
                  {"1", "6", "Bilder", "http://b.de"}});
        start();
        QuicklinkPanel* panel = mainPanel();
        QCOMPARE(panel->parentWidget(),
                 m_main->findChild<QScrollArea*>(QStringLiteral("favoriten"))->viewport());
        QCOMPARE(names(panel), (QStringList{"Alpha", "Mitte", "Zeta"}));
        QCOMPARE(tops(panel), (QList<int>{8, 32, 56}));
        for (QuicklinkLabel* l : panel->labels()) {
            QCOMPARE(l->geometry().left(), 14);
            QCOMPARE(l->height(), 16);
            QCOMPARE(l->width(), panel->width() - 16);
        }
        QCOMPARE(panel->labels()[0]->key(), 3);

        m_main->addEntry();
        QuicklinkPanel* add = m_main->addDialog()->quicklinkPanel();
        QCOMPARE(names(add), (QStringList{"Bilder", "Suche"}));
        QCOMPARE(tops(add), (QList<int>{8, 32}));
        m_main->addDialog()->close();

        select(0);
        m_main->editDialog()->openForRow(0, false);
        QCOMPARE(names(m_main->editDialog()->quicklinkPanel()), QStringList{"Ändern"});
        m_main->editDialog()->form()->title()->setText(QStringLiteral("Alien 2"));
        m_main->editDialog()->quicklinkPanel()->labels().value(0)->click();
        QCOMPARE(m_env->desktop.urls, QList<QUrl>{QUrl("http://e.de/Alien 2")});
        m_env->boxes.answers.enqueue(ui::MessageBoxes::No);
        m_main->editDialog()->close();
    }

    void pictures()
    {
        const QString program = makeFile(QStringLiteral("player"), true);
        addLinks({{"0", "1", "Web", "http://www.example.org/?q=%TITEL%"},
                  {"0", "2", "Programm", program},
                  {"0", "3", "Ordner", m_files.path()},
                  {"0", "4", "Fehlt", m_files.filePath(QStringLiteral("fehlt.exe"))}});
        start();
        QMap<QString, QuicklinkLabel*> byName;
        for (QuicklinkLabel* l : mainPanel()->labels())
            byName.insert(l->text(), l);
        QCOMPARE(byName.value("Web")->picture(), P::Web);
        QCOMPARE(byName.value("Programm")->picture(), P::OwnIcon);
        QCOMPARE(byName.value("Ordner")->picture(), P::Folder);
        QCOMPARE(byName.value("Fehlt")->picture(), P::Folder);
        for (QuicklinkLabel* l : byName)
            QVERIFY(!l->icon().isNull());
        // the symbols as stored by the dialog
        QCOMPARE(app::Quicklinks::forForm(m_main->store().favoritendb(), 0).value(3).symbol,
                 QStringLiteral("WEBLINK"));
        QCOMPARE(app::Quicklinks::forForm(m_main->store().favoritendb(), 0).value(1).symbol,
                 QStringLiteral("PRGLINK"));
    }

    void titleInTheLink_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("url");
        QTest::newRow("Alien selected") << 0 << "http://x.de/?q=Alien&t=Alien";
        QTest::newRow("Matrix selected") << 1 << "http://x.de/?q=Matrix&t=Matrix";
        QTest::newRow("no row selected") << -1 << "http://x.de/?q=&t=";
    }
    void titleInTheLink()
    {
        QFETCH(int, row);
        QFETCH(QString, url);
        addLinks({{"0", "1", "Suche", "http://x.de/?q=%TITEL%&t=%TITEL%"}});
        start();
        select(row);
        mainPanel()->labels().value(0)->click();
        QCOMPARE(m_env->desktop.urls, QList<QUrl>{QUrl(url)});
        QVERIFY(m_env->desktop.programs.isEmpty());
        QVERIFY(m_env->boxes.shown.isEmpty());
    }

    // A click with the mouse reaches the same place as click().
    void mouseClick()
    {
        addLinks({{"0", "1", "Suche", "http://x.de/%TITEL%"}});
        start();
        select(1);
        QuicklinkLabel* label = mainPanel()->labels().value(0);
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(30, 8));
        QCOMPARE(m_env->desktop.urls, QList<QUrl>{QUrl("http://x.de/Matrix")});
    }

    void programsFilesAndFolders()
    {
        const QString program = makeFile(QStringLiteral("player"), true);
        const QString document = makeFile(QStringLiteral("liste %TITEL%.txt"), false);
        addLinks({{"0", "1", "a", program},
                  {"0", "2", "b", m_files.filePath(QStringLiteral("liste %TITEL%.txt"))},
                  {"0", "3", "c", m_files.path()},
                  {"0", "4", "d", "www.x.de/%TITEL%"}});
        start();
        select(0);
        for (QuicklinkLabel* l : mainPanel()->labels())
            l->click();
        QCOMPARE(m_env->desktop.programs, QStringList{program});
        QCOMPARE(
            m_env->desktop.urls,
            (QList<QUrl>{QUrl::fromLocalFile(m_files.filePath(QStringLiteral("liste Alien.txt"))),
                         QUrl::fromLocalFile(m_files.path()), QUrl("http://www.x.de/Alien")}));
        Q_UNUSED(document);
    }

    // What the desktop cannot open changes nothing and is not reported.
    void desktopRefuses()
    {
        addLinks({{"0", "1", "kaputt", "/nicht/vorhanden/%TITEL%"},
                  {"0", "2", "leer", ""},
                  {"0", "3", "web", "http://x.de"}});
        start();
        m_env->desktop.succeed = false;
        select(0);
        for (QuicklinkLabel* l : mainPanel()->labels())
            l->click();
        QCOMPARE(m_env->desktop.urls.size(), 2); // the empty target is handed to nobody
        QVERIFY(m_env->boxes.shown.isEmpty());
        QCOMPARE(names(mainPanel()), (QStringList{"kaputt", "leer", "web"}));
        QCOMPARE(m_main->movieList()->selectedRows(), QList<int>{0});
    }

    // A link removed behind the label's back opens nothing.
    void staleLabel()
    {
        addLinks({{"0", "1", "weg", "http://x.de"}});
        start();
        m_main->store().database().execute(QStringLiteral("delete from favoriten"));
        mainPanel()->labels().value(0)->click();
        QVERIFY(m_env->desktop.urls.isEmpty());
        QVERIFY(m_env->boxes.shown.isEmpty());
    }

    void wheelInTheMainWindow()
    {
        addLinks({{"0", "1", "a", "http://a.de"},
                  {"0", "2", "b", "http://b.de"},
                  {"0", "3", "c", "http://c.de"}});
        start();
        QuicklinkPanel* panel = mainPanel();
        wheel(panel->labels()[1], -3); // over a label: the box turns
        QCOMPARE(panel->scrollOffset(), 6);
        QCOMPARE(tops(panel), (QList<int>{2, 26, 50}));
        wheel(panel, 5);
        QCOMPARE(panel->scrollOffset(), 0);
        QCOMPARE(tops(panel), (QList<int>{8, 32, 56}));
        wheel(m_main->movieList()->viewport(), -2); // elsewhere the box stays
        QCOMPARE(panel->scrollOffset(), 0);
    }

    void addDialogUsesItsTitleAndWheel()
    {
        addLinks({{"1", "1", "Suche", "http://x.de/?q=%TITEL%&t=%TITEL%"},
                  {"1", "2", "Zwei", "http://y.de"}});
        start();
        select(1); // the main list's selection does not count in the dialog
        m_main->addEntry();
        entry::AddDialog* dialog = m_main->addDialog();
        dialog->form()->title()->setText(QStringLiteral("Léon"));
        QuicklinkPanel* panel = dialog->quicklinkPanel();
        panel->labels().value(0)->click();
        QCOMPARE(m_env->desktop.urls,
                 QList<QUrl>{QUrl(QStringLiteral("http://x.de/?q=Léon&t=Léon"))});

        wheel(panel->labels()[0], -3);
        QCOMPARE(dialog->quicklinkScroll(), 6);
        QCOMPARE(tops(panel), (QList<int>{2, 26}));
        wheel(panel, 5);
        QCOMPARE(dialog->quicklinkScroll(), 0);
        QCOMPARE(tops(panel), (QList<int>{8, 32}));

        // a link added meanwhile shows at the next showing
        wheel(panel, -1);
        dialog->close();
        app::Quicklinks::add(m_main->store().favoritendb(), 1, QStringLiteral("Neu"),
                             QStringLiteral("http://n.de"));
        m_main->addEntry();
        QCOMPARE(names(panel), (QStringList{"Neu", "Suche", "Zwei"}));
        QCOMPARE(dialog->quicklinkScroll(), 0);
        QCOMPARE(tops(panel), (QList<int>{8, 32, 56}));
        dialog->close();
    }

    void catalogSwitchTakesItsLinks()
    {
        addLinks({{"0", "1", "Alt", "http://alt.de"}});
        QTemporaryDir other;
        const QString second = m_env->makeCatalog(QStringLiteral("zweite.mdb"), other.path());
        addLinks({{"0", "1", "Neu", "http://neu.de"}, {"0", "2", "Noch", "http://noch.de"}},
                 second);
        start();
        wheel(mainPanel(), -2);
        m_env->files.answers.enqueue(second);
        m_main->switchCatalog();
        QCOMPARE(m_main->store().database().path(), second);
        QCOMPARE(names(mainPanel()), (QStringList{"Neu", "Noch"}));
        QCOMPARE(tops(mainPanel()), (QList<int>{8, 32}));
    }

    void menuEntryOpensTheDialogAndRebuilds()
    {
        addLinks({{"0", "1", "Alt", "http://alt.de"}});
        start();
        auto* action = m_main->findChild<QAction*>(QStringLiteral("Quicklinksverwalten1"));
        QVERIFY(action && action->isEnabled());
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<app::QuicklinksDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seen = true;
            QCOMPARE(dialog->objectName(), QStringLiteral("TForm5"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Favoriten verwalten"));
            QCOMPARE(dialog->size(), QSize(668, 242));
            dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("Neu"));
            dialog->findChild<QLineEdit*>(QStringLiteral("Edit2"))
                ->setText(QStringLiteral("http://neu.de"));
            dialog->addLink();
            QCOMPARE(names(m_main->quicklinkPanel()), QStringList{"Alt"}); // not before closing
            dialog->close();
        });
        action->trigger();
        QVERIFY(seen);
        QCOMPARE(names(mainPanel()), (QStringList{"Alt", "Neu"}));
    }
};

QTEST_MAIN(TestQuicklinksWindow)
#include "tst_quicklinkswindow.moc"
