#pragma once

#include "app/ColumnLayout.h"
#include "app/Startup.h"
#include "loans/LentSet.h"
#include "store/CatalogStore.h"
#include "store/EntryNumbers.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QMenu;
class QToolButton;

namespace korvel::ui {
struct AppContext;
class HoverLink;
class TaskBox;
class TaskPanel;
} // namespace korvel::ui

namespace korvel::online {
class LookupService;
}

namespace korvel::entry {
class AddDialog;
class EditDialog;
} // namespace korvel::entry

namespace korvel::app {

class InfoPanelWidget;
class MovieListModel;
class MovieListView;
class QuicklinkPanel;
class SearchController;
class ViewSetupDialog;

// The main window TForm1: menu, task panel, movie list, info panel column and status bar.
// It owns the catalog store, the lent set and the start-up state.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static inline const QString StartFailedText =
        QStringLiteral("MOVIES.MDB wurde nicht gefunden. Bitte installieren Sie das Programm neu.");
    static constexpr int MinimumHeight = 643;

    MainWindow(ui::AppContext& context, const QStringList& arguments);
    ~MainWindow() override;

    // Set when no catalog could be opened; the program then ends with exit code 1 and
    // saves nothing.
    bool startFailed() const { return m_state.failed; }

    store::CatalogStore& store() { return m_store; }
    loans::LentSet& lentSet() { return m_lent; }
    online::LookupService& lookupService() { return *m_lookup; }
    const StartupState& startupState() const { return m_state; }
    QString coverFolder() const { return m_state.coverFolder; }

    MovieListView* movieList() const { return m_list; }
    MovieListModel* movieModel() const { return m_listModel; }
    store::EntryNumbers& entryNumbers() { return m_numbers; }
    entry::AddDialog* addDialog() const { return m_addDialog; }
    entry::EditDialog* editDialog() const { return m_editDialog; }
    QMenu* listMenu() const { return m_listMenu; }
    QComboBox* searchField() const { return m_searchField; }

    // The list fill: every entry in the order of the list query, the count, the selector.
    void fillList();
    // The main window's commands (menu, task links, keys, list menu).
    void addEntry();
    void deleteEntries();
    void editEntry();
    void updateEntryCount();
    // The info panel: the selected entry, the refresh after an edit, the empty panel.
    void showSelected();
    void rebuildInfoPanel(int row);
    void clearshortinfo();
    InfoPanelWidget* infoPanel() const { return m_infoPanel; }
    // The catalog file as a whole (menus "&Datei" and "Extras" > "Optionen").
    void createCatalog();
    void switchCatalog();
    void backupCatalog();
    void compactCatalog();
    void upgradeCatalog();
    QLineEdit* searchBox() const { return m_search; }
    QString statusText(int panel) const;
    int statusPanelWidth(int panel) const;
    // The list's columns after the key column, with their current widths.
    QList<ListColumn> listColumns() const;
    void setListColumns(const QList<ListColumn>& columns, const QString& keyCaption);

    bool discCheck() const;
    bool extendedActorInfos() const;

    // Quicklinks and the genre list.
    QuicklinkPanel* quicklinkPanel() const { return m_quicklinkPanel; }
    void manageQuicklinks();
    void editGenres();
    // The "Titel" cell of the selected row; empty without a selected row or Titel column.
    QString currentTitle() const;
    // Quick search, type-ahead and the view setup ("Extras" > "Ansicht einrichten").
    SearchController* searchController() const { return m_searchController; }
    ViewSetupDialog* viewSetupDialog() const { return m_viewSetup; }
    void openViewSetup();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFrame();
    void buildMenus();
    void buildTaskPanel();
    void restoreGeometryRow();
    void applyLayoutHeights();
    void shutdown();
    bool handleShortcut(QKeyEvent* event);
    void command(const std::function<void()>& fn);
    void toggleSearchFocus();
    void openAddress(const QString& address);
    void showAbout();
    void buildListMenu();
    void prepareListMenu();
    void sortByColumn(int column);
    void addDialogClosed(const QStringList& savedListQuery);
    void showMessage(int kind, const QString& text);
    void buildSearchAndViewSetup();

    ui::AppContext& m_ctx;
    store::CatalogStore m_store;
    loans::LentSet m_lent;
    StartupState m_state;
    store::EntryNumbers m_numbers;
    std::unique_ptr<online::LookupService> m_lookup;
    std::optional<int> m_lastShownKey; // the entry the info panel shows
    bool m_selectionGuard = false;
    bool m_infoBusy = false;
    bool m_filledOnce = false;
    QList<int> m_columnWidths;

    ui::TaskPanel* m_taskPanel = nullptr;
    ui::TaskBox* m_tasks = nullptr;     // XPTask1 "Aufgaben"
    ui::TaskBox* m_favorites = nullptr; // XPTask2 "Favoriten"
    ui::TaskBox* m_info = nullptr;      // XPTask3, the info panel's place
    InfoPanelWidget* m_infoPanel = nullptr;
    QScrollArea* m_quicklinks = nullptr;
    QLineEdit* m_search = nullptr;
    QToolButton* m_clearSearch = nullptr;
    QComboBox* m_searchField = nullptr;
    MovieListView* m_list = nullptr;
    MovieListModel* m_listModel = nullptr;
    QMenu* m_listMenu = nullptr;
    entry::AddDialog* m_addDialog = nullptr;
    entry::EditDialog* m_editDialog = nullptr;
    QLabel* m_status[3] = {};
    QAction* m_discCheck = nullptr;
    QAction* m_extActorInfos = nullptr;
    QuicklinkPanel* m_quicklinkPanel = nullptr;
    SearchController* m_searchController = nullptr;
    ViewSetupDialog* m_viewSetup = nullptr;
};

} // namespace korvel::app
