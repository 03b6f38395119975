// Filling the movie list model from the catalog, and a header click that re-sorts it,
// against a plain sqlite3_step loop over the same query on the same connection that turns
// the same cells into QStrings.
#include "BenchCatalog.h"

#include "app/ColumnVocabulary.h"
#include "app/MovieListModel.h"
#include "store/CatalogDatabase.h"
#include "store/CatalogStore.h"
#include "store/EntryNumbers.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

using namespace korvel;

namespace {
// VmHWM / VmRSS of this process in MB.
double statusMb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Reads every row of the query, turning the key, the visible number and the shown columns'
// texts into QStrings, as a list needs at the least.
double plainRead(sqlite3* db, const QString& sql, const QStringList& fields, qint64& sink)
{
    return bench::bestOf(3, [&] {
        sqlite3_stmt* st = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &st, nullptr);
        QList<int> cols;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            const QString name = QString::fromUtf8(sqlite3_column_name(st, c));
            if (fields.contains(name, Qt::CaseInsensitive))
                cols << c;
        }
        while (sqlite3_step(st) == SQLITE_ROW)
            for (int c : cols) {
                const QString s =
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                      sqlite3_column_bytes(st, c));
                sink += s.size();
            }
        sqlite3_finalize(st);
    });
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    qint64 sink = 0;
    for (int n : {10000, 100000}) {
        const QString path = dir.filePath(QStringLiteral("bench%1.mdb").arg(n));
        bench::generateCatalog(path, n);

        store::CatalogStore s;
        s.database().setPath(path);
        s.database().connect();
        app::MovieListModel model; // the design columns
        QStringList fields{QStringLiteral("nummer"), QStringLiteral("visiblenr")};
        for (const QString& c : model.shownCaptions())
            fields << app::ColumnVocabulary::getdbfieldname(c);

        const double rssBefore = statusMb("VmRSS:");
        const double plain =
            plainRead(s.database().handle(),
                      QStringLiteral("select *from haupt\r\norder by titel\r\n"), fields, sink);
        // the same columns only, as the fill reads them
        const QString projection =
            QStringLiteral("select %1 from haupt\r\norder by titel COLLATE %2\r\n")
                .arg(fields.join(QStringLiteral(", ")), QLatin1String(store::kTextCollation));
        const double plainColumns = plainRead(s.database().handle(), projection, fields, sink);
        store::EntryNumbers numbers;
        const double fill = bench::bestOf(3, [&] {
            s.haupt().setSql(
                {QStringLiteral("select *from haupt "), QStringLiteral("order by titel")});
            model.fill(s, numbers);
        });
        const double rssFilled = statusMb("VmRSS:");

        // header click on "Genre": the new order line and a refill; the baseline reads the
        // same order
        const double plainGenre = plainRead(
            s.database().handle(), QStringLiteral("select *from haupt\r\norder by Genre,titel\r\n"),
            fields, sink);
        const double click = bench::bestOf(3, [&] {
            s.haupt().setSql(
                {QStringLiteral("select *from haupt"), QStringLiteral("order by titel")});
            model.sortByColumnClick(5, s, numbers);
        });

        out << QStringLiteral("%1 entries: fill %2 ms, plain read %3 ms, ratio %4; plain read of "
                              "the shown columns only %5 ms, ratio %6\n")
                   .arg(n)
                   .arg(fill, 0, 'f', 1)
                   .arg(plain, 0, 'f', 1)
                   .arg(fill / plain, 0, 'f', 2)
                   .arg(plainColumns, 0, 'f', 1)
                   .arg(fill / plainColumns, 0, 'f', 2);
        out << QStringLiteral(
                   "%1 entries: header click (re-sort + refill) %2 ms, plain read %3 ms, "
                   "ratio %4\n")
                   .arg(n)
                   .arg(click, 0, 'f', 1)
                   .arg(plainGenre, 0, 'f', 1)
                   .arg(click / plainGenre, 0, 'f', 2);
        out << QStringLiteral("%1 entries: %2 rows held, RSS %3 MB before, %4 MB filled\n")
                   .arg(n)
                   .arg(model.rowCount())
                   .arg(rssBefore, 0, 'f', 1)
                   .arg(rssFilled, 0, 'f', 1);
        out.flush();
    }
    out << QStringLiteral("peak memory (VmHWM): %1 MB\n").arg(statusMb("VmHWM:"), 0, 'f', 1);
    if (sink == 42)
        out << "";
    return 0;
}
