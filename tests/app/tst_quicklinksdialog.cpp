#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/Quicklinks.h"
#include "app/QuicklinksDialog.h"
#include "support/ScriptedDialogs.h"
#include "ui/TaskPanel.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

using namespace korvel;

// The quicklinks dialog on its own over a main window's catalog.
class TestQuicklinksDialog : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<test::TestEnvironment> m_env;
    std::unique_ptr<app::MainWindow> m_main;
    std::unique_ptr<app::QuicklinksDialog> m_dialog;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_target = nullptr;
    QTreeWidget* m_list = nullptr;

    void click(const char* name)
    {
        auto* l = m_dialog->findChild<ui::HoverLink*>(QString::fromLatin1(name));
        QVERIFY(l);
        l->click();
    }
    QRadioButton* radio(int i) const
    {
        return m_dialog->findChild<QRadioButton*>(QStringLiteral("RadioItem%1").arg(i));
    }
    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* it = m_list->topLevelItem(i);
            out << QStringList{it->text(0), it->text(1), it->text(2), it->text(3)}.join(
                QLatin1Char('|'));
        }
        return out;
    }
    void clickRow(int row)
    {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        QVERIFY(item);
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          m_list->visualItemRect(item).center());
        QVERIFY(item->isSelected());
    }
    QString storedSymbol(int key)
    {
        store::BorrowedQuery q(m_main->store().favoritendb(),
                               {QStringLiteral("select *from favoriten where nummer = :n")},
                               {{QStringLiteral("n"), key}});
        return q->atEnd() ? QStringLiteral("<none>") : q->text(QStringLiteral("symbol"));
    }

  private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnvironment>();
        m_env->clearSettings();
        m_env->makeCatalog();
        m_main = app::startMainWindow(m_env->context, {});
        m_main->show();
        store::RecordSet& fav = m_main->store().favoritendb();
        app::Quicklinks::add(fav, 1, QStringLiteral("Suche"),
                             QStringLiteral("http://s.de/%TITEL%"));
        app::Quicklinks::add(fav, 0, QStringLiteral("Player"), QStringLiteral("/usr/bin/player"));
        m_dialog =
            std::make_unique<app::QuicklinksDialog>(m_env->context, m_main->store(), m_main.get());
        m_dialog->show();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        m_name = m_dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        m_target = m_dialog->findChild<QLineEdit*>(QStringLiteral("Edit2"));
        m_list = m_dialog->findChild<QTreeWidget*>(QStringLiteral("lv1"));
        QVERIFY(m_name && m_target && m_list);
    }
    void cleanup()
    {
        m_dialog.reset();
        m_main.reset();
        m_env.reset();
    }

    void showing()
    {
        QCOMPARE(rows(), (QStringList{"Übersicht|Player|/usr/bin/player|2",
                                      "Hinzufügen|Suche|http://s.de/%TITEL%|1"}));
        QVERIFY(m_list->isColumnHidden(3));
        QCOMPARE(m_name->text(), QStringLiteral("<< Name >>"));
        QCOMPARE(m_target->text(), QStringLiteral("<< URL oder Datei >>"));
        QCOMPARE(m_name->maxLength(), 50);
        QCOMPARE(m_target->maxLength(), 255);
        QVERIFY(radio(0)->isChecked());
        // entering an edit that shows its placeholder empties it
        m_name->setFocus();
        QCOMPARE(m_name->text(), QString());
        m_target->setFocus();
        QCOMPARE(m_target->text(), QString());
        m_name->setText(QStringLiteral("x"));
        m_name->setFocus();
        QCOMPARE(m_name->text(), QStringLiteral("x"));
    }

    void addRefusesPlaceholders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name") << "<< Name >>"
                                 << "http://x.de" << app::QuicklinksDialog::NoNameText;
        QTest::newRow("no name, no target")
            << "<< Name >>"
            << "<< URL oder Datei >>" << app::QuicklinksDialog::NoNameText;
        QTest::newRow("no target") << "X"
                                   << "<< URL oder Datei >>" << app::QuicklinksDialog::NoTargetText;
    }
    void addRefusesPlaceholders()
    {
        QFETCH(QString, name);
        QFETCH(QString, target);
        QFETCH(QString, message);
        m_name->setText(name);
        m_target->setText(target);
        click("XPHoverLabel1");
        QCOMPARE(m_env->boxes.shown.size(), 1);
        QCOMPARE(m_env->boxes.shown[0].kind, ui::MessageBoxes::Kind::Information);
        QCOMPARE(m_env->boxes.shown[0].text, message);
        QCOMPARE(m_list->topLevelItemCount(), 2);
    }

    void addLinks()
    {
        radio(2)->setChecked(true);
        m_name->setText(QStringLiteral("IMDb \"O'Neil\""));
        m_target->setText(QStringLiteral("HTTPS://www.x.de/find?q=%TITEL%"));
        click("XPHoverLabel1");
        QCOMPARE(rows(),
                 (QStringList{"Übersicht|Player|/usr/bin/player|2",
                              "Hinzufügen|Suche|http://s.de/%TITEL%|1",
                              "Bearbeiten|IMDb \"O'Neil\"|HTTPS://www.x.de/find?q=%TITEL%|3"}));
        QCOMPARE(storedSymbol(3), QStringLiteral("WEBLINK"));
        QCOMPARE(m_name->text(), QStringLiteral("<< Name >>"));
        QCOMPARE(m_target->text(), QStringLiteral("<< URL oder Datei >>"));
        QVERIFY(radio(0)->isChecked());
        // an emptied name is accepted: only the placeholder is refused
        m_name->setText(QString());
        m_target->setText(QStringLiteral("/usr/bin"));
        click("XPHoverLabel1");
        QCOMPARE(m_list->topLevelItemCount(), 4);
        QCOMPARE(m_list->topLevelItem(0)->text(1), QString());
        QCOMPARE(storedSymbol(4), QStringLiteral("PRGLINK"));
        QVERIFY(m_env->boxes.shown.isEmpty());
    }

    void clickChangeAndRemove()
    {
        clickRow(1);
        QVERIFY(radio(1)->isChecked());
        QCOMPARE(m_name->text(), QStringLiteral("Suche"));
        QCOMPARE(m_target->text(), QStringLiteral("http://s.de/%TITEL%"));

        // empty fields: "Ändern" does nothing
        m_target->setText(QString());
        click("XPHoverLabel2");
        QCOMPARE(rows().value(1), QStringLiteral("Hinzufügen|Suche|http://s.de/%TITEL%|1"));

        radio(0)->setChecked(true);
        m_name->setText(QStringLiteral("Ordner"));
        m_target->setText(QStringLiteral("/home"));
        click("XPHoverLabel2");
        QCOMPARE(rows(),
                 (QStringList{"Übersicht|Ordner|/home|1", "Übersicht|Player|/usr/bin/player|2"}));
        QCOMPARE(storedSymbol(1), QStringLiteral("PRGLINK"));
        QCOMPARE(m_name->text(), QStringLiteral("<< Name >>"));

        // nothing selected after the refill: nothing to change or remove
        click("XPHoverLabel2");
        click("XPHoverLabel3");
        QVERIFY(m_env->boxes.shown.isEmpty());

        clickRow(1);
        m_env->boxes.answers.enqueue(ui::MessageBoxes::Cancel);
        click("XPHoverLabel3");
        QCOMPARE(m_env->boxes.shown.size(), 1);
        QCOMPARE(m_env->boxes.shown[0].text,
                 QStringLiteral("Der markierte Eintrag wird gelöscht."));
        QCOMPARE(m_env->boxes.shown[0].kind, ui::MessageBoxes::Kind::Information);
        QCOMPARE(m_env->boxes.shown[0].buttons, ui::MessageBoxes::Ok | ui::MessageBoxes::Cancel);
        QCOMPARE(m_list->topLevelItemCount(), 2);
        m_env->boxes.answers.enqueue(ui::MessageBoxes::Ok);
        click("XPHoverLabel3");
        QCOMPARE(rows(), QStringList{"Übersicht|Ordner|/home|1"});
        QCOMPARE(storedSymbol(2), QStringLiteral("<none>"));
        QCOMPARE(m_main->store().favoritendb().sql(),
                 (QStringList{"select *from favoriten", "order by formularnummer, name"}));
    }

    void programChooser()
    {
        m_env->files.answers.enqueue(QStringLiteral("/opt/x/player.exe"));
        QTest::mouseDClick(m_target, Qt::LeftButton);
        QCOMPARE(m_env->files.titles, QStringList{"Datei suchen"});
        QCOMPARE(m_target->text(), QStringLiteral("/opt/x/player.exe"));
        QTest::mouseDClick(m_target, Qt::LeftButton); // cancelled: the text stays
        QCOMPARE(m_target->text(), QStringLiteral("/opt/x/player.exe"));
    }

    void closeLink()
    {
        click("XPHoverLabel4");
        QVERIFY(!m_dialog->isVisible());
    }
};

QTEST_MAIN(TestQuicklinksDialog)
#include "tst_quicklinksdialog.moc"
