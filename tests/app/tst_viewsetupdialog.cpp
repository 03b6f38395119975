#include "app/MainWindow.h"
#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "app/Program.h"
#include "app/ViewSetupDialog.h"
#include "support/ScriptedDialogs.h"
#include "ui/TaskPanel.h"

#include <QAction>
#include <QHeaderView>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace korvel;
using namespace korvel::app;

namespace {
constexpr auto Present = ViewSetup::List::Present;
constexpr auto Available = ViewSetup::List::Available;

QStringList texts(const QTreeWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(0);
    return out;
}
} // namespace

// The view setup dialog TForm14 opened from "Extras" > "Ansicht einrichten".
class TestViewSetupDialog : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<test::TestEnvironment> m_env;

    std::unique_ptr<MainWindow> start()
    {
        auto w = startMainWindow(m_env->context, {});
        w->show();
        return w;
    }
    // Opens the dialog from the menu and runs fn while it is showing; the dialog is then
    // closed with the close box if fn left it open.
    static void whileOpen(MainWindow& w, const std::function<void(ViewSetupDialog&)>& fn)
    {
        bool ran = false;
        QTimer::singleShot(0, &w, [&] {
            ViewSetupDialog* d = w.viewSetupDialog();
            ran = true;
            if (!d->isVisible())
                return;
            fn(*d);
            if (d->isVisible())
                d->close();
        });
        QAction* entry = w.findChild<QAction*>(QStringLiteral("Ansichteinrichten1"));
        QVERIFY(entry && entry->isEnabled());
        entry->trigger();
        QVERIFY(ran);
    }
    static QPoint rowPoint(const QTreeWidget* list, int row)
    {
        return list->visualRect(list->model()->index(row, 0)).center();
    }
    // Drags a row onto a point of the target list's viewport as the drag handlers take it.
    static bool dragDrop(ViewSetupList* target, ViewSetup::List from, int row, QPoint at)
    {
        std::unique_ptr<QMimeData> data(ViewSetupList::rowData(from, row));
        if (!target->acceptsDrag(data.get()))
            return false;
        return target->dropAt(data.get(), at);
    }
    static void click(ViewSetupDialog& d, const char* link)
    {
        d.findChild<ui::HoverLink*>(QString::fromLatin1(link))->click();
    }

  private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnvironment>();
        m_env->clearSettings();
        const QString catalog = m_env->makeCatalog();
        test::TestEnvironment::addEntry(
            catalog, {{"nummer", 1}, {"visiblenr", 1}, {"titel", "Matrix"}, {"preis", 12.5}});
        test::TestEnvironment::addEntry(catalog,
                                        {{"nummer", 2}, {"visiblenr", 2}, {"titel", "Alien"}});
    }
    void cleanup() { m_env.reset(); }

    void opensWithTheListsColumns()
    {
        auto w = start();
        whileOpen(*w, [&](ViewSetupDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("TForm14"));
            QCOMPARE(d.windowTitle(), QStringLiteral("Ansicht einrichten"));
            QCOMPARE(d.size(), QSize(473, 194));
            QCOMPARE(d.pos(), w->frameGeometry().topLeft() + QPoint(200, 40));
            QCOMPARE(texts(d.presentList()), (QStringList{"Titel", "Darsteller", "Regie", "Musik",
                                                          "Genre", "Spieldauer", "Nummer"}));
            QCOMPARE(d.availableList()->topLevelItemCount(), 22);
            QCOMPARE(texts(d.availableList()).mid(0, 3),
                     (QStringList{"Datum", "Produzent", "Drehbuch"}));
            QCOMPARE(texts(d.findChild<QTreeWidget*>(QStringLiteral("ListView3"))),
                     texts(d.presentList()));
            // unchanged: "Schließen" asks nothing
            click(d, "XPHoverLabel2");
            QVERIFY(!d.isVisible());
        });
        QVERIFY(m_env->boxes.shown.isEmpty());
    }

    void preisDraggedToTheTopBecomesTheFirstColumn()
    {
        auto w = start();
        w->movieList()->header()->resizeSection(1, 300); // the user widened "Titel"
        whileOpen(*w, [&](ViewSetupDialog& d) {
            const int preis = int(texts(d.availableList()).indexOf(QStringLiteral("Preis")));
            QVERIFY(dragDrop(d.presentList(), Available, preis, rowPoint(d.presentList(), 0)));
            QCOMPARE(texts(d.presentList()).first(), QStringLiteral("Preis"));
            QVERIFY(!texts(d.availableList()).contains(QStringLiteral("Preis")));
            click(d, "XPHoverLabel1"); // "Speichern"
        });
        MovieListModel* model = w->movieModel();
        QCOMPARE(model->shownCaptions(), (QStringList{"Preis", "Titel", "Darsteller", "Regie",
                                                      "Musik", "Genre", "Spieldauer", "Nummer"}));
        QCOMPARE(model->keyCaption(), QStringLiteral("keines"));
        QCOMPARE(w->movieList()->header()->sectionSize(0), 0);
        QCOMPARE(w->movieList()->header()->sectionSize(1), 150);
        QCOMPARE(w->movieList()->header()->sectionSize(2), 300);
        // filled again, the price column left-justified although prices are centred
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->cell(1, 0), QString::fromUtf8("12.50 €"));
        QCOMPARE(Qt::Alignment(model->data(model->index(0, 1), Qt::TextAlignmentRole).toInt()) &
                     Qt::AlignHorizontal_Mask,
                 Qt::AlignLeft);
        // the settings get the new layout at shutdown
        QCOMPARE(w->listColumns().first(), (ListColumn{"Preis", 150}));
    }

    void titelAndNummerStayShown()
    {
        auto w = start();
        whileOpen(*w, [&](ViewSetupDialog& d) {
            const QPoint onto = rowPoint(d.availableList(), 0);
            QVERIFY(!dragDrop(d.availableList(), Present, 0, onto)); // "Titel"
            QVERIFY(!dragDrop(d.availableList(), Present, 6, onto)); // "Nummer"
            QCOMPARE(d.presentList()->topLevelItemCount(), 7);
            // other columns may go, and "Verfügbar" takes nothing from itself
            QVERIFY(dragDrop(d.availableList(), Present, 1, onto)); // "Darsteller"
            QCOMPARE(texts(d.availableList()).first(), QStringLiteral("Darsteller"));
            QVERIFY(!dragDrop(d.availableList(), Available, 3, onto));
            // dropped below the last row: at the end
            const QRect last = d.presentList()->visualRect(d.presentList()->model()->index(5, 0));
            QVERIFY(dragDrop(d.presentList(), Available, 0,
                             QPoint(last.center().x(), last.bottom() + 4)));
            QCOMPARE(texts(d.presentList()).last(), QStringLiteral("Darsteller"));
        });
    }

    void closingAfterAReorderAsks()
    {
        auto w = start();
        const QStringList before = w->movieModel()->shownCaptions();
        m_env->boxes.answers << ui::MessageBoxes::Cancel << ui::MessageBoxes::No;
        whileOpen(*w, [&](ViewSetupDialog& d) {
            QVERIFY(dragDrop(d.presentList(), Present, 2,
                             rowPoint(d.presentList(), 0))); // "Regie" to the top
            click(d, "XPHoverLabel2");
            QCOMPARE(m_env->boxes.shown.size(), 1);
            QCOMPARE(m_env->boxes.shown[0].kind, ui::MessageBoxes::Kind::Information);
            QCOMPARE(m_env->boxes.shown[0].text,
                     QString::fromUtf8(
                         "Die Ansichtseinstellungen wurden geändert, aber noch nicht gespeichert. "
                         "Sollen die Änderungen übernommen werden ?"));
            QCOMPARE(m_env->boxes.shown[0].buttons,
                     ui::MessageBoxes::Yes | ui::MessageBoxes::No | ui::MessageBoxes::Cancel);
            QVERIFY(d.isVisible()); // Abbrechen: still open
            click(d, "XPHoverLabel2");
            QVERIFY(!d.isVisible()); // Nein
        });
        QCOMPARE(w->movieModel()->shownCaptions(), before);

        // Ja applies
        m_env->boxes.answers << ui::MessageBoxes::Yes;
        whileOpen(*w, [&](ViewSetupDialog& d) {
            QVERIFY(dragDrop(d.presentList(), Present, 2, rowPoint(d.presentList(), 0)));
            click(d, "XPHoverLabel2");
        });
        QCOMPARE(w->movieModel()->shownCaptions().first(), QStringLiteral("Regie"));
        QCOMPARE(w->movieModel()->rowCount(), 2);
    }

    void closeBoxAppliesNothing()
    {
        auto w = start();
        const QStringList before = w->movieModel()->shownCaptions();
        whileOpen(*w, [&](ViewSetupDialog& d) {
            QVERIFY(dragDrop(d.presentList(), Available, 0, rowPoint(d.presentList(), 0)));
            d.close();
        });
        QVERIFY(m_env->boxes.shown.isEmpty());
        QCOMPARE(w->movieModel()->shownCaptions(), before);
        // opened again, the lists start over from the movie list
        whileOpen(*w, [&](ViewSetupDialog& d) { QCOMPARE(texts(d.presentList()), before); });
    }
};

QTEST_MAIN(TestViewSetupDialog)
#include "tst_viewsetupdialog.moc"
