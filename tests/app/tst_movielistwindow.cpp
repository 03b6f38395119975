#include "app/MainWindow.h"
#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "app/Program.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QTest>

using namespace korvel;
using namespace korvel::app;

// The movie list in the main window: fill, header clicks, pop-up menu, keys.
class TestMovieListWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::TestEnvironment> m_env;
    QString m_catalog;

    std::unique_ptr<MainWindow> start()
    {
        auto w = startMainWindow(m_env->context, {});
        w->show();
        return w;
    }
    static QStringList column(MainWindow& w, const QString& caption)
    {
        QStringList out;
        const int c = w.movieModel()->getfieldpos(caption);
        for (int r = 0; r < w.movieModel()->rowCount(); ++r)
            out << w.movieModel()->cell(r, c);
        return out;
    }
    static void select(MainWindow& w, const QList<int>& rows)
    {
        w.movieList()->clearSelection();
        for (int r : rows)
            w.movieList()->selectionModel()->select(w.movieModel()->index(r, 0),
                                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnvironment>();
        m_env->clearSettings();
        m_catalog = m_env->makeCatalog();
        const auto add = [&](int n, const char* titel, const char* genre, QVariant preis, const char* laufzeit) {
            test::TestEnvironment::addEntry(m_catalog, {{"nummer", n}, {"visiblenr", n}, {"titel", QString::fromUtf8(titel)},
                                                        {"genre", QString::fromUtf8(genre)}, {"preis", preis},
                                                        {"laufzeit", QString::fromUtf8(laufzeit)}, {"verliehen", "Nein"}},
                                            {{"Deutsch", "Dolby AC-3", "5.1"}}, {{"Deutsch", "forced caption"}});
        };
        add(1, "Matrix", "Action", 12.5, "131");
        add(2, "Alien", "Horror", QVariant(), "");
        add(3, "Die Ärzte live", "Musik", 7, "95");
        add(4, "Zorro", "Abenteuer", 3.456, "88");
        test::TestEnvironment::addEntry(m_catalog, {{"nummer", 5}, {"visiblenr", 5}, {"titel", "Brazil"},
                                                    {"genre", "Drama"}, {"verliehen", "Ja"}, {"verliehen_an", "Eva"}});
    }
    void cleanup() { m_env.reset(); }

    void fillShowsEveryEntryFormatted()
    {
        auto w = start();
        QCOMPARE(w->movieModel()->rowCount(), 5);
        QVERIFY(w->movieList()->header()->isVisible());
        QVERIFY(w->movieList()->header()->height() > 10); // the captions can be read and clicked
        QCOMPARE(column(*w, QStringLiteral("Titel")),
                 (QStringList{"Alien", "Brazil", "Die Ärzte live", "Matrix", "Zorro"}));
        QCOMPARE(column(*w, QStringLiteral("Spieldauer")), (QStringList{"", "", "95 min.", "131 min.", "88 min."}));
        QCOMPARE(w->statusText(0), QStringLiteral("Datenbank: 5 Filme vorhanden"));
        QCOMPARE(w->searchField()->count(), 8);
        QCOMPARE(w->searchField()->itemText(0), QStringLiteral("Alle"));
        QCOMPARE(w->movieModel()->keyOfRow(0), 2);
        QVERIFY(w->entryNumbers().contains(5));
        QCOMPARE(w->entryNumbers().getnextfreenumber(), 6);
        // lent rows on their own colour, the others cream and white
        QCOMPARE(w->movieModel()->data(w->movieModel()->index(1, 1), Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(196, 200, 225));
        QCOMPARE(w->movieModel()->data(w->movieModel()->index(0, 1), Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(255, 251, 240));
        QCOMPARE(w->movieModel()->data(w->movieModel()->index(3, 1), Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(Qt::white));
    }

    void headerClicksSort()
    {
        auto w = start();
        const int genre = w->movieModel()->getfieldpos(QStringLiteral("Genre")) + 1;
        // from the design clause the first click sorts descending
        w->movieList()->header()->sectionClicked(genre);
        QCOMPARE(w->store().haupt().sql().value(1), QStringLiteral("order by Genre DESC, titel DESC"));
        QCOMPARE(column(*w, QStringLiteral("Genre")).first(), QStringLiteral("Musik"));
        w->movieList()->header()->sectionClicked(genre);
        QCOMPARE(w->store().haupt().sql().value(1), QStringLiteral("order by Genre,titel"));
        QCOMPARE(column(*w, QStringLiteral("Genre")).first(), QStringLiteral("Abenteuer"));
        w->movieList()->header()->sectionClicked(w->movieModel()->getfieldpos(QStringLiteral("Darsteller")) + 1);
        QCOMPARE(w->store().haupt().sql().value(1), QStringLiteral("order by trim(Darsteller),titel"));
        // widths survive the refill
        QCOMPARE(w->movieList()->header()->sectionSize(1), 250);
    }

    void popupMenuFollowsTheSelection()
    {
        auto w = start();
        QMenu* menu = w->listMenu();
        const auto enabled = [&](const char* name) {
            return menu->findChild<QAction*>(QString::fromLatin1(name))->isEnabled();
        };
        select(*w, {});
        QMetaObject::invokeMethod(w->movieList(), "customContextMenuRequested", Q_ARG(QPoint, QPoint(5, 5)));
        menu->hide();
        QVERIFY(!enabled("Entfernen2"));
        QVERIFY(!menu->findChild<QMenu*>(QStringLiteral("Verleih2"))->isEnabled());
        select(*w, {1}); // Brazil is lent
        QMetaObject::invokeMethod(w->movieList(), "customContextMenuRequested", Q_ARG(QPoint, QPoint(5, 5)));
        menu->hide();
        QVERIFY(enabled("Entfernen2"));
        QVERIFY(menu->findChild<QMenu*>(QStringLiteral("Verleih2"))->isEnabled());
    }

    void deleteKeyDeletesTheSelectedEntries()
    {
        auto w = start();
        select(*w, {0, 3}); // Alien and Matrix
        m_env->boxes.answers.enqueue(ui::MessageBoxes::Cancel);
        QTest::keyClick(w->movieList(), Qt::Key_Delete);
        QCOMPARE(m_env->boxes.shown.last().text, QStringLiteral("Die markierten Filme werden unwiderruflich gelöscht."));
        QCOMPARE(w->movieModel()->rowCount(), 5);

        QTest::keyClick(w->movieList(), Qt::Key_Delete);
        QCOMPARE(w->movieModel()->rowCount(), 3);
        QCOMPARE(w->statusText(0), QStringLiteral("Datenbank: 3 Filme vorhanden"));
        QVERIFY(!w->entryNumbers().contains(1));
        QVERIFY(!w->entryNumbers().contains(2));
        store::BorrowedQuery audio(w->store().sprachen(), {QStringLiteral("select *from sprachen")});
        QCOMPARE(audio->recordCount(), 2);
        store::BorrowedQuery subs(w->store().untertitel(), {QStringLiteral("select *from untertitel where nummer = 1")});
        QVERIFY(subs->atEnd());

        select(*w, {0});
        QTest::keyClick(w->movieList(), Qt::Key_Delete);
        QCOMPARE(m_env->boxes.shown.last().text, QStringLiteral("Der markierte Film wird unwiderruflich gelöscht."));
    }
};

QTEST_MAIN(TestMovieListWindow)
#include "tst_movielistwindow.moc"
