#include "store/SchemaUpgrade.h"

#include "entry/DomainLists.h"
#include "store/CatalogStore.h"
#include "store/StoreError.h"

#include <QRegularExpression>

namespace korvel::store {

namespace SchemaUpgrade {

QString doneMessage()
{
    return QStringLiteral("Die Aktualisierung wurde durchgeführt. Das Datenbankformat entspricht "
                          "der aktuellsten Version.");
}

QString mediumTypeText(int code)
{
    static const char* const texts[] = {"DVD-5",    "DVD-9",     "DVD-10",     "DVD-18",
                                        "Video-CD", "SVideo-CD", "DivX-Video", "VHS"};
    return code >= 0 && code < 8 ? QString::fromLatin1(texts[code]) : QString();
}

// "Kopie (reauthored)" is what older versions meant by code 2; it is kept as it was written
// then, although today's list spells the kind "Kopie (re-authored)".
QString masteringText(int code)
{
    static const char* const texts[] = {"Original-DVD", "Kopie (1:1)", "Kopie (reauthored)",
                                        "Eigene Aufnahme"};
    return code >= 0 && code < 4 ? QString::fromLatin1(texts[code]) : QString();
}

bool isDecimalInteger(const QString& text, int* value)
{
    static const QRegularExpression re(QStringLiteral(R"(^[+-]?[0-9]+$)"));
    if (!re.match(text).hasMatch())
        return false;
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (ok && value)
        *value = v;
    return ok;
}

} // namespace SchemaUpgrade

namespace {

const QString kSelectHaupt = QStringLiteral("select *from haupt");
// Helps the one-entry lookups while loans move; never outlives the upgrade.
const QString kLoanIndex = QStringLiteral("korvel_upgrade_nummer");

class Upgrade
{
  public:
    Upgrade(CatalogStore& store, const UpgradeHooks& hooks)
        : m_store(store), m_db(store.database()), m_haupt(store.haupt()), m_hooks(hooks)
    {
    }

    UpgradeResult run()
    {
        const QStringList listQuery = m_haupt.sql();
        const QStringList sprachenSql = m_store.sprachen().sql();
        {
            Transaction transaction(m_db);
            try {
                steps(listQuery, sprachenSql);
                transaction.commit();
            } catch (...) {
                // Cursors must be gone before the transaction rolls back.
                m_haupt.close();
                m_store.sprachen().close();
                m_store.tempVerleih().close();
                m_haupt.setSql(listQuery);
                m_store.sprachen().setSql(sprachenSql);
                throw;
            }
        }
        return m_result;
    }

  private:
    void step(int n)
    {
        if (m_hooks.beforeStep)
            m_hooks.beforeStep(n);
    }

    void statement(const QString& sql)
    {
        if (m_hooks.beforeStatement)
            m_hooks.beforeStatement(sql);
        m_result.statements << sql;
        m_db.execute(sql);
    }

    void statements(std::initializer_list<const char*> sql)
    {
        for (const char* s : sql)
            statement(QString::fromUtf8(s));
    }

