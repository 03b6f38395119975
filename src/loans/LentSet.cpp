#include "loans/LentSet.h"

#include "store/CatalogStore.h"

namespace korvel::loans {

void LentSet::reload(store::CatalogStore& store)
{
    m_loans.clear();
    store::BorrowedQuery q(store.haupt(), {QStringLiteral("select *from haupt where verliehen = 'Ja'")});
    const int key = q->fieldIndex(QStringLiteral("nummer"));
    const int borrower = q->fieldIndex(QStringLiteral("verliehen_an"));
    const int date = q->fieldIndex(QStringLiteral("verliehen_datum"));
    const int remark = q->fieldIndex(QStringLiteral("verliehen_kommentar"));
    for (; !q->atEnd(); q->next())
        m_loans.insert(q->text(key).toInt(), {q->text(borrower), q->text(date), q->text(remark)});
}

} // namespace korvel::loans
