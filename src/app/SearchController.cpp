#include "app/SearchController.h"

#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "ui/WaitCursor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace korvel::app {

SearchController::SearchController(QLineEdit* box, QAbstractButton* clear, QComboBox* selector,
                                   MovieListView* list, MovieListModel* model, QObject* parent)
    : QObject(parent), m_box(box), m_selector(selector), m_list(list), m_model(model)
{
    m_searchTimer.setObjectName(QStringLiteral("key_timer"));
    m_searchTimer.setSingleShot(true);
    m_searchTimer.setInterval(kSearchDelayMs);
    connect(&m_searchTimer, &QTimer::timeout, this, &SearchController::search);
    m_resetTimer.setObjectName(QStringLiteral("keyreset"));
    m_resetTimer.setSingleShot(true);
    m_resetTimer.setInterval(TypeAhead::kResetMs);
    connect(&m_resetTimer, &QTimer::timeout, this, [this] { m_typeAhead.reset(); });

    m_box->installEventFilter(this);
    clear->setToolTip(QStringLiteral("Eingabe löschen"));
    connect(clear, &QAbstractButton::clicked, this, [this] {
        if (!m_box->text().isEmpty())
            clearAndReload();
    });

    // Editable, so that a caption can be typed; a typed text never becomes an item.
    m_selector->setEditable(true);
    m_selector->setInsertPolicy(QComboBox::NoInsert);
    // Only the user's changes count: the list fill refills the selector without a reload.
    connect(m_selector, &QComboBox::activated, this, [this] { clearAndReload(); });
    connect(m_selector->lineEdit(), &QLineEdit::textEdited, this, [this] { clearAndReload(); });

    connect(m_list, &MovieListView::characterTyped, this, &SearchController::typed);
}

bool SearchController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::KeyRelease)
        keyReleased(static_cast<QKeyEvent*>(event)->key());
    return QObject::eventFilter(watched, event);
}

void SearchController::keyReleased(int key)
{
    emit loanBoxCollapseRequested();
    m_searchTimer.start(); // restarts: the search runs after the last key
    // a shorter text may match rows the longer one removed
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        reload();
}

void SearchController::clearAndReload()
{
    m_box->clear();
    keyReleased(Qt::Key_Backspace);
}

void SearchController::reload()
{
    ui::WaitCursor wait;
    m_model->showAll();
    emit statusTextChanged(MovieListModel::statusTextFor(m_model->rowCount()));
}

void SearchController::search()
{
    m_searchTimer.stop();
    emit infoPanelClearRequested();
    const QString text = m_box->text();
    if (text.isEmpty() || m_model->rowCount() == 0)
        return;
    ui::WaitCursor wait;
    m_list->setUpdatesEnabled(false);
    const ListSearch::Scope scope =
        ListSearch::scopeFor(m_selector->currentIndex(), m_selector->currentText());
    m_model->showOnly(ListSearch::narrow(*m_model, text, scope, m_upper));
    emit statusTextChanged(MovieListModel::statusTextFor(m_model->rowCount()));
    m_list->setUpdatesEnabled(true);
}

void SearchController::typed(QChar c)
{
    const bool hasRows = m_model->rowCount() > 0 && !m_model->rowCells(0).isEmpty();
    switch (m_typeAhead.type(c, m_list->altGr(), hasRows)) {
    case TypeAhead::Action::Ignore:
        return;
    case TypeAhead::Action::Open:
        emit m_list->openRequested(m_list->currentRow() >= 0);
        return;
    case TypeAhead::Action::Restart:
        break;
    case TypeAhead::Action::Search: {
        m_resetTimer.stop();
        const int row = TypeAhead::findInList(*m_model, m_typeAhead.prefix(), m_upper);
        if (row >= 0) {
            const QModelIndex index = m_model->index(row, 0);
            m_list->selectionModel()->clearSelection();
            m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
            m_list->scrollTo(index);
        }
        break;
    }
    }
    m_resetTimer.start();
}

} // namespace korvel::app
