#pragma once

// A fresh, upgraded catalog in a temporary folder, connected through a store, for tests that
// need real rows. Rows are inserted by SQL with their values bound.

#include "store/CatalogDatabase.h"
#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

namespace korvel::testsupport {

// Inserts one row into table with the given column values, bound as parameters.
inline void insertRow(store::CatalogDatabase& db, const QString& table, const QVariantMap& values)
{
    QStringList cols, params;
    QVariantMap bound;
    int i = 0;
    for (auto it = values.cbegin(); it != values.cend(); ++it, ++i) {
        cols << it.key();
        const QString p = QStringLiteral("p%1").arg(i);
        params << QLatin1Char(':') + p;
        bound.insert(p, it.value());
    }
    db.execute(QStringLiteral("insert into %1 (%2) values (%3)")
                   .arg(table, cols.join(QLatin1Char(',')), params.join(QLatin1Char(','))),
               bound);
}

class TempCatalog
{
  public:
    TempCatalog()
    {
        m_path = m_dir.filePath(QStringLiteral("movies.mdb"));
        store::CatalogSchema::createDefaultCatalogFile(m_path);
        m_store.database().setPath(m_path);
        m_store.database().connect();
    }

    store::CatalogStore& store() { return m_store; }
    store::CatalogDatabase& db() { return m_store.database(); }
    QString path() const { return m_path; }

    // Inserts one row into table with the given column values.
    void insert(const QString& table, const QVariantMap& values) { insertRow(m_store.database(), table, values); }

    // A movie entry with key and visible number and whatever else the test names.
    void insertEntry(int nummer, int visiblenr, QVariantMap more = {})
    {
        more.insert(QStringLiteral("nummer"), nummer);
        more.insert(QStringLiteral("visiblenr"), visiblenr);
        insert(QStringLiteral("haupt"), more);
    }

  private:
    QTemporaryDir m_dir;
    QString m_path;
    store::CatalogStore m_store;
};

} // namespace korvel::testsupport
