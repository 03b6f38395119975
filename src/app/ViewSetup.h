#pragma once

#include "app/ColumnLayout.h"

#include <QList>
#include <QStringList>

namespace korvel::app {

// The two lists of the view setup: "Vorhanden", the columns to show in order with their
// widths, and "Verfügbar", the captions that can still be added (width 0). Rows travel
// between them by dragging; "Titel" and "Nummer" never leave "Vorhanden".
class ViewSetup
{
  public:
    enum class List
    {
        Present,  // "Vorhanden"
        Available // "Verfügbar"
    };
    static constexpr int kNewColumnWidth = 150;

    ViewSetup() = default;
    // The lists for the movie list's columns after the key column (captions of the key
    // column, "keines" or "keine", are left out should they appear).
    explicit ViewSetup(const QList<ListColumn>& shown);

    const QList<ListColumn>& present() const { return m_present; }
    const QList<ListColumn>& available() const { return m_available; }
    QStringList captions(List list) const;
    // The captions shown when the setup was opened.
    const QStringList& opened() const { return m_opened; }

    // Whether the row may be dropped on that list: anything may go to "Vorhanden"; only
    // "Vorhanden" rows other than "Titel" and "Nummer" may go to "Verfügbar".
    bool canDrop(List from, int row, List to) const;
    // Moves a row before the row beforeRow of the target (at the end when beforeRow is out of
    // range, as when dropped below the last row). Returns false when refused or out of range.
    bool drop(List from, int row, List to, int beforeRow);

    // Changed when "Vorhanden" differs from the opening captions in number or order.
    bool changed() const;
    // The movie list's new columns: every "Vorhanden" row, a width of 0 giving 150 pixels.
    QList<ListColumn> columns() const;

  private:
    QList<ListColumn>& list(List which) { return which == List::Present ? m_present : m_available; }
    const QList<ListColumn>& list(List which) const
    {
        return which == List::Present ? m_present : m_available;
    }

    QList<ListColumn> m_present;
    QList<ListColumn> m_available;
    QStringList m_opened;
};

} // namespace korvel::app
