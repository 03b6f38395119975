#pragma once

#include <QStringList>
#include <QWidget>

class QTreeWidget;

namespace korvel::store {
class CatalogStore;
class EntryNumbers;
} // namespace korvel::store

namespace korvel::ui {
struct AppContext;
class TaskBox;
} // namespace korvel::ui

namespace korvel::entry {

class CommentEditor;
class EntryForm;

// TForm2 "DVD der Sammlung hinzufügen": new entries are typed in and saved one after the
// other; the dialog stays open and cleared after each save. It is not modal and stays in
// front of the main window. The main list is refilled once, when it closes.
class AddDialog : public QWidget
{
    Q_OBJECT

public:
    static inline const QString DuplicateQuestion =
        QStringLiteral("Ein Film mit dem gleichen Titel ist bereits vorhanden. Trotzdem speichern?");
    static inline const QString CloseWarning = QStringLiteral(
        "Sie haben Ihre Eingaben noch nicht gespeichert. Mit dem Schließen des Fensters gehen "
        "diese Informationen unwiderbringlich verloren.");
    static inline const QString NoTitleText = QStringLiteral("Bitte füllen Sie das Feld TITEL aus.");
    static inline const QString ShortTitleText = QStringLiteral(
        "Der Suchbegriff ist zu kurz. Geben Sie mindestens 3 Zeichen ein. Auch der Originaltitel "
        "oder der EAN-Code werden als Eingabe akzeptiert.");
    static inline const QString AudioIncompleteText = QStringLiteral(
        "Bitte wählen Sie eine Sprache, das dazugehörende Tonformat und die Anzahl der Tonkanäle.");
    static inline const QString SubtitleIncompleteText =
        QStringLiteral("Bitte wählen Sie eine Sprache und das dazugehörenden Attribut.");

    AddDialog(ui::AppContext& context, store::CatalogStore& store, store::EntryNumbers& numbers,
              QWidget* mainWindow);
    ~AddDialog() override;

    EntryForm* form() const { return m_form; }
    int nextKey() const { return m_nextKey; }
    // How long the saved notice stays (800 ms; tests shorten it).
    void setNoticeDuration(int ms) { m_noticeMs = ms; }

    // The add command: clear, remember the main list's query, take the next entry key, show.
    void openForAdd();

    // The dialog's commands.
    void save();
    void discard();
    void lookup();
    void addAudioTrack();
    void addSubtitle();
    void removeSelected(QTreeWidget* list);
    void removeDuplicates(QTreeWidget* list);
    void editComment();
    void chooseCover();
    void takeDroppedFile(const QString& path);
    void removeCover();

signals:
    // An entry was saved: the main window updates its entry count.
    void entrySaved();
    // The dialog closed: the main window puts this query back and refills the list.
    void closed(const QStringList& savedListQuery);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void command(const std::function<void()>& fn);
    bool handleKey(QKeyEvent* event);
    bool handleWheel(QObject* watched, QWheelEvent* event);
    void showSavedNotice();
    void placeWindow();

    ui::AppContext& m_ctx;
    store::CatalogStore& m_store;
    store::EntryNumbers& m_numbers;
    EntryForm* m_form;
    CommentEditor* m_commentEditor;
    ui::TaskBox* m_quicklinks = nullptr;
    int m_nextKey = 1;
    int m_openingMode = 0;
    QString m_presetDiscFolder;
    QStringList m_savedListQuery;
    int m_quicklinkScroll = 0;
    int m_noticeMs = 800;
};

} // namespace korvel::entry