    void steps(const QStringList& listQuery, const QStringList& sprachenSql)
    {
        UpgradeFindings& f = m_result.findings;

        step(1);
        f.hasWunschliste = m_db.hasTable(QStringLiteral("wunschliste"));
        f.hasGenres = m_db.hasTable(QStringLiteral("genres"));

        step(2);
        m_haupt.close();
        RecordSet& sprachen = m_store.sprachen();
        sprachen.close();
        sprachen.setSql({QStringLiteral("Select *from sprachen")});
        sprachen.open();
        f.noKanaele = !sprachen.hasColumn(QStringLiteral("kanaele"));
        sprachen.close();
        sprachen.setSql(sprachenSql);

        step(3);
        m_haupt.setSql({kSelectHaupt});
        m_haupt.open();
        f.noFsk = !m_haupt.hasColumn(QStringLiteral("fsk"));
        f.noCoverThumb = !m_haupt.hasColumn(QStringLiteral("cover_thumb"));
        f.noWertung = !m_haupt.hasColumn(QStringLiteral("wertung"));
        f.noVerliehen = !m_haupt.hasColumn(QStringLiteral("verliehen"));
        f.noOriginaltitel = !m_haupt.hasColumn(QStringLiteral("originaltitel"));
        f.noVisiblenr = !m_haupt.hasColumn(QStringLiteral("visiblenr"));

        step(4);
        // An empty catalog has no first record and so nothing to convert.
        f.dvdtypIsNumber = !m_haupt.atEnd() &&
                           SchemaUpgrade::isDecimalInteger(m_haupt.text(QStringLiteral("dvdtyp")));
        if (f.dvdtypIsNumber) {
            convertCodes();
            m_haupt.first();
        }

        step(5);
        f.visiblenrIsText = m_haupt.hasColumn(QStringLiteral("visiblenr")) &&
                            m_haupt.isShortText(QStringLiteral("visiblenr"));
        m_haupt.close();

        step(6);
        if (f.noKanaele)
            statement(QStringLiteral("ALTER TABLE sprachen ADD COLUMN kanaele varchar(12)"));
        step(7);
        if (f.noFsk)
            statement(QStringLiteral("ALTER TABLE haupt ADD COLUMN fsk varchar(10)"));
        step(8);
        if (f.noCoverThumb)
            statement(QStringLiteral("ALTER TABLE haupt ADD COLUMN cover_thumb IMAGE"));
        step(9);
        if (f.noWertung)
            statement(QStringLiteral("ALTER TABLE haupt ADD COLUMN wertung INTEGER"));

        step(10);
        if (f.noVerliehen)
            moveLoans();

        step(11);
        if (f.noOriginaltitel) {
            statements({"ALTER TABLE haupt ADD COLUMN originaltitel varchar(80)",
                        "ALTER TABLE haupt ADD COLUMN ean varchar(12)",
                        "ALTER TABLE haupt ADD COLUMN kommentar memo",
                        "ALTER TABLE haupt ADD COLUMN region varchar(1)",
                        "ALTER TABLE haupt ADD COLUMN dvdextras memo",
                        "ALTER TABLE haupt ADD COLUMN preis double"});
        } else {
            m_haupt.open();
            const bool shortKommentar = m_haupt.isShortText(QStringLiteral("kommentar"));
            m_haupt.close();
            if (shortKommentar)
                statements({"ALTER TABLE haupt ALTER COLUMN kommentar memo",
                            "ALTER TABLE haupt ALTER COLUMN dvdextras memo"});
        }

        step(12);
        if (!f.hasWunschliste)
            statements({"CREATE TABLE wunschliste",
                        "ALTER TABLE wunschliste ADD COLUMN nummer integer",
                        "ALTER TABLE wunschliste ADD COLUMN titel varchar(80)",
                        "ALTER TABLE wunschliste ADD COLUMN preis double",
                        "ALTER TABLE wunschliste ADD COLUMN releasedatum varchar(10)",
                        "ALTER TABLE wunschliste ADD COLUMN kauflink varchar(255)",
                        "ALTER TABLE wunschliste ADD COLUMN internetlink varchar(255)"});

        step(13);
        if (!f.hasGenres) {
            statements(
                {"CREATE TABLE genres", "ALTER TABLE genres ADD COLUMN genre_name varchar(40)"});
            for (const QString& name : entry::DomainLists::defaultGenres())
                statement(QStringLiteral("INSERT INTO genres (genre_name) VALUES ('") + name +
                          QStringLiteral("')"));
        }

        step(14);
        if (f.visiblenrIsText) {
            statements({"ALTER TABLE haupt ALTER COLUMN visiblenr integer",
                        "ALTER TABLE haupt ALTER COLUMN darsteller memo",
                        "ALTER TABLE haupt ADD COLUMN eingabedatum date",
                        "ALTER TABLE haupt ADD COLUMN medienanzahl integer"});
            numberEntries();
        }

        step(15);
        if (f.noVisiblenr) {
            statements({"ALTER TABLE haupt ALTER COLUMN darsteller memo",
                        "ALTER TABLE haupt ADD COLUMN visiblenr integer",
                        "ALTER TABLE haupt ADD COLUMN eingabedatum date",
                        "ALTER TABLE haupt ADD COLUMN medienanzahl integer"});
            numberEntries();
        }

        step(16);
        if (f.noCoverThumb)
            widenColumns();

        step(17);
        m_haupt.open();
        const bool shortDarsteller = m_haupt.isShortText(QStringLiteral("darsteller"));
        m_haupt.close();
        if (shortDarsteller)
            statement(QStringLiteral("ALTER TABLE haupt ALTER COLUMN darsteller memo"));

        step(18);
        m_haupt.setSql(listQuery);
    }

    // Older versions stored the medium type and the mastering kind as item numbers.
    void convertCodes()
    {
        const int dvdtyp = m_haupt.fieldIndex(QStringLiteral("dvdtyp"));
        const int mastering = m_haupt.fieldIndex(QStringLiteral("mastering"));
        for (; !m_haupt.atEnd(); m_haupt.next()) {
            int medium = -1;
            int master = -1;
            const bool mediumIsNumber =
                SchemaUpgrade::isDecimalInteger(m_haupt.text(dvdtyp), &medium);
            const bool masterIsNumber =
                SchemaUpgrade::isDecimalInteger(m_haupt.text(mastering), &master);
            const QString mediumText =
                mediumIsNumber ? SchemaUpgrade::mediumTypeText(medium) : QString();
            const QString masterText =
                masterIsNumber ? SchemaUpgrade::masteringText(master) : QString();
            if (mediumText.isEmpty() && masterText.isEmpty())
                continue; // numbers outside the lists stay as they are
            m_haupt.edit();
            if (!mediumText.isEmpty())
                m_haupt.setText(QStringLiteral("dvdtyp"), mediumText);
            if (!masterText.isEmpty())
                m_haupt.setText(QStringLiteral("mastering"), masterText);
            m_haupt.post();
            ++m_result.convertedEntries;
        }
    }

