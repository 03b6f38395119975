#include "BenchCatalog.h"

#include "store/CatalogDatabase.h"
#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"
#include "store/SchemaUpgrade.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <sqlite3.h>

#include <limits>

namespace korvel::bench {

namespace {
const QStringList kWords{QStringLiteral("Der"),      QStringLiteral("Herr"),   QStringLiteral("Ringe"),
                         QStringLiteral("Matrix"),   QStringLiteral("Nacht"),  QStringLiteral("Stadt"),
                         QStringLiteral("König"),    QStringLiteral("Rückkehr"), QStringLiteral("Ärger"),
                         QStringLiteral("Schatten"), QStringLiteral("Sturm"),  QStringLiteral("Liebe"),
                         QStringLiteral("Zeit"),     QStringLiteral("Reise"),  QStringLiteral("Spiel")};
const QStringList kNames{QStringLiteral("Keanu Reeves"), QStringLiteral("Carrie-Anne Moss"),
                         QStringLiteral("Götz George"),  QStringLiteral("Til Schweiger"),
                         QStringLiteral("Moritz Bleibtreu"), QStringLiteral("Franka Potente"),
                         QStringLiteral("Jürgen Vogel"), QStringLiteral("Sophie Müller")};

QString words(QRandomGenerator& r, int n, const QStringList& from)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << from[int(r.bounded(from.size()))];
    return out.join(QLatin1Char(' '));
}
} // namespace

void generateCatalog(const QString& path, int entries)
{
    QFile::remove(path);
    store::CatalogDatabase::createEmptyFile(path);
    store::CatalogStore catalog;
    store::CatalogDatabase& db = catalog.database();
    db.setPath(path);
    db.connect();
    store::CatalogSchema::createEmptyCatalog(db);
    store::updateto16(catalog);
    QRandomGenerator r(42);
    store::Transaction t(db);
    sqlite3* h = db.handle();
    sqlite3_stmt* main = nullptr;
    sqlite3_stmt* audio = nullptr;
    sqlite3_stmt* sub = nullptr;
    sqlite3_prepare_v2(h,
                       "insert into haupt (nummer,titel,darsteller,regie,musik,genre,datum,laufzeit,"
                       "dvdtyp,mastering,bildtyp,bildformat,beschreibung,fsk,wertung,verliehen,"
                       "originaltitel,ean,region,preis,visiblenr,eingabedatum,medienanzahl) values "
                       "(?,?,?,?,?,?,?,?,'DVD-9','Original-DVD','0','1',?,?,?,'Nein',?,?,'2',?,?,"
                       "'2026-01-02 00:00:00',1)",
                       -1, &main, nullptr);
    sqlite3_prepare_v2(h, "insert into sprachen (nummer,sprache,tonformat,kanaele) values (?,?,?,?)",
                       -1, &audio, nullptr);
    sqlite3_prepare_v2(h, "insert into untertitel (nummer,sprache,attribute) values (?,?,?)", -1,
                       &sub, nullptr);
    const auto text = [](sqlite3_stmt* st, int i, const QString& s) {
        const QByteArray b = s.toUtf8();
        sqlite3_bind_text(st, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    };
    for (int n = 1; n <= entries; ++n) {
        text(main, 1, QString::number(n));
        text(main, 2, words(r, 2 + int(r.bounded(4)), kWords));
        text(main, 3, words(r, 4 + int(r.bounded(6)), kNames));
        text(main, 4, words(r, 1, kNames));
        text(main, 5, words(r, 1, kNames));
        text(main, 6, QStringLiteral("Drama"));
        text(main, 7, QString::number(1950 + n % 75));
        text(main, 8, QString::number(80 + n % 90));
        text(main, 9, words(r, 60 + int(r.bounded(60)), kWords));
        text(main, 10, QStringLiteral("12"));
        sqlite3_bind_int(main, 11, n % 11);
        text(main, 12, words(r, 3, kWords));
        text(main, 13, QStringLiteral("400638133393"));
        sqlite3_bind_double(main, 14, 9.99 + n % 20);
        sqlite3_bind_int(main, 15, n);
        sqlite3_step(main);
        sqlite3_reset(main);
        for (const char* lang : {"Deutsch", "Englisch"}) {
            sqlite3_bind_int(audio, 1, n);
            text(audio, 2, QString::fromLatin1(lang));
            text(audio, 3, QStringLiteral("Dolby AC-3"));
            text(audio, 4, QStringLiteral("5.1"));
            sqlite3_step(audio);
            sqlite3_reset(audio);
            sqlite3_bind_int(sub, 1, n);
            text(sub, 2, QString::fromLatin1(lang));
            text(sub, 3, QStringLiteral("caption/normal size char"));
            sqlite3_step(sub);
            sqlite3_reset(sub);
        }
    }
    sqlite3_finalize(main);
    sqlite3_finalize(audio);
    sqlite3_finalize(sub);
    t.commit();
}

double bestOf(int runs, const std::function<void()>& fn)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        fn();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace korvel::bench
