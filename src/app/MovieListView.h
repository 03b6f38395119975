#pragma once

#include <QTreeView>

namespace korvel::app {

class MovieListModel;

// The movie list advlistview1: a report list over the movie list model with its own key and
// mouse rules. Moving through the list with the keys does not refill the info panel at every
// row (the selection reaction is off while a key is down).
class MovieListView : public QTreeView
{
    Q_OBJECT

public:
    explicit MovieListView(QWidget* parent = nullptr);

    MovieListModel* movieModel() const;
    // Rows selected, in list order.
    QList<int> selectedRows() const;
    int currentRow() const;

    bool selectionReaction() const { return m_selectionReaction; }
    void setSelectionReaction(bool on) { m_selectionReaction = on; }
    // Set while exactly Ctrl and Alt are held (AltGr on German keyboards): typed characters
    // then do not start a quick find.
    bool altGr() const { return m_altGr; }
    void clearAltGr() { m_altGr = false; }

signals:
    void deleteRequested();
    // Double-click or Enter: the detail window when a row is selected, else the add dialog.
    void openRequested(bool rowSelected);
    // The selected row should be shown in the info panel.
    void showSelectedRequested();
    void focusLeft();
    // A printable character typed into the list (the type-ahead decides what it means).
    void characterTyped(QChar character);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The list's own type-ahead replaces the view's built-in keyboard search.
    void keyboardSearch(const QString&) override {}

private:
    bool m_selectionReaction = true;
    bool m_altGr = false;
};

} // namespace korvel::app
