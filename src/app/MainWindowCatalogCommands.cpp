// The main window's commands on the catalog file as a whole: create, switch, back up,
// compact and upgrade. The work is the store's; here the user is asked and told.
#include "app/MainWindow.h"

#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "app/QuicklinkPanel.h"
#include "app/Settings.h"
#include "store/CatalogLifecycle.h"
#include "ui/AppContext.h"
#include "ui/FileChooser.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace korvel::app {

namespace {
const QString kCatalogFilter = QStringLiteral("Filmdatenbank (*.mdb);;Alle Dateien (*.*)");
}

void MainWindow::showMessage(int kind, const QString& text)
{
    using Kind = store::CatalogLifecycle::Message::Kind;
    if (Kind(kind) == Kind::Information)
        m_ctx.boxes->information(this, text);
    else if (Kind(kind) == Kind::Error)
        m_ctx.boxes->error(this, text);
}

void MainWindow::createCatalog()
{
    namespace L = store::CatalogLifecycle;
    const QString chosen = m_ctx.files->saveFile(this, QStringLiteral("Leere Datenbank erstellen"), kCatalogFilter);
    if (chosen.isEmpty())
        return;
    const L::CreatePlan plan = L::planCreate(chosen, m_store.database().path());
    if (plan.next == L::CreatePlan::Next::Refused) {
        showMessage(int(plan.message.kind), plan.message.text);
        return;
    }
    if (plan.next == L::CreatePlan::Next::AskOverwrite && !m_ctx.boxes->confirm(this, L::Text::overwriteQuestion))
        return;
    const L::CreateOutcome outcome = L::createCatalog(m_store, plan.path);
    showMessage(int(outcome.message.kind), outcome.message.text);
}

void MainWindow::switchCatalog()
{
    namespace L = store::CatalogLifecycle;
    const QString chosen = m_ctx.files->openFile(this, QStringLiteral("Datenbank suchen"), kCatalogFilter);
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile())
        return;
    ui::WaitCursor wait;
    const L::SwitchOutcome outcome = L::switchCatalog(m_store, chosen);
    if (outcome.result != L::SwitchOutcome::Result::Switched) {
        showMessage(int(outcome.message.kind), outcome.message.text);
        return;
    }
    const QString path = m_store.database().path();
    m_ctx.settings->setText(Settings::Database, path);
    m_ctx.settings->sync();
    m_status[1]->setText(L::Text::connectedPrefix + path);
    m_lent.reload(m_store);
    m_numbers.clear();
    m_search->clear();
    fillList(); // the list query keeps its order clause: the sort survives the switch
    restoreGeometryRow();
    m_quicklinkPanel->rebuild();
    applyLayoutHeights();
}

void MainWindow::backupCatalog()
{
    namespace L = store::CatalogLifecycle;
    const QString folder = m_ctx.files->chooseFolder(this, QStringLiteral("Ordner suchen"));
    if (folder.isEmpty())
        return;
    ui::WaitCursor wait;
    const L::BackupOutcome outcome = L::backupCatalog(m_store.database().path(), folder);
    showMessage(int(outcome.message.kind), outcome.message.text);
}

void MainWindow::compactCatalog()
{
    ui::WaitCursor wait;
    const store::CatalogLifecycle::CompactOutcome outcome = store::CatalogLifecycle::compactCatalog(m_store);
    showMessage(int(outcome.message.kind), outcome.message.text);
}

void MainWindow::upgradeCatalog()
{
    ui::WaitCursor wait;
    const store::CatalogLifecycle::Message m = store::CatalogLifecycle::upgradeCatalog(m_store);
    showMessage(int(m.kind), m.text);
}

} // namespace korvel::app
