#include "entry/CommentEditor.h"
#include "support/ScriptedDialogs.h"
#include "ui/TaskPanel.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using namespace korvel;

// The comment editor window: tag links, snapshot, the three ways to close.
class TestCommentEditor : public QObject
{
    Q_OBJECT

private:
    static ui::HoverLink* link(QWidget& w, const char* name)
    {
        return w.findChild<ui::HoverLink*>(QString::fromLatin1(name));
    }
    // Shows the editor modally and runs the steps while it is open.
    static void runOpen(entry::CommentEditor& e, const std::function<void()>& steps)
    {
        QTimer::singleShot(0, &e, [&] {
            steps();
            if (e.isVisible())
                e.reject(); // the close box: no question, text kept
        });
        e.exec();
    }

private slots:
    void boldInEmptyCommentIsSelectedForOvertyping()
    {
        test::ScriptedBoxes boxes;
        entry::CommentEditor e(boxes);
        runOpen(e, [&] {
            link(e, "Label3")->click();
            QCOMPARE(e.memo()->textCursor().selectedText(), QStringLiteral("IHR TEXT"));
            QTest::keyClicks(e.memo(), QStringLiteral("Wichtig"));
        });
        QCOMPARE(e.text(), QStringLiteral("<b>Wichtig</b>"));
    }

    void discardReturnsToTheOpeningText()
    {
        test::ScriptedBoxes boxes;
        entry::CommentEditor e(boxes);
        e.setText(QStringLiteral("Alt"));
        runOpen(e, [&] {
            link(e, "Label2")->click();
            link(e, "Label5")->click();
            link(e, "XPHoverLabel2")->click();
            QCOMPARE(e.text(), QStringLiteral("Alt"));
            QVERIFY(e.isVisible());
        });
    }

    void closeAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("closed");
        QTest::newRow("Ja keeps the typed text") << int(ui::MessageBoxes::Yes) << "Alt neu" << true;
        QTest::newRow("Nein restores") << int(ui::MessageBoxes::No) << "Alt" << true;
        QTest::newRow("Abbrechen stays open") << int(ui::MessageBoxes::Cancel) << "Alt neu" << false;
    }
    void closeAsks()
    {
        QFETCH(int, answer);
        QFETCH(QString, text);
        QFETCH(bool, closed);
        test::ScriptedBoxes boxes;
        boxes.answers.enqueue(ui::MessageBoxes::Button(answer));
        entry::CommentEditor e(boxes);
        e.setText(QStringLiteral("Alt"));
        bool stillOpen = false;
        runOpen(e, [&] {
            QTextCursor c = e.memo()->textCursor();
            c.movePosition(QTextCursor::End);
            e.memo()->setTextCursor(c);
            QTest::keyClicks(e.memo(), QStringLiteral(" neu"));
            link(e, "XPHoverLabel3")->click();
            stillOpen = e.isVisible();
            QCOMPARE(e.text(), text);
        });
        QCOMPARE(!stillOpen, closed);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Möchten Sie die Änderungen speichern ?"));
    }

    void closeWithoutChangeAsksNothing()
    {
        test::ScriptedBoxes boxes;
        entry::CommentEditor e(boxes);
        e.setText(QStringLiteral("Alt"));
        runOpen(e, [&] { link(e, "XPHoverLabel3")->click(); });
        QVERIFY(boxes.shown.isEmpty());
    }
};

QTEST_MAIN(TestCommentEditor)
#include "tst_commenteditor.moc"
