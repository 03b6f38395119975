#include "store/EntryNumbers.h"

#include "store/RecordSet.h"

#include <limits>
#include <utility>

namespace korvel::store {

namespace {
// Hoare partitioning around the middle element. The smaller side is sorted by recursion and
// the larger one by the loop, so a bad split costs time but never stack depth.
void quicksort(QList<int>& a, qsizetype lo, qsizetype hi)
{
    while (lo < hi) {
        const int pivot = a[lo + (hi - lo) / 2];
        qsizetype i = lo;
        qsizetype j = hi;
        while (i <= j) {
            while (a[i] < pivot)
                ++i;
            while (a[j] > pivot)
                --j;
            if (i <= j) {
                std::swap(a[i], a[j]);
                ++i;
                --j;
            }
        }
        if (j - lo < hi - i) {
            quicksort(a, lo, j);
            lo = i;
        } else {
            quicksort(a, i, hi);
            hi = j;
        }
    }
}
} // namespace

void EntryNumbers::addnumber(int n)
{
    m_numbers.insert(n);
}

void EntryNumbers::deletenumber(int n)
{
    m_numbers.remove(n);
}

int EntryNumbers::getnextfreenumber() const
{
    if (m_numbers.isEmpty())
        return 1;
    const QList<int> a = numbers();
    for (qsizetype i = 0; i + 1 < a.size(); ++i)
        if (a[i] + 1 != a[i + 1])
            return a[i] + 1;
    // the largest number a column can hold has no successor; proposing it again is harmless,
    // as duplicates are allowed
    return a.last() < std::numeric_limits<int>::max() ? a.last() + 1 : a.last();
}

QList<int> EntryNumbers::numbers() const
{
    QList<int> a(m_numbers.cbegin(), m_numbers.cend());
    ArraySort(a);
    return a;
}

void EntryNumbers::ArraySort(QList<int>& values)
{
    if (values.size() > 1)
        quicksort(values, 0, values.size() - 1);
}

int EntryNumbers::nextEntryKey(RecordSet& haupt)
{
    BorrowedQuery q(haupt,
                    {QStringLiteral("select *from haupt"), QStringLiteral("order by nummer")});
    if (q->atEnd())
        return 1;
    q->last();
    return int(q->integer(QStringLiteral("nummer"))) + 1;
}

} // namespace korvel::store
