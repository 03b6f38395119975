#pragma once

#include "app/ViewSetup.h"

#include <QDialog>
#include <QTreeWidget>

namespace korvel::ui {
class MessageBoxes;
}

namespace korvel::app {

class ViewSetupDialog;

// One of the dialog's two lists: rows are dragged out of it and dropped into it; the dialog
// decides what a drop does.
class ViewSetupList : public QTreeWidget
{
    Q_OBJECT

  public:
    static inline const QString MimeType = QStringLiteral("application/x-korvel-viewsetup-row");

    ViewSetupList(ViewSetup::List which, const QString& title, ViewSetupDialog* dialog);
    ViewSetup::List which() const { return m_which; }
    // The drag's payload: which list and which row.
    static QMimeData* rowData(ViewSetup::List from, int row);
    // What the drag handlers do: whether a drag may end here, and the drop at a point of the
    // viewport (false when refused).
    bool acceptsDrag(const QMimeData* data) const;
    bool dropAt(const QMimeData* data, const QPoint& position);

  protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    bool accepts(const QMimeData* data, ViewSetup::List* from, int* row) const;

    ViewSetup::List m_which;
    ViewSetupDialog* m_dialog;
};

// TForm14 "Ansicht einrichten": which columns the movie list shows, and in which order.
class ViewSetupDialog : public QDialog
{
    Q_OBJECT

  public:
    static inline const QString ChangedQuestion = QStringLiteral(
        "Die Ansichtseinstellungen wurden geändert, aber noch nicht gespeichert. Sollen die "
        "Änderungen übernommen werden ?");

    ViewSetupDialog(ui::MessageBoxes& boxes, QWidget* parent = nullptr);

    // Fills the lists for the movie list's current columns (after the key column).
    void prepare(const QList<ListColumn>& shown);
    // Accepted means: apply columns() to the movie list and fill it.
    QList<ListColumn> columns() const { return m_setup.columns(); }
    const ViewSetup& setup() const { return m_setup; }

    bool canDrop(ViewSetup::List from, int row, ViewSetup::List to) const;
    bool dropRow(ViewSetup::List from, int row, ViewSetup::List to, int beforeRow);

    // "Speichern" and "Schließen".
    void save();
    void closeAsking();

    ViewSetupList* presentList() const { return m_present; }
    ViewSetupList* availableList() const { return m_available; }

  private:
    void showLists();

    ui::MessageBoxes& m_boxes;
    ViewSetup m_setup;
    ViewSetupList* m_present;   // ListView2 "Vorhanden"
    ViewSetupList* m_available; // ListView1 "Verfügbar"
    QTreeWidget* m_opened;      // ListView3, hidden
};

} // namespace korvel::app
