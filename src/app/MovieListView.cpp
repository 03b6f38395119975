#include "app/MovieListView.h"

#include "app/MovieListModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

namespace korvel::app {

MovieListView::MovieListView(QWidget* parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("advlistview1"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    header()->setMinimumSectionSize(0);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    // the selection stays visible when the list loses the focus
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
}

MovieListModel* MovieListView::movieModel() const { return qobject_cast<MovieListModel*>(model()); }

QList<int> MovieListView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& i : selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int MovieListView::currentRow() const
{
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void MovieListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        emit deleteRequested();
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    m_altGr = mods == (Qt::ControlModifier | Qt::AltModifier);
    m_selectionReaction = false;
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)
        return;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
        emit openRequested(currentRow() >= 0);
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].isPrint()) {
        emit characterTyped(text[0]);
        return;
    }
    QTreeView::keyPressEvent(event);
}

void MovieListView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Control)
        m_altGr = false;
    m_selectionReaction = true;
    emit showSelectedRequested();
    QTreeView::keyReleaseEvent(event);
}

void MovieListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    if (selectedRows().size() < 2) {
        m_selectionReaction = true;
        emit showSelectedRequested();
    }
}

void MovieListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeView::mouseDoubleClickEvent(event);
    emit openRequested(currentRow() >= 0);
}

void MovieListView::focusOutEvent(QFocusEvent* event)
{
    m_selectionReaction = true;
    emit focusLeft();
    QTreeView::focusOutEvent(event);
}

void MovieListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTreeView::selectionChanged(selected, deselected);
    if (m_selectionReaction)
        emit showSelectedRequested();
}

} // namespace korvel::app

namespace korvel::app {

// A report list with grid lines between its cells.
void MovieListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QTreeView::drawRow(painter, option, index);
    painter->save();
    painter->setPen(QColor(220, 220, 220));
    const QRect r = option.rect;
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    for (int c = 1; c < header()->count(); ++c) {
        const int x = header()->sectionViewportPosition(c) + header()->sectionSize(c) - 1;
        painter->drawLine(x, r.top(), x, r.bottom());
    }
    painter->restore();
}

} // namespace korvel::app
