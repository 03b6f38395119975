// Opening a catalog and reading every entry row through the store, against a plain
// sqlite3_step loop over the same query that touches the same column texts.
#include "BenchCatalog.h"

#include "store/CatalogStore.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

using namespace korvel;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    for (int n : {10000, 100000}) {
        const QString path = dir.filePath(QStringLiteral("bench%1.mdb").arg(n));
        bench::generateCatalog(path, n);

        qint64 sink = 0;
        const double plain = bench::bestOf(3, [&] {
            sqlite3* db = nullptr;
            sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db, "select *from haupt\r\norder by titel\r\n", -1, &st, nullptr);
            const int cols = sqlite3_column_count(st);
            while (sqlite3_step(st) == SQLITE_ROW)
                for (int c = 0; c < cols; ++c) {
                    const QString s = QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                        sqlite3_column_bytes(st, c));
                    sink += s.size();
                }
            sqlite3_finalize(st);
            sqlite3_close(db);
        });
        const double viaStore = bench::bestOf(3, [&] {
            store::CatalogStore s;
            s.database().setPath(path);
            s.database().connect();
            store::RecordSet& h = s.haupt();
            h.open();
            const QStringList names = h.columnNames();
            QVector<int> idx;
            for (const QString& c : names)
                idx << h.fieldIndex(c);
            while (!h.atEnd()) {
                for (int i : idx)
                    sink += h.text(i).size();
                h.next();
            }
            h.close();
        });
        if (sink == 42)
            out << "";
        out << QStringLiteral("open + read all %1 rows: store %2 ms, plain sqlite3_step %3 ms, ratio %4\n")
                   .arg(n)
                   .arg(viaStore, 0, 'f', 1)
                   .arg(plain, 0, 'f', 1)
                   .arg(viaStore / plain, 0, 'f', 2);
        out.flush();
    }
    return 0;
}
