// The main window's quick search, type-ahead and view setup.
#include "app/MainWindow.h"
#include "app/InfoPanelWidget.h"
#include "app/MovieListModel.h"
#include "app/SearchController.h"
#include "app/ViewSetupDialog.h"
#include "ui/AppContext.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace korvel::app {

void MainWindow::buildSearchAndViewSetup()
{
    m_searchController =
        new SearchController(m_search, m_clearSearch, m_searchField, m_list, m_listModel, this);
    connect(m_searchController, &SearchController::statusTextChanged, this,
            [this](const QString& text) { m_status[0]->setText(text); });
    connect(m_searchController, &SearchController::infoPanelClearRequested, this,
            [this] { clearshortinfo(); });
    connect(m_searchController, &SearchController::loanBoxCollapseRequested, this,
            [this] {
                if (m_infoPanel->loanBoxOpen()) {
                    m_infoPanel->collapseLoanBox();
                    m_infoPanel->badge()->hide();
                }
            });
    m_viewSetup = new ViewSetupDialog(*m_ctx.boxes, this);
}

void MainWindow::openViewSetup()
{
    m_viewSetup->prepare(listColumns());
    m_viewSetup->move(frameGeometry().topLeft() + QPoint(200, 40));
    if (m_viewSetup->exec() != QDialog::Accepted)
        return;
    setListColumns(m_viewSetup->columns(), MovieListModel::designKeyCaption());
    fillList();
}

} // namespace korvel::app
