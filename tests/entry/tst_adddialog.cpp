#include "app/MainWindow.h"
#include "app/MovieListModel.h"
#include "app/Program.h"
#include "entry/AddDialog.h"
#include "entry/EntryForm.h"
#include "support/ScriptedDialogs.h"
#include "ui/TaskPanel.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

using namespace korvel;

// The add dialog on a real main window and catalog.
class TestAddDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::TestEnvironment> m_env;
    std::unique_ptr<app::MainWindow> m_main;
    entry::AddDialog* m_dialog = nullptr;
    entry::EntryForm* m_form = nullptr;

    void type(QWidget* w, const QString& text)
    {
        w->setFocus();
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
    void leave(QWidget* w) { m_form->applyLeavingRule(w); }
    void click(const char* link)
    {
        auto* l = m_dialog->findChild<ui::HoverLink*>(QString::fromLatin1(link));
        QVERIFY(l);
        l->click();
    }
    // Column values of all entries in key order.
    QStringList stored(const QString& column, const QString& table = QStringLiteral("haupt"))
    {
        store::BorrowedQuery q(m_main->store().haupt(),
                               {QStringLiteral("select %1 as v from %2 order by rowid").arg(column, table)});
        QStringList out;
        for (; !q->atEnd(); q->next())
            out << q->text(QStringLiteral("v"));
        return out;
    }

private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnvironment>();
        m_env->clearSettings();
        m_env->context.today = [] { return QDate(2026, 12, 11); };
        m_env->makeCatalog();
        m_main = app::startMainWindow(m_env->context, {});
        m_main->show();
        m_dialog = m_main->addDialog();
        m_dialog->setNoticeDuration(1);
        m_form = m_dialog->form();
        m_main->addEntry();
        QVERIFY(m_dialog->isVisible());
    }
    void cleanup()
    {
        m_main.reset();
        m_env.reset();
    }

    void twoSavesInARow()
    {
        QCOMPARE(m_form->cover()->text(), QStringLiteral("Cover hinzufügen - hier klicken"));
        QCOMPARE(m_form->number()->text(), QStringLiteral("1"));
        m_form->title()->setText(QStringLiteral("Matrix"));
        m_form->audioLanguage()->setEditText(QStringLiteral("Deutsch"));
        m_form->audioFormat()->setEditText(QStringLiteral("DTS"));
        m_form->channels()->setEditText(QStringLiteral("5.1"));
        click("XPHoverLabel4");
        m_form->subtitleLanguage()->setEditText(QStringLiteral("Englisch"));
        m_form->subtitleAttribute()->setEditText(QStringLiteral("director comments/normal size char"));
        click("XPHoverLabel5");
        QCOMPARE(m_form->audioLanguage()->currentText(), QString()); // emptied after adding
        QCOMPARE(m_form->subtitleLanguage()->currentText(), QStringLiteral("Englisch")); // kept
        click("XPHoverLabel1");
        QCOMPARE(m_form->title()->text(), QString());
        QCOMPARE(m_form->audioList()->topLevelItemCount(), 0);
        QCOMPARE(m_form->number()->text(), QStringLiteral("2"));
        QCOMPARE(m_dialog->focusWidget(), m_form->title());
        QCOMPARE(m_main->statusText(0), QStringLiteral("Datenbank: 1 Filme vorhanden"));

        m_form->title()->setText(QStringLiteral("Alien"));
        QTest::keyClick(m_form->title(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(stored(QStringLiteral("titel")), QStringList{"Matrix"}); // Shift held: nothing
        QTest::keyClick(m_form->title(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(stored(QStringLiteral("titel")), (QStringList{"Matrix", "Alien"}));
        QCOMPARE(stored(QStringLiteral("nummer")), (QStringList{"1", "2"}));
        QCOMPARE(stored(QStringLiteral("visiblenr")), (QStringList{"1", "2"}));
        QCOMPARE(stored(QStringLiteral("eingabedatum")).first(), QStringLiteral("11.12.2026"));
        QCOMPARE(stored(QStringLiteral("dvdtyp")).first(), QStringLiteral("DVD-9"));
        QCOMPARE(stored(QStringLiteral("preis")).first(), QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("nummer || sprache || tonformat || kanaele"), QStringLiteral("sprachen")),
                 QStringList{"1DeutschDTS5.1"});
        QCOMPARE(stored(QStringLiteral("attribute"), QStringLiteral("untertitel")),
                 QStringList{"director comments/normal "});
        QVERIFY(stored(QStringLiteral("cover")).first().isEmpty()); // the request text is never stored

        // closing refills the main list with the saved query
        m_dialog->close();
        QCOMPARE(m_main->movieModel()->rowCount(), 2);
        QCOMPARE(m_main->store().haupt().sql(), (QStringList{"select *from haupt", "order by titel"}));
    }

    void duplicateTitleAsksOnce()
    {
        test::TestEnvironment::addEntry(m_main->store().database().path(),
                                        {{"nummer", 7}, {"visiblenr", 7}, {"titel", "Say \"Hi\" o'clock"}});
        m_form->title()->setText(QStringLiteral("say \"hi\" O'CLOCK"));
        m_form->director()->setText(QStringLiteral("Jemand"));
        m_env->boxes.answers.enqueue(ui::MessageBoxes::No);
        click("XPHoverLabel1");
        QCOMPARE(m_env->boxes.shown.size(), 1);
        QCOMPARE(m_env->boxes.shown[0].text, entry::AddDialog::DuplicateQuestion);
        QCOMPARE(m_form->director()->text(), QStringLiteral("Jemand")); // input kept
        QCOMPARE(stored(QStringLiteral("titel")).size(), 1);
        m_env->boxes.answers.enqueue(ui::MessageBoxes::Yes);
        click("XPHoverLabel1");
        QCOMPARE(stored(QStringLiteral("titel")), (QStringList{"Say \"Hi\" o'clock", "say \"hi\" O'CLOCK"}));
        QCOMPARE(stored(QStringLiteral("nummer")).last(), QStringLiteral("1")); // the key taken when the dialog opened
    }

    void coverAndThumbnail()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("cover.JPG"));
        QImage img(400, 600, QImage::Format_RGB32);
        img.fill(Qt::blue);
        QVERIFY(img.save(picture, "JPG"));
        m_env->files.answers.enqueue(picture);
        m_dialog->chooseCover();
        QCOMPARE(m_form->cover()->text(), picture);
        QVERIFY(m_form->removeCover()->isVisibleTo(m_dialog));
        m_form->title()->setText(QStringLiteral("Mit Cover"));
        click("XPHoverLabel1");
        QCOMPARE(stored(QStringLiteral("cover")), QStringList{picture});
        {
            store::BorrowedQuery q(m_main->store().haupt(), {QStringLiteral("select *from haupt")});
            QImage thumb;
            QVERIFY(thumb.loadFromData(q->readPicture(QStringLiteral("cover_thumb")), "JPG"));
            QCOMPARE(thumb.size(), QSize(113, 169));
        }
        // a cover file deleted before saving gives neither path nor thumbnail
        m_form->setCoverPath(picture);
        QFile::remove(picture);
        m_form->title()->setText(QStringLiteral("Ohne Cover"));
        click("XPHoverLabel1");
        QCOMPARE(stored(QStringLiteral("cover")).last(), QString());
        QCOMPARE(stored(QStringLiteral("typeof(cover_thumb)")).last(), QStringLiteral("null"));
        // other extensions are ignored
        m_dialog->takeDroppedFile(dir.filePath(QStringLiteral("notes.txt")));
        QCOMPARE(m_form->cover()->text(), QStringLiteral("Cover durch Klicken hinzufügen"));
    }

    void fieldRulesOnSave()
    {
        m_form->title()->setText(QStringLiteral("Regeln"));
        type(m_form->date(), QStringLiteral("19a99"));
        QCOMPARE(m_form->date()->text(), QStringLiteral("1999"));
        type(m_form->price(), QStringLiteral("12,99€"));
        leave(m_form->price());
        QCOMPARE(m_form->price()->text(), QStringLiteral("12.99"));
        m_form->ean()->setText(QStringLiteral("4006381333931"));
        leave(m_form->ean());
        m_form->rating()->setEditText(QStringLiteral("Prima"));
        leave(m_form->rating());
        m_form->region()->setEditText(QStringLiteral("9"));
        leave(m_form->region());
        QVERIFY(m_env->boxes.shown.isEmpty());
        click("XPHoverLabel1");
        QCOMPARE(stored(QStringLiteral("ean")), QStringList{"400638133393"});
        QCOMPARE(stored(QStringLiteral("preis")), QStringList{"12.99"});
        QCOMPARE(stored(QStringLiteral("wertung")), QStringList{"0"});
        QCOMPARE(stored(QStringLiteral("region")), QStringList{"0"});
        QCOMPARE(stored(QStringLiteral("datum")), QStringList{"1999"});

        m_form->ean()->setText(QStringLiteral("4006381333932"));
        leave(m_form->ean());
        QCOMPARE(m_env->boxes.shown.last().text,
                 QStringLiteral("Der eingegebene EAN-Code ist ungültig. Bitte geben Sie einen gültigen 13-stelligen Code ein."));
        QCOMPARE(m_form->ean()->text(), QStringLiteral("4006381333932")); // the add dialog keeps it
    }

    void closing()
    {
        m_form->director()->setText(QStringLiteral("nur Regie"));
        m_dialog->close();
        QVERIFY(!m_dialog->isVisible()); // no title: no warning
        QVERIFY(m_env->boxes.shown.isEmpty());

        m_main->addEntry();
        m_form->title()->setText(QStringLiteral("Ungespeichert"));
        m_env->boxes.answers.enqueue(ui::MessageBoxes::Cancel);
        m_dialog->close();
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_env->boxes.shown.last().text, entry::AddDialog::CloseWarning);
        QCOMPARE(m_form->title()->text(), QStringLiteral("Ungespeichert"));
        m_dialog->move(120, 80);
        m_dialog->close(); // OK
        QVERIFY(!m_dialog->isVisible());
        store::BorrowedQuery q(m_main->store().prg(), {QStringLiteral("select *from prg")});
        QCOMPARE(q->integer(QStringLiteral("form2x")), qint64(m_dialog->x()));
    }

    void lookupNeedsATitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << entry::EntryDialog::NoTitleText;
        QTest::newRow("two characters") << "ab" << entry::EntryDialog::ShortTitleText;
        QTest::newRow("blanks do not count") << " ab " << entry::EntryDialog::ShortTitleText;
    }
    void lookupNeedsATitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, message);
        m_form->title()->setText(title);
        QTest::keyClick(m_form->title(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(m_env->boxes.shown.size(), 1);
        QCOMPARE(m_env->boxes.shown[0].text, message);
    }

    void trackLists()
    {
        click("XPHoverLabel4");
        QVERIFY(!m_env->boxes.shown.isEmpty());
        QCOMPARE(m_env->boxes.shown.last().text, entry::EntryDialog::AudioIncompleteText);
        m_form->setAudioTracks({{"Deutsch", "Dolby AC-3", "5.1"}, {"Englisch", "DTS", "5.1"}, {"Deutsch", "Dolby AC-3", "2.0"}});
        click("XPHoverLabel10");
        QCOMPARE(m_form->audioList()->topLevelItemCount(), 2);
        QCOMPARE(m_form->audioList()->currentItem(), m_form->audioList()->topLevelItem(0));
        QCOMPARE(m_form->audioList()->topLevelItem(0)->toolTip(0), QStringLiteral("Deutsch(Dolby AC-3)"));
        QCOMPARE(m_form->audioList()->topLevelItem(1)->background(0).color(), QColor(Qt::white));
        // the wheel moves the selection
        QWheelEvent down(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_form->audioList()->viewport(), &down);
        QCOMPARE(m_form->audioList()->currentItem(), m_form->audioList()->topLevelItem(1));
        QApplication::sendEvent(m_form->audioList()->viewport(), &down);
        QCOMPARE(m_form->audioList()->currentItem(), m_form->audioList()->topLevelItem(1)); // not past the last
        click("XPHoverLabel6");
        QCOMPARE(m_form->audioList()->topLevelItemCount(), 1);
    }

    // A save that fails part-way leaves nothing of the entry in the catalog.
    void failedSaveLeavesNoTrace()
    {
        m_main->store().database().execute(QStringLiteral("drop table untertitel"));
        m_form->title()->setText(QStringLiteral("Halb"));
        m_form->setAudioTracks({{"Deutsch", "DTS", "5.1"}});
        m_form->setSubtitleTracks({{"Deutsch", "forced caption"}});
        click("XPHoverLabel1");
        QCOMPARE(m_env->boxes.shown.size(), 1);
        QCOMPARE(m_env->boxes.shown[0].kind, ui::MessageBoxes::Kind::Error);
        QCOMPARE(stored(QStringLiteral("titel")), QStringList());
        QCOMPARE(stored(QStringLiteral("sprache"), QStringLiteral("sprachen")), QStringList());
        QCOMPARE(m_form->title()->text(), QStringLiteral("Halb")); // the input is still there
        QVERIFY(!m_main->entryNumbers().contains(1));
    }
};

QTEST_MAIN(TestAddDialog)
#include "tst_adddialog.moc"
