#include "app/InfoPanelWidget.h"
#include "app/MainWindow.h"
#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "app/Program.h"
#include "entry/EditDialog.h"
#include "entry/EntryForm.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace korvel;

// The info panel beside the movie list, driven through the list.
class TestInfoPanel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::TestEnvironment> m_env;
    std::unique_ptr<app::MainWindow> m_main;

    void click(int row, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        app::MovieListView* list = m_main->movieList();
        const QRect r = list->visualRect(m_main->movieModel()->index(row, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, r.center());
    }
    QString heading() const { return m_main->infoPanel()->heading()->text(); }

private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnvironment>();
        m_env->clearSettings();
        const QString catalog = m_env->makeCatalog();
        test::TestEnvironment::addEntry(catalog, {{"nummer", 7}, {"visiblenr", 7}, {"titel", "Alpha"}, {"dvdtyp", "DVD-5"},
                                                  {"mastering", "Original-DVD"}, {"beschreibung", "Ein Film."}},
                                        {{"Deutsch", "DTS", "5.1"}, {"Englisch", "DTS", "5.1"}});
        test::TestEnvironment::addEntry(catalog, {{"nummer", 8}, {"visiblenr", 8}, {"titel", "Beta"}, {"verliehen", "Ja"},
                                                  {"verliehen_an", "Eva"}, {"verliehen_kommentar", ""}});
        m_main = app::startMainWindow(m_env->context, {});
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }
    void cleanup()
    {
        m_main.reset();
        m_env.reset();
    }

    void showsTheClickedEntry()
    {
        QCOMPARE(heading(), QStringLiteral("Infos zur DVD"));
        QVERIFY(m_main->infoPanel()->placeholder()->isVisible());
        click(0);
        QCOMPARE(heading(), QStringLiteral("Infos zur DVD #7"));
        QCOMPARE(m_main->infoPanel()->line(0)->text(), QStringLiteral("Typ: DVD-5, Original-DVD"));
        QCOMPARE(m_main->infoPanel()->line(2)->text(), QStringLiteral("Sprachen: Deutsch, Englisch"));
        QVERIFY(m_main->infoPanel()->cover()->isVisible());
        QVERIFY(!m_main->infoPanel()->badge()->isVisible());
        // a second row with Ctrl held: the panel stays on the first entry
        click(1, Qt::ControlModifier);
        QCOMPARE(m_main->movieList()->selectedRows().size(), 2);
        QCOMPARE(heading(), QStringLiteral("Infos zur DVD #7"));
    }

    void lentEntryShowsTheBadge()
    {
        click(1);
        QCOMPARE(heading(), QStringLiteral("Infos zur DVD #8"));
        QVERIFY(m_main->infoPanel()->badge()->isVisible());
        m_main->infoPanel()->toggleLoanBox();
        QVERIFY(m_main->infoPanel()->loanBoxOpen());
        QCOMPARE(m_main->infoPanel()->loanBox()->height(), 78); // empty remark
        m_main->movieList()->setFocus();
        click(0); // another entry folds the box shut
        QVERIFY(!m_main->infoPanel()->loanBoxOpen());
    }

    void deleteClearsThePanel()
    {
        click(0);
        QTest::keyClick(m_main->movieList(), Qt::Key_Delete);
        QCOMPARE(heading(), QStringLiteral("Infos zur DVD"));
        QVERIFY(m_main->infoPanel()->placeholder()->isVisible());
    }

    void editSaveRebuildsThePanel()
    {
        click(0);
        m_main->editDialog()->setNoticeDuration(1);
        m_main->editDialog()->openForRow(0, false);
        m_main->editDialog()->form()->title()->setText(QStringLiteral("Alpha neu"));
        m_main->editDialog()->save();
        QCOMPARE(heading(), QStringLiteral("Infos zur DVD #007")); // entry key 7 pads the number
        QCOMPARE(m_main->movieModel()->cell(0, 0), QStringLiteral("Alpha neu"));
        m_main->editDialog()->close();
    }
};

QTEST_MAIN(TestInfoPanel)
#include "tst_infopanel.moc"