    void moveLoans()
    {
        statements({"ALTER TABLE haupt ADD COLUMN verliehen varchar(4)",
                    "ALTER TABLE haupt ADD COLUMN verliehen_an varchar(50)",
                    "ALTER TABLE haupt ADD COLUMN verliehen_datum varchar(10)",
                    "ALTER TABLE haupt ADD COLUMN verliehen_kommentar varchar(100)"});
        m_db.execute(QStringLiteral("create index %1 on haupt (nummer)").arg(kLoanIndex));

        RecordSet& verleih = m_store.tempVerleih();
        verleih.close();
        verleih.setSql({QStringLiteral("select *from verleih order by nummer")});
        verleih.open();

        // Every entry starts as not lent: one write for all rows rather than one per row.
        m_db.execute(QStringLiteral("update haupt set verliehen = 'Nein'"));

        const QStringList saved = m_haupt.sql();

        for (; !verleih.atEnd(); verleih.next()) {
            // A loan row without an entry number, or for an entry deleted since, has nowhere
            // to go; it stays in the old table like every other row.
            const QString nummer = verleih.text(QStringLiteral("nummer"));
            if (!SchemaUpgrade::isDecimalInteger(nummer))
                continue;
            m_haupt.setSql({QStringLiteral("select *from haupt where nummer = ") + nummer});
            m_haupt.open();
            if (!m_haupt.atEnd()) {
                m_haupt.edit();
                m_haupt.setText(QStringLiteral("verliehen"), QStringLiteral("Ja"));
                m_haupt.setText(QStringLiteral("verliehen_an"),
                                verleih.text(QStringLiteral("verliehen_an")));
                m_haupt.setText(QStringLiteral("verliehen_datum"),
                                verleih.text(QStringLiteral("verleihdatum")));
                m_haupt.setText(QStringLiteral("verliehen_kommentar"),
                                verleih.text(QStringLiteral("bemerkungen")));
                m_haupt.post();
                ++m_result.movedLoans;
            }
            m_haupt.close();
        }
        m_haupt.setSql(saved);
        verleih.close();
        m_db.execute(QStringLiteral("drop index %1").arg(kLoanIndex));
    }

    // Each entry's visible number becomes its key, on one disc; the day of entry stays
    // unknown. The same assignment for every row, so one write does it.
    void numberEntries()
    {
        m_result.numberedEntries +=
            m_db.execute(QStringLiteral("update haupt set visiblenr = nummer, medienanzahl = 1"));
    }

    // Widths through the dao component, whose third and fourth lines name the column and
    // its type. A width change never cuts a stored text: a column that holds longer texts
    // than the new width keeps its wider width.
    void widenColumns()
    {
        static const std::pair<const char*, int> widths[] = {
            {"titel", 80},    {"regie", 80},
            {"musik", 80},    {"laufzeit", 10},
            {"datum", 12},    {"genre", 40},
            {"fsk", 10},      {"produzent", 100},
            {"buch", 100},    {"visuelle_effekte", 100},
            {"kostueme", 100}};
        RecordSet& dao = m_store.dao();
        for (const auto& [name, width] : widths) {
            const QString column = QString::fromLatin1(name);
            if (wouldCut(column, width))
                continue;
            dao.setSqlLine(2, column);
            dao.setSqlLine(3, QStringLiteral("varchar(%1)").arg(width));
            const QString sql = dao.sqlText();
            if (m_hooks.beforeStatement)
                m_hooks.beforeStatement(sql);
            m_result.statements << sql;
            dao.execute(sql);
        }
    }

    bool wouldCut(const QString& column, int width)
    {
        for (const CatalogDatabase::Column& c : m_db.columns(QStringLiteral("haupt"))) {
            if (c.name.compare(column, Qt::CaseInsensitive) != 0)
                continue;
            if (c.type.kind == ColumnType::ShortText && c.type.width <= width)
                return false;
            RecordSet longer(m_db, QStringLiteral("width check"),
                             {QStringLiteral("select 1 from haupt where typeof(%1) = 'text' and "
                                             "length(%1) > %2 limit 1")
                                  .arg(quoteIdentifier(c.name))
                                  .arg(width)});
            longer.open();
            return !longer.atEnd();
        }
        return false; // a missing column fails in the statement with the engine's message
    }

    CatalogStore& m_store;
    CatalogDatabase& m_db;
    RecordSet& m_haupt;
    const UpgradeHooks& m_hooks;
    UpgradeResult m_result;
};

} // namespace

UpgradeResult updateto16(CatalogStore& store, const UpgradeHooks& hooks)
{
    return Upgrade(store, hooks).run();
}

} // namespace korvel::store
