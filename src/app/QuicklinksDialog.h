#pragma once

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvel::store {
class CatalogStore;
}

namespace korvel::ui {
struct AppContext;
}

namespace korvel::app {

// TForm5 "Favoriten verwalten": the list of all quicklinks with the commands to add,
// change and remove them.
class QuicklinksDialog : public QDialog
{
    Q_OBJECT

  public:
    static inline const QString NamePlaceholder = QStringLiteral("<< Name >>");
    static inline const QString TargetPlaceholder = QStringLiteral("<< URL oder Datei >>");
    static inline const QString NoNameText =
        QStringLiteral("Bitte geben Sie zunächst einen Namen für den neuen Eintrag an.");
    static inline const QString NoTargetText = QStringLiteral(
        "Bitte legen Sie die Aktion fest, welche mit dem Eintrag verknüpft werden soll.");
    static inline const QString RemoveText = QStringLiteral("Der markierte Eintrag wird gelöscht.");

    QuicklinksDialog(ui::AppContext& context, store::CatalogStore& store,
                     QWidget* parent = nullptr);

    void addLink();
    void changeLink();
    void removeLink();
    void chooseProgram();
    void fillList();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void command(const std::function<void()>& fn);
    void rowClicked(QTreeWidgetItem* item);
    void resetInput();
    int formIndex() const;

    ui::AppContext& m_ctx;
    store::CatalogStore& m_store;
    QButtonGroup* m_forms;
    QLineEdit* m_name;   // Edit1
    QLineEdit* m_target; // Edit2
    QTreeWidget* m_list; // lv1
};

} // namespace korvel::app
