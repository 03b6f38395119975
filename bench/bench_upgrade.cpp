// Upgrading an old-layout catalog of 100,000 entries (medium type and mastering numbers,
// loans in the old loan table, no visible numbers, narrow columns), and compacting a catalog
// of 100,000 entries against the sqlite3 command-line tool's VACUUM INTO on the same file.
#include "BenchCatalog.h"

#include "store/CatalogLifecycle.h"
#include "store/CatalogStore.h"
#include "store/SchemaUpgrade.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

using namespace korvel;

namespace {

QStringList addColumns(const char* table, std::initializer_list<const char*> columns)
{
    QStringList out;
    for (const char* c : columns)
        out << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                   .arg(QLatin1String(table), QLatin1String(c));
    return out;
}

// The first catalog layout, written with the statements of its time.
void createOldCatalog(const QString& path, int entries, int loans)
{
    QFile::remove(path);
    store::CatalogDatabase::createEmptyFile(path);
    store::CatalogDatabase db;
    db.setPath(path);
    db.connect();
    store::Transaction t(db);
    QStringList ddl;
    for (const char* table : {"haupt", "sprachen", "untertitel", "favoriten", "prg", "verleih"})
        ddl << QStringLiteral("CREATE TABLE ") + QLatin1String(table);
    ddl << addColumns("haupt", {"nummer integer", "titel varchar(50)", "darsteller varchar(255)",
                                "regie varchar(50)", "musik varchar(50)", "genre varchar(30)",
                                "datum varchar(10)", "cover varchar(255)", "laufzeit varchar(5)",
                                "dvdtyp varchar(50)", "mastering varchar(25)",
                                "bildtyp varchar(10)", "bildformat varchar(25)",
                                "beschreibung memo", "buch varchar(50)", "produzent varchar(50)",
                                "visuelle_effekte varchar(50)", "kostueme varchar(50)"});
    ddl << addColumns("sprachen",
                      {"nummer integer", "sprache varchar(25)", "tonformat varchar(25)"});
    ddl << addColumns("untertitel",
                      {"nummer integer", "sprache varchar(25)", "attribute varchar(25)"});
    ddl << addColumns("favoriten", {"FormularNummer varchar(2)", "Nummer integer",
                                    "Name varchar(50)", "Pfad varchar(255)", "Symbol varchar(50)"});
    ddl << addColumns("prg", {"XPos integer", "YPos integer", "Width integer", "Height integer",
                              "FullScreen integer"});
    ddl << addColumns("verleih", {"Nummer integer", "Verliehen_An varchar(50)",
                                  "Verleihdatum varchar(12)", "Bemerkungen varchar(50)"});
    for (const QString& s : ddl)
        db.execute(s);

    QRandomGenerator r(7);
    const auto words = [&](int n) {
        static const char* const w[] = {"Der",      "Herr",     "Ringe", "Nacht", "Stadt", "König",
                                        "Rückkehr", "Schatten", "Sturm", "Liebe", "Zeit",  "Reise"};
        QStringList out;
        for (int i = 0; i < n; ++i)
            out << QString::fromUtf8(w[r.bounded(12)]);
        return out.join(QLatin1Char(' '));
    };
    sqlite3* h = db.handle();
    sqlite3_stmt* main = nullptr;
    sqlite3_stmt* audio = nullptr;
    sqlite3_stmt* loan = nullptr;
    sqlite3_prepare_v2(h,
                       "insert into haupt (nummer,titel,darsteller,regie,genre,datum,laufzeit,"
                       "dvdtyp,mastering,bildtyp,bildformat,beschreibung,produzent) values "
                       "(?,?,?,?,'Drama',?,?,?,?,'0','1',?,?)",
                       -1, &main, nullptr);
    sqlite3_prepare_v2(h, "insert into sprachen (nummer,sprache,tonformat) values (?,?,?)", -1,
                       &audio, nullptr);
    sqlite3_prepare_v2(h,
                       "insert into verleih (Nummer,Verliehen_An,Verleihdatum,Bemerkungen) "
                       "values (?,?,?,?)",
                       -1, &loan, nullptr);
    const auto text = [](sqlite3_stmt* st, int i, const QString& s) {
        const QByteArray b = s.toUtf8();
        sqlite3_bind_text(st, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    };
    for (int n = 1; n <= entries; ++n) {
        sqlite3_bind_int(main, 1, n);
        text(main, 2, words(2 + int(r.bounded(3))));
        text(main, 3, words(6));
        text(main, 4, words(2));
        text(main, 5, QString::number(1950 + n % 75));
        text(main, 6, QString::number(80 + n % 90));
        text(main, 7, QString::number(n % 9)); // 8 is outside the list and stays
        text(main, 8, QString::number(n % 4));
        text(main, 9, words(60 + int(r.bounded(60))));
        text(main, 10, words(2));
        sqlite3_step(main);
        sqlite3_reset(main);
        for (const char* lang : {"Deutsch", "Englisch"}) {
            sqlite3_bind_int(audio, 1, n);
            text(audio, 2, QString::fromLatin1(lang));
            text(audio, 3, QStringLiteral("Dolby AC-3"));
            sqlite3_step(audio);
            sqlite3_reset(audio);
        }
    }
    for (int i = 0; i < loans; ++i) {
        sqlite3_bind_int(loan, 1, 1 + int(r.bounded(entries)));
        text(loan, 2, words(2));
        text(loan, 3, QStringLiteral("24.12.2003"));
        text(loan, 4, words(3));
        sqlite3_step(loan);
        sqlite3_reset(loan);
    }
    sqlite3_finalize(main);
    sqlite3_finalize(audio);
    sqlite3_finalize(loan);
    t.commit();
}

bool copyFile(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::copy(from, to);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    constexpr int kEntries = 100000;
    constexpr int kLoans = 5000;

    // --- upgrade ---
    const QString old = dir.filePath(QStringLiteral("old.mdb"));
    createOldCatalog(old, kEntries, kLoans);
    const QString work = dir.filePath(QStringLiteral("upgrade.mdb"));
    store::UpgradeResult result;
    double upgrade = 0;
    for (int round = 0; round < 2; ++round) {
        copyFile(old, work);
        const double ms = bench::bestOf(1, [&] {
            store::CatalogStore s;
            s.database().setPath(work);
            s.database().connect();
            store::UpgradeHooks hooks;
            QElapsedTimer stepTimer;
            stepTimer.start();
            if (qEnvironmentVariableIsSet("KORVEL_BENCH_STEPS"))
                hooks.beforeStep = [&](int step) {
                    QTextStream(stderr)
                        << "step " << step << " at " << stepTimer.elapsed() << " ms\n";
                };
            result = store::updateto16(s, hooks);
        });
        upgrade = round == 0 ? ms : std::min(upgrade, ms);
    }
    out << QStringLiteral("upgrade of %1 old-layout entries (%2 converted, %3 loans moved, %4 "
                          "numbered, %5 statements): %6 ms (goal: under 10000 ms)\n")
               .arg(kEntries)
               .arg(result.convertedEntries)
               .arg(result.movedLoans)
               .arg(result.numberedEntries)
               .arg(result.statements.size())
               .arg(upgrade, 0, 'f', 0);
    out.flush();

    // --- compaction ---
    const QString source = dir.filePath(QStringLiteral("current.mdb"));
    bench::generateCatalog(source, kEntries);
    {
        // something to reclaim: every third entry deleted, as after years of use
        store::CatalogDatabase db;
        db.setPath(source);
        db.connect();
        db.execute(QStringLiteral("delete from haupt where nummer % 3 = 0"));
        db.execute(QStringLiteral("delete from sprachen where nummer % 3 = 0"));
        db.execute(QStringLiteral("delete from untertitel where nummer % 3 = 0"));
    }
    const QString sqlite3Tool = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (sqlite3Tool.isEmpty()) {
        out << "sqlite3 command-line tool not found: no compaction baseline\n";
        return 1;
    }
    const QString target = dir.filePath(QStringLiteral("compact.mdb"));
    const QString vacuumed = dir.filePath(QStringLiteral("vacuumed.mdb"));
    double tool = 0;
    double ours = 0;
    qint64 before = QFileInfo(source).size();
    qint64 after = 0;
    for (int round = 0; round < 3; ++round) {
        // alternate, so that neither side always finds the file in a warmer cache
        QFile::remove(vacuumed);
        const double t = bench::bestOf(1, [&] {
            QProcess::execute(sqlite3Tool,
                              {source, QStringLiteral("VACUUM INTO '%1'").arg(vacuumed)});
        });
        copyFile(source, target);
        store::CatalogStore s;
        s.database().setPath(target);
        s.database().connect();
        store::CatalogLifecycle::CompactOutcome outcome;
        const double o =
            bench::bestOf(1, [&] { outcome = store::CatalogLifecycle::compactCatalog(s); });
        after = outcome.after;
        tool = round == 0 ? t : std::min(tool, t);
        ours = round == 0 ? o : std::min(ours, o);
    }
    out << QStringLiteral("compaction of %1 entries (%2 -> %3 bytes): store %4 ms, sqlite3 tool "
                          "VACUUM INTO %5 ms, ratio %6 (goal: at most 2)\n")
               .arg(kEntries)
               .arg(before)
               .arg(after)
               .arg(ours, 0, 'f', 0)
               .arg(tool, 0, 'f', 0)
               .arg(ours / tool, 0, 'f', 2);
    return 0;
}
