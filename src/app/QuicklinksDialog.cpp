#include "app/QuicklinksDialog.h"

#include "app/Quicklinks.h"
#include "store/CatalogStore.h"
#include "ui/AppContext.h"
#include "ui/FileChooser.h"
#include "ui/MessageBoxes.h"
#include "ui/TaskPanel.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

namespace korvel::app {

namespace {
enum Column
{
    FormColumn,
    NameColumn,
    TargetColumn,
    KeyColumn
};
}

QuicklinksDialog::QuicklinksDialog(ui::AppContext& context, store::CatalogStore& store,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ctx(context), m_store(store)
{
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Favoriten verwalten"));
    setFixedSize(668, 242);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 8, 8);
    auto* panel = new ui::TaskPanel(this);
    panel->setFixedWidth(170);
    ui::TaskBox* tasks = panel->addBox(QStringLiteral("XPTask1"), QStringLiteral("Aufgaben"));
    ui::TaskSection* links = tasks->addSection(QStringLiteral("Favoriten"));
    ui::TaskSection* window = tasks->addSection(QStringLiteral("Fenster"));
    const auto link = [this](ui::TaskSection* section, const char* name, const QString& text,
                             std::function<void()> fn) {
        connect(section->addLink(QString::fromLatin1(name), text), &ui::HoverLink::clicked, this,
                [this, fn] { command(fn); });
    };
    link(links, "XPHoverLabel1", QStringLiteral("Hinzufügen"), [this] { addLink(); });
    link(links, "XPHoverLabel2", QStringLiteral("Ändern"), [this] { changeLink(); });
    link(links, "XPHoverLabel3", QStringLiteral("Entfernen"), [this] { removeLink(); });
    link(window, "XPHoverLabel4", QStringLiteral("Schließen"), [this] { close(); });
    panel->addStretch();
    row->addWidget(panel);

    auto* work = new QWidget(this);
    auto* grid = new QGridLayout(work);
    grid->setContentsMargins(8, 12, 0, 0);
    auto* group = new QGroupBox(QStringLiteral("Formular"), work);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    auto* groupGrid = new QGridLayout(group);
    m_forms = new QButtonGroup(this);
    for (int i = 0; i < Quicklinks::FormCaptions.size(); ++i) {
        auto* b = new QRadioButton(Quicklinks::FormCaptions[i], group);
        b->setObjectName(QStringLiteral("RadioItem%1").arg(i));
        m_forms->addButton(b, i);
        groupGrid->addWidget(b, i / 2, i % 2);
    }
    grid->addWidget(group, 0, 0, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Name:"), work), 0, 1);
    m_name = new QLineEdit(work);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setMaxLength(Quicklinks::NameLength);
    grid->addWidget(m_name, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Pfad:"), work), 1, 1);
    m_target = new QLineEdit(work);
    m_target->setObjectName(QStringLiteral("Edit2"));
    m_target->setMaxLength(Quicklinks::TargetLength);
    grid->addWidget(m_target, 1, 2);
    m_list = new QTreeWidget(work);
    m_list->setObjectName(QStringLiteral("lv1"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHeaderLabels({QStringLiteral("Formular"), QStringLiteral("Name"),
                             QStringLiteral("Pfad"), QStringLiteral("Nummer")});
    m_list->header()->resizeSection(FormColumn, 120);
    m_list->header()->resizeSection(NameColumn, 120);
    m_list->header()->resizeSection(TargetColumn, 200);
    m_list->setColumnHidden(KeyColumn, true);
    grid->addWidget(m_list, 3, 0, 1, 3);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);
    row->addWidget(work, 1);

    connect(m_list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { rowClicked(item); });
    m_name->installEventFilter(this);
    m_target->installEventFilter(this);
    resetInput();
}

void QuicklinksDialog::command(const std::function<void()>& fn)
{
    ui::guarded(*m_ctx.boxes, this, fn);
}

int QuicklinksDialog::formIndex() const
{
    return std::max(0, m_forms->checkedId());
}

void QuicklinksDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    command([this] { fillList(); });
}

void QuicklinksDialog::fillList()
{
    m_list->clear();
    for (const Quicklink& link : Quicklinks::all(m_store.favoritendb())) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(FormColumn, Quicklinks::FormCaptions.value(link.formNumber));
        item->setText(NameColumn, link.name);
        item->setText(TargetColumn, link.target);
        item->setText(KeyColumn, QString::number(link.key));
    }
}

void QuicklinksDialog::rowClicked(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const int form = Quicklinks::FormCaptions.indexOf(item->text(FormColumn));
    if (form >= 0)
        m_forms->button(form)->setChecked(true);
    m_name->setText(item->text(NameColumn));
    m_target->setText(item->text(TargetColumn));
}

void QuicklinksDialog::resetInput()
{
    m_name->setText(NamePlaceholder);
    m_target->setText(TargetPlaceholder);
    m_forms->button(0)->setChecked(true);
}

void QuicklinksDialog::addLink()
{
    if (m_name->text() == NamePlaceholder) {
        m_ctx.boxes->information(this, NoNameText);
        return;
    }
    if (m_target->text() == TargetPlaceholder) {
        m_ctx.boxes->information(this, NoTargetText);
        return;
    }
    Quicklinks::add(m_store.favoritendb(), formIndex(), m_name->text(), m_target->text());
    fillList();
    resetInput();
}

void QuicklinksDialog::changeLink()
{
    QTreeWidgetItem* item = m_list->currentItem();
    // an edit still showing its placeholder counts as empty: the placeholder is no name
    const bool empty = m_name->text().isEmpty() || m_target->text().isEmpty() ||
                       m_name->text() == NamePlaceholder || m_target->text() == TargetPlaceholder;
    if (!item || !item->isSelected() || empty)
        return;
    Quicklinks::change(m_store.favoritendb(), item->text(KeyColumn).toInt(), formIndex(),
                       m_name->text(), m_target->text());
    fillList();
    resetInput();
}

void QuicklinksDialog::removeLink()
{
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return;
    if (m_ctx.boxes->show(this, ui::MessageBoxes::Kind::Information, RemoveText,
                          ui::MessageBoxes::Ok | ui::MessageBoxes::Cancel) != ui::MessageBoxes::Ok)
        return;
    Quicklinks::remove(m_store.favoritendb(), item->text(KeyColumn).toInt());
    fillList();
}

void QuicklinksDialog::chooseProgram()
{
    const QString file =
        m_ctx.files->openFile(this, QStringLiteral("Datei suchen"),
                              QStringLiteral("Programme (*.exe);;Alle Dateien (*)"));
    if (!file.isEmpty())
        m_target->setText(file);
}

bool QuicklinksDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_name && m_name->text() == NamePlaceholder)
            m_name->clear();
        else if (watched == m_target && m_target->text() == TargetPlaceholder)
            m_target->clear();
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == m_target) {
        command([this] { chooseProgram(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korvel::app
