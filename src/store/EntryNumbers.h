#pragma once

#include <QList>
#include <QSet>

namespace korvel::store {

class RecordSet;

// The visible numbers in use in the connected catalog, so that a new entry is offered the
// lowest free number above the smallest one in use. Each number is held at most once; a
// number typed twice by the user is still held once.
class EntryNumbers
{
  public:
    // Adds n unless it is held already.
    void addnumber(int n);
    // Removes n if it is held.
    void deletenumber(int n);
    // The number to propose for a new entry: 1 for an empty set, else the smallest gap above
    // the smallest number in use, or one above the largest. Numbers below the smallest one in
    // use are never proposed.
    int getnextfreenumber() const;

    bool contains(int n) const { return m_numbers.contains(n); }
    int size() const { return int(m_numbers.size()); }
    bool isEmpty() const { return m_numbers.isEmpty(); }
    // Emptied only when another catalog is switched to, right before the list is filled.
    void clear() { m_numbers.clear(); }
    // The numbers held, ascending.
    QList<int> numbers() const;

    // Sorts ascending in place: quicksort with the middle element of each range as pivot.
    static void ArraySort(QList<int>& values);

    // The entry key for a new entry: one more than the highest nummer in the catalog, 1 for
    // an empty catalog. Borrows haupt with "select *from haupt" / "order by nummer" and puts
    // its own query back.
    static int nextEntryKey(RecordSet& haupt);

  private:
    QSet<int> m_numbers;
};

} // namespace korvel::store
