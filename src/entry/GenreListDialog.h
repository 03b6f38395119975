#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QTreeWidget;

namespace korvel::store {
class CatalogStore;
}

namespace korvel::ui {
struct AppContext;
}

namespace korvel::entry {

// TForm26 "Vorgaben": the names the genre drop-down lists offer, to add to and remove from.
class GenreListDialog : public QDialog
{
    Q_OBJECT

  public:
    GenreListDialog(ui::AppContext& context, store::CatalogStore& store, QWidget* parent = nullptr);

    void addName();
    void removeSelected();
    void fillList();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void command(const std::function<void()>& fn);

    ui::AppContext& m_ctx;
    store::CatalogStore& m_store;
    QTreeWidget* m_list; // ListView1
    QLineEdit* m_name;   // Edit1
};

} // namespace korvel::entry
