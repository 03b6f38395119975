#include "entry/CommentEditor.h"

#include "ui/MessageBoxes.h"
#include "ui/TaskPanel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace korvel::entry {

CommentEditor::CommentEditor(ui::MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), m_boxes(boxes)
{
    setObjectName(QStringLiteral("TForm21"));
    setWindowTitle(QStringLiteral("Kommentar hinzufügen"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 6, 6);

    auto* panel = new ui::TaskPanel(this);
    panel->setFixedWidth(160);
    ui::TaskBox* tasks = panel->addBox(QStringLiteral("XPTask1"), QStringLiteral("Aufgaben"));
    ui::TaskSection* changes = tasks->addSection(QStringLiteral("Änderungen"));
    connect(changes->addLink(QStringLiteral("XPHoverLabel1"), QStringLiteral("Speichern")),
            &ui::HoverLink::clicked, this, [this] { ui::guarded(m_boxes, this, [this] { save(); }); });
    connect(changes->addLink(QStringLiteral("XPHoverLabel2"), QStringLiteral("Verwerfen")),
            &ui::HoverLink::clicked, this, [this] { ui::guarded(m_boxes, this, [this] { discard(); }); });
    ui::TaskSection* window = tasks->addSection(QStringLiteral("Fenster"));
    connect(window->addLink(QStringLiteral("XPHoverLabel3"), QStringLiteral("Schließen")),
            &ui::HoverLink::clicked, this, [this] { ui::guarded(m_boxes, this, [this] { closeAsked(); }); });
    panel->addStretch();
    row->addWidget(panel);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("kommentarmemo"));
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    row->addWidget(m_memo, 1);

    auto* tags = new QFrame(this);
    tags->setFrameShape(QFrame::Box);
    auto* tagLayout = new QVBoxLayout(tags);
    tagLayout->addWidget(new QLabel(QStringLiteral("<b>HTML-Tags unterstützt</b>"), tags));
    const struct
    {
        const char* name;
        const char* text;
        CommentTags::Tag tag;
    } links[] = {{"Label3", "<b>Fett</b>", CommentTags::Tag::Bold},
                 {"Label4", "<u>Unterstrichen</u>", CommentTags::Tag::Underline},
                 {"Label5", "<i>Kursiv</i>", CommentTags::Tag::Italic},
                 {"Label6", "<a style=\"color:blue\"><u>Hyperlink</u></a>", CommentTags::Tag::Hyperlink},
                 {"Label7", "Bild", CommentTags::Tag::Image},
                 {"Label2", "Zeilenumbruch", CommentTags::Tag::LineBreak}};
    for (const auto& l : links) {
        auto* link = new ui::HoverLink(QString::fromLatin1(l.name), QString::fromLatin1(l.text), tags);
        link->setAlignment(Qt::AlignCenter);
        const CommentTags::Tag tag = l.tag;
        connect(link, &ui::HoverLink::clicked, this, [this, tag] { insertTag(tag); });
        tagLayout->addWidget(link);
    }
    tagLayout->addStretch(1);
    row->addWidget(tags);
    setFixedSize(560, 200);
}

QString CommentEditor::text() const { return m_memo->toPlainText(); }
void CommentEditor::setText(const QString& text) { m_memo->setPlainText(text); }

void CommentEditor::showEvent(QShowEvent* event)
{
    m_snapshot = text();
    QDialog::showEvent(event);
}

void CommentEditor::insertTag(CommentTags::Tag tag)
{
    const CommentTags::Result r = CommentTags::insert(text(), m_memo->textCursor().position(), tag);
    m_memo->setPlainText(r.text);
    QTextCursor c = m_memo->textCursor();
    c.setPosition(r.selectionStart);
    c.setPosition(r.selectionStart + r.selectionLength, QTextCursor::KeepAnchor);
    m_memo->setTextCursor(c);
    m_memo->setFocus();
}

void CommentEditor::save()
{
    m_snapshot = text();
    accept();
}

void CommentEditor::discard() { setText(m_snapshot); }

void CommentEditor::closeAsked()
{
    if (text() == m_snapshot) {
        accept();
        return;
    }
    switch (m_boxes.show(this, ui::MessageBoxes::Kind::Confirmation,
                         QStringLiteral("Möchten Sie die Änderungen speichern ?"),
                         ui::MessageBoxes::Yes | ui::MessageBoxes::No | ui::MessageBoxes::Cancel)) {
    case ui::MessageBoxes::Yes:
        accept();
        break;
    case ui::MessageBoxes::No:
        setText(m_snapshot);
        accept();
        break;
    default:
        break;
    }
}

} // namespace korvel::entry
