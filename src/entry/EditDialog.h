#pragma once

#include "entry/EntryDialog.h"

#include <functional>

namespace korvel::entry {

// TForm3 "Infos zur DVD ändern": changes the entry of a selected main-list row, and steps
// through the other selected rows without closing. Modal.
class EditDialog : public EntryDialog
{
    Q_OBJECT

public:
    static inline const QString ChangedQuestion = QStringLiteral(
        "Informationen zum aktuellen Film wurden verändert. Möchten Sie die Änderungen speichern ?");
    static inline const QString SubtitleIncompleteText =
        QStringLiteral("Bitte wählen Sie eine Sprache und das dazugehörende Attribut.");

    // What the dialog needs from the main list.
    struct Host
    {
        std::function<QList<int>()> selectedRows; // in list order
        std::function<int(int row)> keyOfRow;
        // After a save: refresh the row and the info panel (Rebuild_MainWindow, Rebuild_InfoWindow).
        std::function<void(int row, const QString& visibleNumber)> rowSaved;
        // After stepping: show the row in the info panel.
        std::function<void(int row)> rowShown;
        // While the info panel is being rebuilt, stepping is ignored.
        std::function<bool()> infoPanelBusy;
    };

    EditDialog(ui::AppContext& context, store::CatalogStore& store, store::EntryNumbers& numbers,
               QWidget* mainWindow, Host host);

    // The edit command: loads the row and shows the dialog modally until it closes.
    void editRow(int row, bool stepping);
    // For tests: the same without waiting for the dialog to close.
    void openForRow(int row, bool stepping);

    void loadEntry(int row); // LoadInfo_for_Edit
    void save() override;
    void discard() override; // reloads the entry
    void step(bool forward);

    bool changed() const { return m_changed; }
    bool coverChanged() const { return m_coverChanged; }
    int currentRow() const { return m_row; }
    int entryKey() const { return m_key; }

signals:
    void finished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool handleKey(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void tracksChanged() override { m_changed = true; }
    void coverChosen() override { m_changed = true; }
    void coverDropped() override { m_changed = m_coverChanged = true; }
    void coverRemoved() override { m_coverChanged = true; }

private:
    // The question before closing or stepping; false when the user cancelled.
    bool settleChanges();

    Host m_host;
    int m_row = -1;
    int m_key = 0;
    int m_oldVisible = 0;
    bool m_changed = false;
    bool m_coverChanged = false;
    ui::HoverLink* m_back = nullptr;
    ui::HoverLink* m_forward = nullptr;
};

} // namespace korvel::entry
