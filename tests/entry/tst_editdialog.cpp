#include "app/MainWindow.h"
#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "app/Program.h"
#include "entry/EditDialog.h"
#include "entry/EntryForm.h"
#include "support/ScriptedDialogs.h"
#include "ui/TaskPanel.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

using namespace korvel;

// The edit dialog on a real main window and catalog.
class TestEditDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::TestEnvironment> m_env;
    std::unique_ptr<app::MainWindow> m_main;
    entry::EditDialog* m_dialog = nullptr;
    entry::EntryForm* m_form = nullptr;
    QString m_catalog;
    QTemporaryDir m_pictures;
    QString m_cover;

    void select(const QList<int>& rows)
    {
        m_main->movieList()->clearSelection();
        for (int r : rows)
            m_main->movieList()->selectionModel()->select(m_main->movieModel()->index(r, 0),
                                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void open(const QList<int>& rows)
    {
        select(rows);
        m_dialog->openForRow(rows.first(), rows.size() > 1);
        QVERIFY(m_dialog->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(m_dialog)); // focus events need the active window
    }
    QString dump()
    {
        store::BorrowedQuery q(m_main->store().haupt(), {QStringLiteral("select *from haupt"), QStringLiteral("order by nummer")});
        QStringList out;
        for (; !q->atEnd(); q->next())
            for (const QString& c : q->columnNames())
                out << q->text(c) + QString::number(q->readPicture(c).size());
        return out.join(QLatin1Char('|'));
    }
    QString storedText(int key, const QString& column)
    {
        store::BorrowedQuery q(m_main->store().haupt(), {QStringLiteral("select *from haupt where nummer = :n")},
                               {{QStringLiteral("n"), key}});
        return q->atEnd() ? QStringLiteral("<none>") : q->text(column);
    }
    void typeInto(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->setText(text);
    }

private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnvironment>();
        m_env->clearSettings();
        m_catalog = m_env->makeCatalog();
        m_cover = m_pictures.filePath(QStringLiteral("c.jpg"));
        QImage img(300, 400, QImage::Format_RGB32);
        img.fill(Qt::green);
        img.save(m_cover, "JPG");
        test::TestEnvironment::addEntry(m_catalog, {{"nummer", 1}, {"visiblenr", 11}, {"titel", "Alpha"},
                                                    {"bildformat", "2"}, {"cover", m_cover},
                                                    {"cover_thumb", QByteArray("thumb")}},
                                        {{"Deutsch", "DTS", "5.1"}}, {{"Englisch", "forced caption"}});
        test::TestEnvironment::addEntry(m_catalog, {{"nummer", 2}, {"visiblenr", 12}, {"titel", "Beta"}, {"preis", 12.5},
                                                    {"wertung", 8}, {"region", "1"}, {"medienanzahl", 3}});
        test::TestEnvironment::addEntry(m_catalog, {{"nummer", 3}, {"visiblenr", 13}, {"titel", "Gamma"}});
        m_main = app::startMainWindow(m_env->context, {});
        m_main->show();
        m_dialog = m_main->editDialog();
        m_dialog->setNoticeDuration(1);
        m_form = m_dialog->form();
    }
    void cleanup()
    {
        if (m_dialog && m_dialog->isVisible()) {
            m_env->boxes.answers.enqueue(ui::MessageBoxes::No);
            m_dialog->close();
        }
        m_main.reset();
        m_env.reset();
    }

    void loadsCodedColumns()
    {
        open({0});
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Infos zur DVD ändern"));
        QCOMPARE(m_form->title()->text(), QStringLiteral("Alpha"));
        QCOMPARE(m_form->number()->text(), QStringLiteral("11"));
        QCOMPARE(m_form->pictureFormat(), 1); // stored 2: "16:9 Wide"
        QCOMPARE(m_form->rating()->currentIndex(), 0);
        QCOMPARE(m_form->region()->currentText(), QStringLiteral("2"));
        QCOMPARE(m_form->price()->text(), QStringLiteral("0.00"));
        QCOMPARE(m_form->cover()->text(), m_cover);
        QCOMPARE(m_form->audioList()->topLevelItemCount(), 1);
        QCOMPARE(m_form->tabMovie()->text(), QStringLiteral("Erweitert"));
        m_dialog->loadEntry(1);
        QCOMPARE(m_form->price()->text(), QStringLiteral("12.50"));
        QCOMPARE(m_form->rating()->currentText(), QStringLiteral("Sehr gut"));
        QCOMPARE(m_form->region()->currentText(), QStringLiteral("1"));
        QCOMPARE(m_form->mediaCount()->text(), QStringLiteral("03"));
        QCOMPARE(m_form->cover()->text(), QStringLiteral("Cover hinzufügen - hier klicken"));
        QVERIFY(!m_dialog->changed());
    }

    void closingUntouchedAsksAndWritesNothing()
    {
        const QString before = dump();
        open({0});
        m_form->director()->setFocus();
        m_form->title()->setFocus();
        m_dialog->close();
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(m_env->boxes.shown.isEmpty());
        QCOMPARE(dump(), before);
    }

    void typingTheOldTextBackIsNoChange()
    {
        open({0});
        m_form->director()->setFocus();
        m_form->director()->setText(QStringLiteral("Jemand"));
        m_form->director()->setText(QString());
        m_form->title()->setFocus();
        QVERIFY(!m_dialog->changed());
        m_form->director()->setFocus();
        m_form->director()->setText(QStringLiteral("Jemand"));
        m_form->title()->setFocus();
        QVERIFY(m_dialog->changed());
    }

    void changedTitleAsksOnClose_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("open");
        QTest::newRow("Nein") << int(ui::MessageBoxes::No) << "Alpha" << false;
        QTest::newRow("Ja") << int(ui::MessageBoxes::Yes) << "Alpha neu" << false;
        QTest::newRow("Abbrechen") << int(ui::MessageBoxes::Cancel) << "Alpha" << true;
    }
    void changedTitleAsksOnClose()
    {
        QFETCH(int, answer);
        QFETCH(QString, stored);
        QFETCH(bool, open);
        this->open({0});
        typeInto(m_form->title(), QStringLiteral("Alpha neu"));
        m_form->director()->setFocus();
        m_env->boxes.answers.enqueue(ui::MessageBoxes::Button(answer));
        m_dialog->close();
        QCOMPARE(m_env->boxes.shown.size(), 1);
        QCOMPARE(m_env->boxes.shown[0].text, entry::EditDialog::ChangedQuestion);
        QCOMPARE(m_dialog->isVisible(), open);
        QCOMPARE(storedText(1, QStringLiteral("titel")), stored);
        const int row = m_main->movieModel()->rowOfKey(1);
        QCOMPARE(m_main->movieModel()->cell(row, m_main->movieModel()->getfieldpos(QStringLiteral("Titel"))), stored);
    }

    void steppingThroughTheSelection()
    {
        open({0, 1, 2});
        QCOMPARE(m_form->title()->text(), QStringLiteral("Alpha"));
        m_dialog->findChild<ui::HoverLink*>(QStringLiteral("XPHoverLabel11"))->click();
        QCOMPARE(m_form->title()->text(), QStringLiteral("Beta"));
        m_dialog->step(true);
        QCOMPARE(m_form->title()->text(), QStringLiteral("Gamma"));
        m_dialog->step(true); // wraps to the first
        QCOMPARE(m_form->title()->text(), QStringLiteral("Alpha"));
        m_dialog->step(false); // stays on the first
        QCOMPARE(m_form->title()->text(), QStringLiteral("Alpha"));
        // Ctrl+Alt+Down acts on key release
        QTest::keyPress(m_form->title(), Qt::Key_Down, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(m_form->title()->text(), QStringLiteral("Alpha"));
        QTest::keyRelease(m_form->title(), Qt::Key_Down, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(m_form->title()->text(), QStringLiteral("Beta"));
        QVERIFY(m_env->boxes.shown.isEmpty());
    }

    void singleRowDisablesStepping()
    {
        open({1});
        QVERIFY(!m_dialog->findChild<ui::HoverLink*>(QStringLiteral("XPHoverLabel10"))->isEnabled());
        m_dialog->step(true);
        QCOMPARE(m_form->title()->text(), QStringLiteral("Beta"));
    }

    void removingTheCover()
    {
        open({0});
        m_dialog->removeCover();
        QVERIFY(m_dialog->coverChanged());
        QVERIFY(!m_dialog->changed());
        m_dialog->close(); // asks nothing, keeps the cover
        QVERIFY(m_env->boxes.shown.isEmpty());
        QCOMPARE(storedText(1, QStringLiteral("cover")), m_cover);

        open({0});
        m_dialog->removeCover();
        m_dialog->save();
        QCOMPARE(storedText(1, QStringLiteral("cover")), QString());
        store::BorrowedQuery q(m_main->store().haupt(), {QStringLiteral("select *from haupt where nummer = 1")});
        QVERIFY(q->readPicture(QStringLiteral("cover_thumb")).isEmpty());
    }

    void droppedCoverIsSaved()
    {
        open({2});
        m_dialog->takeDroppedFile(m_cover);
        QVERIFY(m_dialog->changed() && m_dialog->coverChanged());
        m_dialog->save();
        QCOMPARE(storedText(3, QStringLiteral("cover")), m_cover);
        store::BorrowedQuery q(m_main->store().haupt(), {QStringLiteral("select *from haupt where nummer = 3")});
        QImage thumb;
        QVERIFY(thumb.loadFromData(q->readPicture(QStringLiteral("cover_thumb")), "JPG"));
        QCOMPARE(thumb.size(), QSize(127, 169));
    }

    void newVisibleNumberSwapsTheUsedNumbers()
    {
        QVERIFY(m_main->entryNumbers().contains(12));
        open({1});
        typeInto(m_form->number(), QStringLiteral("7"));
        m_dialog->save();
        QVERIFY(!m_main->entryNumbers().contains(12));
        QVERIFY(m_main->entryNumbers().contains(7));
        QCOMPARE(storedText(2, QStringLiteral("visiblenr")), QStringLiteral("7"));
        QCOMPARE(storedText(2, QStringLiteral("wertung")), QStringLiteral("8")); // untouched fields stay
        store::BorrowedQuery q(m_main->store().sprachen(), {QStringLiteral("select *from sprachen where nummer = 1")});
        QCOMPARE(q->recordCount(), 1); // another entry's tracks stay
    }
};

QTEST_MAIN(TestEditDialog)
#include "tst_editdialog.moc"
