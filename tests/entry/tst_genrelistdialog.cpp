#include "app/MainWindow.h"
#include "app/Program.h"
#include "entry/AddDialog.h"
#include "entry/DomainLists.h"
#include "entry/EntryForm.h"
#include "entry/GenreList.h"
#include "entry/GenreListDialog.h"
#include "support/ScriptedDialogs.h"
#include "ui/TaskPanel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace korvel;

// The genre list dialog on a real main window and catalog.
class TestGenreListDialog : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<test::TestEnvironment> m_env;
    std::unique_ptr<app::MainWindow> m_main;
    std::unique_ptr<entry::GenreListDialog> m_dialog;
    QTreeWidget* m_list = nullptr;
    QLineEdit* m_edit = nullptr;

    QStringList shown() const
    {
        QStringList out;
        for (int i = 0; i < m_list->topLevelItemCount(); ++i)
            out << m_list->topLevelItem(i)->text(0);
        return out;
    }
    QStringList stored() { return entry::GenreList::names(m_main->store().genres()); }
    void enter(const QString& text)
    {
        m_edit->setFocus();
        m_edit->setText(text);
        QTest::keyClick(m_edit, Qt::Key_Return);
    }
    void click(const char* name)
    {
        auto* l = m_dialog->findChild<ui::HoverLink*>(QString::fromLatin1(name));
        QVERIFY(l);
        l->click();
    }
    void selectNames(const QStringList& names)
    {
        m_list->clearSelection();
        for (int i = 0; i < m_list->topLevelItemCount(); ++i)
            if (names.contains(m_list->topLevelItem(i)->text(0)))
                m_list->topLevelItem(i)->setSelected(true);
    }
    void reopen()
    {
        m_dialog->close();
        m_dialog->show();
    }

  private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnvironment>();
        m_env->clearSettings();
        const QString catalog = m_env->makeCatalog();
        test::TestEnvironment::addEntry(
            catalog, {{"nummer", 1}, {"visiblenr", 1}, {"titel", "Alien"}, {"genre", "Horror"}});
        m_main = app::startMainWindow(m_env->context, {});
        m_main->show();
        m_dialog =
            std::make_unique<entry::GenreListDialog>(m_env->context, m_main->store(), m_main.get());
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        m_list = m_dialog->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
        m_edit = m_dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        QVERIFY(m_list && m_edit);
    }
    void cleanup()
    {
        m_dialog.reset();
        m_main.reset();
        m_env.reset();
    }

    void showing()
    {
        QCOMPARE(m_dialog->objectName(), QStringLiteral("TForm26"));
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Vorgaben"));
        QCOMPARE(m_list->headerItem()->text(0), QStringLiteral("Genre-Bezeichnung"));
        QCOMPARE(m_list->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(shown(), stored());
        QCOMPARE(shown().size(), entry::DomainLists::defaultGenres().size());
        QCOMPARE(QApplication::focusWidget(), m_edit);
    }

    // A new name goes last until the list is shown again, then in alphabetical order.
    void addKrimi()
    {
        const QStringList before = shown();
        enter(QStringLiteral("Krimi"));
        QCOMPARE(shown(), before + QStringList{"Krimi"});
        QCOMPARE(m_edit->text(), QString());
        QCOMPARE(QApplication::focusWidget(), m_edit);
        QVERIFY(m_env->boxes.shown.isEmpty());
        reopen();
        QCOMPARE(shown(), stored());
        const int at = shown().indexOf(QStringLiteral("Krimi"));
        QVERIFY(at > 0);
        QVERIFY(QString::localeAwareCompare(shown()[at - 1], QStringLiteral("Krimi")) < 0);
        QVERIFY(QString::localeAwareCompare(shown()[at + 1], QStringLiteral("Krimi")) > 0);
        // the link adds as Enter does, and the entry dialogs offer the name at their next showing
        m_edit->setText(QStringLiteral("Anime"));
        click("XPHoverLabel1");
        QVERIFY(stored().contains(QStringLiteral("Anime")));
        m_main->addEntry();
        QVERIFY(m_main->addDialog()->form()->genre()->findText(QStringLiteral("Krimi")) >= 0);
        m_main->addDialog()->close();
    }

    void duplicate_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("same case") << "Drama";
        QTest::newRow("other case") << "drama";
    }
    void duplicate()
    {
        QFETCH(QString, name);
        const QStringList before = stored();
        enter(name);
        QCOMPARE(m_env->boxes.shown.size(), 1);
        QCOMPARE(m_env->boxes.shown[0].kind, ui::MessageBoxes::Kind::Information);
        QCOMPARE(m_env->boxes.shown[0].text,
                 QStringLiteral("Der Bezeichner \"%1\" existiert bereits in der Liste.").arg(name));
        QCOMPARE(stored(), before);
        QCOMPARE(shown(), before);
        QCOMPARE(m_edit->text(), QString());
    }

    void emptyEditDoesNothing()
    {
        const QStringList before = shown();
        enter(QString());
        click("XPHoverLabel1");
        QCOMPARE(shown(), before);
        QCOMPARE(stored(), before);
        QVERIFY(m_env->boxes.shown.isEmpty());
        click("XPHoverLabel2"); // nothing selected
        QCOMPARE(stored(), before);
    }

    // Three names go; the entry whose genre was one of them keeps it.
    void removeThree()
    {
        const QStringList before = stored();
        selectNames({"Drama", "Horror", "Western"});
        click("XPHoverLabel2");
        QStringList expected = before;
        for (const char* n : {"Drama", "Horror", "Western"})
            expected.removeAll(QLatin1String(n));
        QCOMPARE(stored(), expected);
        QCOMPARE(shown(), expected);
        store::BorrowedQuery q(m_main->store().haupt(), {QStringLiteral("select *from haupt")});
        QCOMPARE(q->text(QStringLiteral("genre")), QStringLiteral("Horror"));
    }

    // Quotes go in, are found and go out as typed.
    void namesWithQuotes()
    {
        const QStringList before = stored();
        for (const QString& name : {QStringLiteral("Film \"noir\""), QStringLiteral("Kinder's"),
                                    QStringLiteral("a' or '1'='1")})
            enter(name);
        QCOMPARE(shown().mid(before.size()),
                 (QStringList{"Film \"noir\"", "Kinder's", "a' or '1'='1"}));
        QCOMPARE(stored().size(), before.size() + 3);
        enter(QStringLiteral("Kinder's"));
        QCOMPARE(m_env->boxes.shown.size(), 1);
        selectNames({"Film \"noir\"", "Kinder's", "a' or '1'='1"});
        click("XPHoverLabel2");
        QCOMPARE(stored(), before);
        QCOMPARE(shown(), before);
    }

    void closeLink()
    {
        click("XPHoverLabel3");
        QVERIFY(!m_dialog->isVisible());
    }

    void menuEntry()
    {
        m_dialog->close();
        auto* action = m_main->findChild<QAction*>(QStringLiteral("Genres1"));
        QVERIFY(action && action->isEnabled());
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<entry::GenreListDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seen = true;
            QCOMPARE(dialog->pos(), m_main->pos() + QPoint(320, 50));
            dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))
                ->setText(QStringLiteral("Krimi"));
            dialog->addName();
            dialog->close();
        });
        action->trigger();
        QVERIFY(seen);
        QVERIFY(stored().contains(QStringLiteral("Krimi")));
    }
};

QTEST_MAIN(TestGenreListDialog)
#include "tst_genrelistdialog.moc"
