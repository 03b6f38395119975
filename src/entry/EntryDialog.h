#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QTreeWidget;

namespace korvel::store {
class CatalogStore;
class EntryNumbers;
} // namespace korvel::store

namespace korvel::app {
class QuicklinkPanel;
}

namespace korvel::ui {
struct AppContext;
class TaskBox;
class TaskPanel;
class TaskSection;
class HoverLink;
} // namespace korvel::ui

namespace korvel::entry {

class CommentEditor;
class EntryForm;

// What the add dialog and the edit dialog share around their entry form: the task panel, the
// audio and subtitle list commands, covers, the comment editor, the mouse wheel, the saved
// notice and the placement from the geometry row. The two dialogs differ in opening, saving
// and closing, and the edit dialog tracks changes through the hooks below.
class EntryDialog : public QWidget
{
    Q_OBJECT

public:
    static inline const QString NoTitleText = QStringLiteral("Bitte füllen Sie das Feld TITEL aus.");
    static inline const QString ShortTitleText = QStringLiteral(
        "Der Suchbegriff ist zu kurz. Geben Sie mindestens 3 Zeichen ein. Auch der Originaltitel "
        "oder der EAN-Code werden als Eingabe akzeptiert.");
    static inline const QString AudioIncompleteText = QStringLiteral(
        "Bitte wählen Sie eine Sprache, das dazugehörende Tonformat und die Anzahl der Tonkanäle.");

    ~EntryDialog() override;

    EntryForm* form() const { return m_form; }
    void setNoticeDuration(int ms) { m_noticeMs = ms; }
    int quicklinkScroll() const { return m_quicklinkScroll; }
    app::QuicklinkPanel* quicklinkPanel() const { return m_quicklinkPanel; }

    void lookup();
    void addAudioTrack();
    void addSubtitle();
    void removeSelected(QTreeWidget* list);
    void removeDuplicates(QTreeWidget* list);
    void editComment();
    void chooseCover();
    void takeDroppedFile(const QString& path);
    void removeCover();
    virtual void save() = 0;
    virtual void discard() = 0;

protected:
    struct Names
    {
        const char* objectName;
        QString title;
        QString changesSection;
        QString subtitleIncompleteText;
        QString coverFilter;
        const char* xColumn;
        const char* yColumn;
    };
    EntryDialog(ui::AppContext& context, store::CatalogStore& store, store::EntryNumbers& numbers,
                QWidget* mainWindow, int variant, const Names& names);

    // Hooks for change tracking (the edit dialog sets its flags here).
    virtual void tracksChanged() {}
    virtual void coverChosen() {}
    virtual void coverDropped() {}
    virtual void coverRemoved() {}
    // Keys of the window before its controls; true when the key was used.
    virtual bool handleKey(QKeyEvent* event);

    void command(const std::function<void()>& fn);
    ui::HoverLink* addLink(ui::TaskSection* section, const char* name, const QString& text,
                           std::function<void()> fn);
    ui::TaskPanel* taskPanel() const { return m_panel; }
    void loadGenres();
    void placeWindow();
    void savePosition();
    void showSavedNotice();
    void resetQuicklinkScroll() { m_quicklinkScroll = 0; }
    void rebuildQuicklinks();
    CommentEditor* commentEditor() const { return m_commentEditor; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    ui::AppContext& m_ctx;
    store::CatalogStore& m_store;
    store::EntryNumbers& m_numbers;

private:
    bool handleWheel(QObject* watched, QWheelEvent* event);

    Names m_names;
    ui::TaskPanel* m_panel;
    EntryForm* m_form;
    CommentEditor* m_commentEditor;
    QWidget* m_quicklinkBox = nullptr;
    int m_quicklinkScroll = 0;
    app::QuicklinkPanel* m_quicklinkPanel = nullptr;
    int m_noticeMs = 800;
};

} // namespace korvel::entry
