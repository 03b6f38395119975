#pragma once

#include "app/ListSearch.h"

#include <QObject>
#include <QTimer>

class QAbstractButton;
class QComboBox;
class QLineEdit;

namespace korvel::app {

class MovieListModel;
class MovieListView;

// The quick search of the task panel (search box Edit1, clear button, selector ComboBox1)
// and the type-ahead of the movie list. Both work on the rows and texts the list shows;
// only emptying the search text brings back rows a search removed.
class SearchController : public QObject
{
    Q_OBJECT

  public:
    static constexpr int kSearchDelayMs = 400;

    SearchController(QLineEdit* box, QAbstractButton* clear, QComboBox* selector,
                     MovieListView* list, MovieListModel* model, QObject* parent = nullptr);

    // key_timer elapsed: narrow the shown rows to those with the search text.
    void search();
    // Every row of the last fill again, as after Backspace or Delete in the search box.
    void reload();
    // The selector changed or the clear button was pressed: an empty search box and all rows.
    void clearAndReload();

    const QTimer& searchTimer() const { return m_searchTimer; }
    const QTimer& resetTimer() const { return m_resetTimer; }
    QString typeAheadPrefix() const { return m_typeAhead.prefix(); }

  signals:
    void statusTextChanged(const QString& text);
    // A key was released in the search box: the info panel's loan box closes.
    void loanBoxCollapseRequested();
    // A search is about to run: the info panel shows nothing (clearshortinfo).
    void infoPanelClearRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void keyReleased(int key);
    void typed(QChar c);

    QLineEdit* m_box;
    QComboBox* m_selector;
    MovieListView* m_list;
    MovieListModel* m_model;
    QTimer m_searchTimer; // key_timer
    QTimer m_resetTimer;  // keyreset
    TypeAhead m_typeAhead;
    LocaleUpper m_upper;
};

} // namespace korvel::app
