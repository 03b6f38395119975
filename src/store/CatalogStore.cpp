#include "store/CatalogStore.h"

namespace korvel::store {

CatalogStore::CatalogStore()
{
    const auto make = [this](const char* name, QStringList sql) {
        return std::make_unique<RecordSet>(m_db, QString::fromLatin1(name), sql);
    };
    m_haupt = make("haupt", {QStringLiteral("select *from haupt "), QStringLiteral("order by titel")});
    m_sprachen = make("sprachen", {QStringLiteral("select *from sprachen")});
    m_untertitel = make("untertitel", {QStringLiteral("select *from untertitel")});
    m_prg = make("prg", {QStringLiteral("select *from prg")});
    m_favoritendb = make("favoritendb", {QStringLiteral("select *from favoriten"),
                                         QStringLiteral("order by formularnummer, name")});
    m_genres = make("genres", {QStringLiteral("select *from genres order by genre_name")});
    m_wunschliste = make("wunschliste", {});
    m_tempVerleih = make("temp_verleih", {});
    m_dao = make("dao", {QStringLiteral("alter table haupt"), QStringLiteral("alter column"),
                         QStringLiteral("titel"), QStringLiteral("varchar(80)")});
}

RecordSet* CatalogStore::component(const QString& name)
{
    for (RecordSet* rs : {m_haupt.get(), m_sprachen.get(), m_untertitel.get(), m_prg.get(),
                          m_favoritendb.get(), m_genres.get(), m_wunschliste.get(),
                          m_tempVerleih.get(), m_dao.get()})
        if (rs->name() == name)
            return rs;
    return nullptr;
}

} // namespace korvel::store
