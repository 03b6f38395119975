#include "entry/GenreListDialog.h"

#include "entry/GenreList.h"
#include "store/CatalogStore.h"
#include "ui/AppContext.h"
#include "ui/MessageBoxes.h"
#include "ui/TaskPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvel::entry {

GenreListDialog::GenreListDialog(ui::AppContext& context, store::CatalogStore& store,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ctx(context), m_store(store)
{
    setObjectName(QStringLiteral("TForm26"));
    setWindowTitle(QStringLiteral("Vorgaben"));
    setFixedSize(402, 202);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 8, 8);
    auto* panel = new ui::TaskPanel(this);
    panel->setFixedWidth(150);
    ui::TaskBox* tasks = panel->addBox(QStringLiteral("XPTask1"), QStringLiteral("Aufgaben"));
    ui::TaskSection* changes = tasks->addSection(QStringLiteral("Änderungen"));
    ui::TaskSection* window = tasks->addSection(QStringLiteral("Fenster"));
    const auto link = [this](ui::TaskSection* section, const char* name, const QString& text,
                             std::function<void()> fn) {
        connect(section->addLink(QString::fromLatin1(name), text), &ui::HoverLink::clicked, this,
                [this, fn] { command(fn); });
    };
    link(changes, "XPHoverLabel1", QStringLiteral("Hinzufügen"), [this] { addName(); });
    link(changes, "XPHoverLabel2", QStringLiteral("Entfernen"), [this] { removeSelected(); });
    link(window, "XPHoverLabel3", QStringLiteral("Schließen"), [this] { close(); });
    panel->addStretch();
    row->addWidget(panel);

    auto* work = new QWidget(this);
    auto* column = new QVBoxLayout(work);
    column->setContentsMargins(8, 8, 0, 0);
    m_list = new QTreeWidget(work);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setStyleSheet(
        QStringLiteral("QTreeWidget::item { border-bottom: 1px solid #d8d8d8; }"));
    m_list->setHeaderLabels({QStringLiteral("Genre-Bezeichnung")});
    m_list->header()->resizeSection(0, 200);
    column->addWidget(m_list, 1);
    column->addWidget(new QLabel(QStringLiteral("Neuer Eintrag:"), work));
    m_name = new QLineEdit(work);
    m_name->setObjectName(QStringLiteral("Edit1"));
    column->addWidget(m_name);
    row->addWidget(work, 1);

    connect(m_name, &QLineEdit::returnPressed, this, [this] { command([this] { addName(); }); });
}

void GenreListDialog::command(const std::function<void()>& fn)
{
    ui::guarded(*m_ctx.boxes, this, fn);
}

void GenreListDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    command([this] { fillList(); });
    m_name->setFocus();
}

void GenreListDialog::fillList()
{
    m_list->clear();
    for (const QString& name : GenreList::names(m_store.genres()))
        new QTreeWidgetItem(m_list, {name});
}

void GenreListDialog::addName()
{
    const QString name = m_name->text();
    if (name.isEmpty())
        return;
    const QString stored = GenreList::add(m_store.genres(), name);
    m_name->clear();
    m_name->setFocus();
    if (stored.isEmpty()) {
        m_ctx.boxes->information(this, GenreList::existsText(name));
        m_name->setFocus();
        return;
    }
    // the new name goes last; the list is sorted again when it is next shown
    new QTreeWidgetItem(m_list, {stored});
}

void GenreListDialog::removeSelected()
{
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->isSelected())
            rows << m_list->topLevelItem(i);
    if (rows.isEmpty())
        return;
    QStringList names;
    for (QTreeWidgetItem* item : rows)
        names << item->text(0);
    GenreList::remove(m_store.genres(), names);
    qDeleteAll(rows);
}

} // namespace korvel::entry
