#include "app/ListSearch.h"
#include "app/MainWindow.h"
#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "app/Program.h"
#include "app/SearchController.h"
#include "support/ScriptedDialogs.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace korvel;
using namespace korvel::app;

// The quick search in the task panel and the type-ahead in the movie list.
class TestSearchWindow : public QObject
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
    static QStringList titles(MainWindow& w)
    {
        QStringList out;
        const int c = w.movieModel()->getfieldpos(QStringLiteral("Titel"));
        for (int r = 0; r < w.movieModel()->rowCount(); ++r)
            out << w.movieModel()->cell(r, c);
        return out;
    }
    static QString selectedTitle(MainWindow& w)
    {
        const QList<int> rows = w.movieList()->selectedRows();
        if (rows.size() != 1)
            return QStringLiteral("<%1 rows selected>").arg(rows.size());
        return w.movieModel()->cell(rows.first(),
                                    w.movieModel()->getfieldpos(QStringLiteral("Titel")));
    }
    static void typeInto(QWidget* widget, const QString& text)
    {
        // characters above 127 one by one (keyClicks cannot send them)
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch),
                                Qt::NoModifier);
    }
    static void chooseSelector(MainWindow& w, const QString& caption)
    {
        QComboBox* box = w.searchField();
        const int i = box->findText(caption);
        QVERIFY(i >= 0);
        box->setCurrentIndex(i);
        emit box->activated(i); // as a choice from the drop-down list
    }

  private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnvironment>();
        m_env->clearSettings();
        m_catalog = m_env->makeCatalog();
        int n = 0;
        const auto add = [&](const char* titel, const char* darsteller, const char* genre,
                             const char* laufzeit, QVariant preis) {
            ++n;
            test::TestEnvironment::addEntry(m_catalog,
                                            {{"nummer", n},
                                             {"visiblenr", n},
                                             {"titel", QString::fromUtf8(titel)},
                                             {"darsteller", QString::fromUtf8(darsteller)},
                                             {"genre", QString::fromUtf8(genre)},
                                             {"laufzeit", QString::fromUtf8(laufzeit)},
                                             {"preis", preis},
                                             {"verliehen", "Nein"}});
        };
        add("Matrix", "Keanu Reeves, Matt Doran", "Science-Fiction", "136", 9.99);
        add("The Matrix", "Keanu Reeves", "Science-Fiction", "", QVariant());
        add("Mathilde", "Audrey Tautou", "Drama", "", 5);
        add("Stalker", "Alexander Kaidanowski", "Drama, Science-Fiction", "163", QVariant());
        add("Star Wars", "Mark Hamill", "Abenteuer", "121", 12);
        add("Terminator", "Arnold Schwarzenegger", "Action", "", QVariant());
        add("Ärger im Paradies", "Kay Francis", "Komödie", "", QVariant());
        add("Alien", "Sigourney Weaver", "Horror, Drama", "", QVariant());
    }
    void cleanup() { m_env.reset(); }

    void searchNarrowsAfterThePause()
    {
        auto w = start();
        QCOMPARE(w->movieModel()->rowCount(), 8);
        QTest::keyClicks(w->searchBox(), QStringLiteral("mat"));
        QVERIFY(w->searchController()->searchTimer().isActive());
        QCOMPARE(w->searchController()->searchTimer().interval(), 400);
        QTest::qWait(200);
        QCOMPARE(w->movieModel()->rowCount(), 8); // not yet
        QTRY_COMPARE(w->movieModel()->rowCount(), 3);
        // Mathilde, Matrix, The Matrix; Matrix matches twice but is listed once
        QCOMPARE(titles(*w), (QStringList{"Mathilde", "Matrix", "The Matrix"}));
        QCOMPARE(w->statusText(0), QStringLiteral("Datenbank: 3 Filme vorhanden"));

        // nothing found empties the list
        QTest::keyClicks(w->searchBox(), QStringLiteral("x"));
        QTRY_COMPARE(w->movieModel()->rowCount(), 0);
        QCOMPARE(w->statusText(0), QStringLiteral("Datenbank: 0 Filme vorhanden"));
    }

    void selectorLimitsTheSearchToOneColumn()
    {
        auto w = start();
        QTest::keyClicks(w->searchBox(), QStringLiteral("zzz"));
        QTRY_COMPARE(w->movieModel()->rowCount(), 0);
        // choosing a column empties the search box and brings every row back
        chooseSelector(*w, QStringLiteral("Genre"));
        QVERIFY(w->searchBox()->text().isEmpty());
        QCOMPARE(w->movieModel()->rowCount(), 8);
        QCOMPARE(w->statusText(0), QStringLiteral("Datenbank: 8 Filme vorhanden"));

        QTest::keyClicks(w->searchBox(), QStringLiteral("drama"));
        QTRY_COMPARE(w->movieModel()->rowCount(), 3);
        QCOMPARE(titles(*w), (QStringList{"Alien", "Mathilde", "Stalker"}));

        // a typed selector text that names no column matches nothing
        chooseSelector(*w, QStringLiteral("Alle"));
        w->searchField()->setEditText(QStringLiteral("Genres"));
        QTest::keyClicks(w->searchBox(), QStringLiteral("a"));
        QTRY_COMPARE(w->movieModel()->rowCount(), 0);
        // the fill refills the selector without touching the search
        w->fillList();
        QCOMPARE(w->searchField()->currentText(), QStringLiteral("Alle"));
        QCOMPARE(w->searchBox()->text(), QStringLiteral("a"));
    }

    void backspaceReloadsThenNarrows_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Backspace") << int(Qt::Key_Backspace);
        QTest::newRow("Delete") << int(Qt::Key_Delete);
    }
    void backspaceReloadsThenNarrows()
    {
        QFETCH(int, key);
        auto w = start();
        QTest::keyClicks(w->searchBox(), QStringLiteral("matr"));
        QTRY_COMPARE(w->movieModel()->rowCount(), 2);
        if (key == Qt::Key_Delete)
            w->searchBox()->setCursorPosition(3);
        QTest::keyClick(w->searchBox(), Qt::Key(key));
        QCOMPARE(w->searchBox()->text(), QStringLiteral("mat"));
        // every row at once, the narrowing 400 ms later
        QCOMPARE(w->movieModel()->rowCount(), 8);
        QCOMPARE(w->statusText(0), QStringLiteral("Datenbank: 8 Filme vorhanden"));
        QVERIFY(w->searchController()->searchTimer().isActive());
        QTRY_COMPARE(w->movieModel()->rowCount(), 3);
        QCOMPARE(titles(*w), (QStringList{"Mathilde", "Matrix", "The Matrix"}));
    }

    void searchesTheFormattedCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withPrice");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("min. finds every running time")
            << "min." << false << QStringList{"Matrix", "Stalker", "Star Wars"};
        QTest::newRow("euro sign finds every row with a price column")
            << QString::fromUtf8("€") << true
            << QStringList{"Alien",   "Ärger im Paradies", "Mathilde",   "Matrix",
                           "Stalker", "Star Wars",         "Terminator", "The Matrix"};
        QTest::newRow("a NULL price shows 0.00")
            << "0.00" << true
            << QStringList{"Alien", "Ärger im Paradies", "Stalker", "Terminator", "The Matrix"};
        QTest::newRow("umlaut in lower case finds the upper-case one")
            << QString::fromUtf8("ärger") << false << QStringList{"Ärger im Paradies"};
    }
    void searchesTheFormattedCells()
    {
        QFETCH(QString, text);
        QFETCH(bool, withPrice);
        QFETCH(QStringList, found);
        auto w = start();
        if (withPrice) {
            QList<ListColumn> columns = w->listColumns();
            columns.append({QStringLiteral("Preis"), 60});
            w->setListColumns(columns, MovieListModel::restoredKeyCaption());
            w->fillList();
        }
        typeInto(w->searchBox(), text);
        QTRY_VERIFY(!w->searchController()->searchTimer().isActive());
        QCOMPARE(titles(*w), found);
    }

    void clearButtonBringsEveryRowBack()
    {
        auto w = start();
        auto* clear = w->findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
        QVERIFY(clear);
        QCOMPARE(clear->toolTip(), QStringLiteral("Eingabe löschen"));
        QTest::keyClicks(w->searchBox(), QStringLiteral("star"));
        QTRY_COMPARE(w->movieModel()->rowCount(), 1);
        clear->click();
        QVERIFY(w->searchBox()->text().isEmpty());
        QCOMPARE(w->movieModel()->rowCount(), 8);
        QCOMPARE(w->statusText(0), QStringLiteral("Datenbank: 8 Filme vorhanden"));
    }

    void sortingEndsTheSearch()
    {
        auto w = start();
        QTest::keyClicks(w->searchBox(), QStringLiteral("mat"));
        QTRY_COMPARE(w->movieModel()->rowCount(), 3);
        w->movieList()->header()->sectionClicked(1);
        QVERIFY(w->searchBox()->text().isEmpty());
        QCOMPARE(w->movieModel()->rowCount(), 8);
    }

    void typeAheadSelectsByTitle()
    {
        auto w = start();
        MovieListView* list = w->movieList();
        list->setFocus();
        // quickly: one prefix "st"
        QTest::keyClicks(list, QStringLiteral("st"));
        QCOMPARE(w->searchController()->typeAheadPrefix(), QStringLiteral("st"));
        QCOMPARE(selectedTitle(*w), QStringLiteral("Stalker"));
        QCOMPARE(list->currentIndex().row(), list->selectedRows().first());
        QTRY_VERIFY(w->searchController()->typeAheadPrefix().isEmpty());

        // with a pause longer than the reset time: "t" alone
        QTest::keyClicks(list, QStringLiteral("s"));
        QCOMPARE(selectedTitle(*w), QStringLiteral("Stalker"));
        QTest::qWait(700);
        QTest::keyClicks(list, QStringLiteral("t"));
        QCOMPARE(selectedTitle(*w), QStringLiteral("Terminator"));
        QTest::qWait(700);

        // upper case and a blank inside the prefix
        QTest::keyClicks(list, QStringLiteral("STAR W"));
        QCOMPARE(selectedTitle(*w), QStringLiteral("Star Wars"));
        QCOMPARE(w->searchController()->typeAheadPrefix(), QStringLiteral("STAR W"));
        QTest::qWait(700);
        // a prefix that no title has leaves the selection
        QTest::keyClicks(list, QStringLiteral("q"));
        QCOMPARE(selectedTitle(*w), QStringLiteral("Star Wars"));
    }

    void typeAheadIgnoresUmlautsAndAltGr()
    {
        auto w = start();
        MovieListView* list = w->movieList();
        list->setFocus();
        QTest::keyClicks(list, QStringLiteral("m"));
        QCOMPARE(selectedTitle(*w), QStringLiteral("Mathilde"));
        typeInto(list, QString::fromUtf8("ä"));
        QCOMPARE(w->searchController()->typeAheadPrefix(), QStringLiteral("m"));
        QCOMPARE(selectedTitle(*w), QStringLiteral("Mathilde"));
        QTest::qWait(700);
        // the umlaut alone does not find "Ärger im Paradies" either
        typeInto(list, QString::fromUtf8("Ä"));
        QCOMPARE(selectedTitle(*w), QStringLiteral("Mathilde"));
        QVERIFY(w->searchController()->typeAheadPrefix().isEmpty());
        // Ctrl and Alt held together (AltGr): the letter is no type-ahead
        QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(w->searchController()->typeAheadPrefix().isEmpty());
        QCOMPARE(selectedTitle(*w), QStringLiteral("Mathilde"));
    }

    void enterActsAsADoubleClick()
    {
        auto w = start();
        MovieListView* list = w->movieList();
        QSignalSpy open(list, &MovieListView::openRequested);
        QTest::keyClicks(list, QStringLiteral("ter"));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.at(0).at(0).toBool(), true);
        // with AltGr held nothing opens
        QTest::keyClick(list, Qt::Key_Return, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(open.size(), 1);
    }

    void typeAheadOnAnEmptyList()
    {
        auto w = start();
        QTest::keyClicks(w->searchBox(), QStringLiteral("qqq"));
        QTRY_COMPARE(w->movieModel()->rowCount(), 0);
        w->movieList()->setFocus();
        QTest::keyClicks(w->movieList(), QStringLiteral("ab"));
        QVERIFY(w->searchController()->typeAheadPrefix().isEmpty());
        QVERIFY(w->searchController()->resetTimer().isActive());
        QCOMPARE(w->searchController()->resetTimer().interval(), 600);
    }
};

QTEST_MAIN(TestSearchWindow)
#include "tst_searchwindow.moc"
