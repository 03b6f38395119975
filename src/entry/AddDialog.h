#pragma once

#include "entry/EntryDialog.h"

namespace korvel::entry {

// TForm2 "DVD der Sammlung hinzufügen": new entries are typed in and saved one after the
// other; the dialog stays open and cleared after each save. It is not modal and stays in
// front of the main window. The main list is refilled once, when it closes.
class AddDialog : public EntryDialog
{
    Q_OBJECT

public:
    static inline const QString DuplicateQuestion =
        QStringLiteral("Ein Film mit dem gleichen Titel ist bereits vorhanden. Trotzdem speichern?");
    static inline const QString CloseWarning = QStringLiteral(
        "Sie haben Ihre Eingaben noch nicht gespeichert. Mit dem Schließen des Fensters gehen "
        "diese Informationen unwiderbringlich verloren.");
    static inline const QString SubtitleIncompleteText =
        QStringLiteral("Bitte wählen Sie eine Sprache und das dazugehörenden Attribut.");

    AddDialog(ui::AppContext& context, store::CatalogStore& store, store::EntryNumbers& numbers,
              QWidget* mainWindow);

    int nextKey() const { return m_nextKey; }

    // The add command: clear, remember the main list's query, take the next entry key, show.
    void openForAdd();
    void save() override;
    void discard() override;

signals:
    // An entry was saved: the main window updates its entry count.
    void entrySaved();
    // The dialog closed: the main window puts this query back and refills the list.
    void closed(const QStringList& savedListQuery);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool handleKey(QKeyEvent* event) override;

private:
    int m_nextKey = 1;
    int m_openingMode = 0;
    QString m_presetDiscFolder;
    QStringList m_savedListQuery;
};

} // namespace korvel::entry
