#pragma once

#include "entry/CommentTags.h"

#include <QDialog>

class QPlainTextEdit;

namespace korvel::ui {
class MessageBoxes;
}

namespace korvel::entry {

// TForm21 "Kommentar hinzufügen": a larger text area for an entry's comment, with links that
// insert the supported HTML tags. It keeps its text between openings; the opening dialog
// takes whatever text it holds when it closes.
class CommentEditor : public QDialog
{
    Q_OBJECT

public:
    CommentEditor(ui::MessageBoxes& boxes, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    QPlainTextEdit* memo() const { return m_memo; }

    void insertTag(CommentTags::Tag tag);
    void save();       // "Speichern"
    void discard();    // "Verwerfen"
    void closeAsked(); // "Schließen"

protected:
    void showEvent(QShowEvent* event) override;

private:
    ui::MessageBoxes& m_boxes;
    QPlainTextEdit* m_memo;
    QString m_snapshot;
};

} // namespace korvel::entry
