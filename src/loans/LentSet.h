#pragma once

#include <QHash>
#include <QString>

namespace korvel::store {
class CatalogStore;
}

namespace korvel::loans {

// The lent entries of the open catalog, kept in memory: the list colours their rows and the
// info panel shows the loan.
class LentSet
{
public:
    struct Loan
    {
        QString borrower;
        QString date;
        QString remark;
    };

    // Empties the set and fills it from the catalog's lent entries; the list query of the
    // haupt component is put back afterwards.
    void reload(store::CatalogStore& store);
    void clear() { m_loans.clear(); }
    bool contains(int key) const { return m_loans.contains(key); }
    const QHash<int, Loan>& loans() const { return m_loans; }
    void insert(int key, const Loan& loan) { m_loans.insert(key, loan); }
    void remove(int key) { m_loans.remove(key); }

private:
    QHash<int, Loan> m_loans;
};

} // namespace korvel::loans
