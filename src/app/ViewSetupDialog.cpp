#include "app/ViewSetupDialog.h"

#include "ui/MessageBoxes.h"
#include "ui/TaskPanel.h"

#include <QDataStream>
#include <QDrag>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMimeData>

namespace korvel::app {

ViewSetupList::ViewSetupList(ViewSetup::List which, const QString& title, ViewSetupDialog* dialog)
    : QTreeWidget(dialog), m_which(which), m_dialog(dialog)
{
    setHeaderLabels({title});
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

QMimeData* ViewSetupList::rowData(ViewSetup::List from, int row)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(from) << qint32(row);
    auto* data = new QMimeData;
    data->setData(MimeType, bytes);
    return data;
}

void ViewSetupList::startDrag(Qt::DropActions)
{
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    // The drop rebuilds both lists itself; the view must not remove anything afterwards.
    auto* drag = new QDrag(this);
    drag->setMimeData(rowData(m_which, indexOfTopLevelItem(item)));
    drag->exec(Qt::MoveAction);
}

bool ViewSetupList::accepts(const QMimeData* data, ViewSetup::List* from, int* row) const
{
    if (!data || !data->hasFormat(MimeType))
        return false;
    QDataStream in(data->data(MimeType));
    qint32 list = -1;
    qint32 index = -1;
    in >> list >> index;
    if (in.status() != QDataStream::Ok ||
        (list != qint32(ViewSetup::List::Present) && list != qint32(ViewSetup::List::Available)))
        return false;
    *from = ViewSetup::List(list);
    *row = index;
    return m_dialog->canDrop(*from, *row, m_which);
}

bool ViewSetupList::acceptsDrag(const QMimeData* data) const
{
    ViewSetup::List from;
    int row = -1;
    return accepts(data, &from, &row);
}

bool ViewSetupList::dropAt(const QMimeData* data, const QPoint& position)
{
    ViewSetup::List from;
    int row = -1;
    if (!accepts(data, &from, &row))
        return false;
    // before the row under the pointer, or at the end below the last row
    const QModelIndex under = indexAt(position);
    return m_dialog->dropRow(from, row, m_which, under.isValid() ? under.row() : -1);
}

void ViewSetupList::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void ViewSetupList::dragMoveEvent(QDragMoveEvent* event)
{
    if (acceptsDrag(event->mimeData())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void ViewSetupList::dropEvent(QDropEvent* event)
{
    if (dropAt(event->mimeData(), event->position().toPoint())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

ViewSetupDialog::ViewSetupDialog(ui::MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), m_boxes(boxes)
{
    setObjectName(QStringLiteral("TForm14"));
    setWindowTitle(QStringLiteral("Ansicht einrichten"));
    setFixedSize(473, 194);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 6, 6);
    auto* panel = new ui::TaskPanel(this);
    panel->setFixedWidth(150);
    ui::TaskBox* tasks = panel->addBox(QStringLiteral("XPTask1"), QStringLiteral("Aufgaben"));
    ui::TaskSection* change = tasks->addSection(QStringLiteral("Änderung"));
    connect(change->addLink(QStringLiteral("XPHoverLabel1"), QStringLiteral("Speichern")),
            &ui::HoverLink::clicked, this, &ViewSetupDialog::save);
    ui::TaskSection* window = tasks->addSection(QStringLiteral("Fenster"));
    connect(window->addLink(QStringLiteral("XPHoverLabel2"), QStringLiteral("Schließen")),
            &ui::HoverLink::clicked, this, &ViewSetupDialog::closeAsking);
    panel->addStretch();
    row->addWidget(panel);

    m_present = new ViewSetupList(ViewSetup::List::Present, QStringLiteral("Vorhanden"), this);
    m_present->setObjectName(QStringLiteral("ListView2"));
    m_available = new ViewSetupList(ViewSetup::List::Available, QStringLiteral("Verfügbar"), this);
    m_available->setObjectName(QStringLiteral("ListView1"));
    m_opened = new QTreeWidget(this);
    m_opened->setObjectName(QStringLiteral("ListView3"));
    m_opened->hide();
    row->addWidget(m_present, 1);
    row->addWidget(m_available, 1);
}

void ViewSetupDialog::prepare(const QList<ListColumn>& shown)
{
    m_setup = ViewSetup(shown);
    m_opened->clear();
    for (const QString& caption : m_setup.opened())
        m_opened->addTopLevelItem(new QTreeWidgetItem(QStringList{caption}));
    showLists();
}

void ViewSetupDialog::showLists()
{
    const auto fill = [](QTreeWidget* list, const QList<ListColumn>& rows) {
        list->clear();
        for (const ListColumn& c : rows) {
            auto* item = new QTreeWidgetItem(QStringList{c.caption});
            // the width travels with the row but is not shown
            item->setData(0, Qt::UserRole, c.width);
            list->addTopLevelItem(item);
        }
    };
    fill(m_present, m_setup.present());
    fill(m_available, m_setup.available());
}

bool ViewSetupDialog::canDrop(ViewSetup::List from, int row, ViewSetup::List to) const
{
    return m_setup.canDrop(from, row, to);
}

bool ViewSetupDialog::dropRow(ViewSetup::List from, int row, ViewSetup::List to, int beforeRow)
{
    if (!m_setup.drop(from, row, to, beforeRow))
        return false;
    showLists();
    return true;
}

void ViewSetupDialog::save()
{
    accept();
}

void ViewSetupDialog::closeAsking()
{
    if (!m_setup.changed()) {
        reject();
        return;
    }
    switch (m_boxes.show(this, ui::MessageBoxes::Kind::Information, ChangedQuestion,
                         ui::MessageBoxes::Yes | ui::MessageBoxes::No | ui::MessageBoxes::Cancel)) {
    case ui::MessageBoxes::Yes:
        accept();
        break;
    case ui::MessageBoxes::No:
        reject();
        break;
    default:
        break; // stays open
    }
}

} // namespace korvel::app
