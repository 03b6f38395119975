#pragma once

#include "store/CatalogDatabase.h"
#include "store/RecordSet.h"

#include <memory>

namespace korvel::store {

// The connection and the fixed set of named record-set components that every window reads
// and writes the catalog through. Each component starts with its design SQL text.
class CatalogStore
{
public:
    CatalogStore();

    CatalogDatabase& database() { return m_db; }

    RecordSet& haupt() { return *m_haupt; }
    RecordSet& sprachen() { return *m_sprachen; }
    RecordSet& untertitel() { return *m_untertitel; }
    RecordSet& prg() { return *m_prg; }
    RecordSet& favoritendb() { return *m_favoritendb; }
    RecordSet& genres() { return *m_genres; }
    RecordSet& wunschliste() { return *m_wunschliste; }
    RecordSet& tempVerleih() { return *m_tempVerleih; }
    RecordSet& dao() { return *m_dao; }

    // By the component's name ("haupt", "temp_verleih", ...); nullptr for an unknown name.
    RecordSet* component(const QString& name);

private:
    CatalogDatabase m_db;
    std::unique_ptr<RecordSet> m_haupt, m_sprachen, m_untertitel, m_prg, m_favoritendb, m_genres,
        m_wunschliste, m_tempVerleih, m_dao;
};

} // namespace korvel::store
