// The movie list as the user sees it: the model filled from 10,000 and 100,000 entries and
// the view laid out and painted once (offscreen), against a plain sqlite3_step read of the
// same rows.
#include "BenchCatalog.h"

#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "store/CatalogStore.h"
#include "store/EntryNumbers.h"

#include <QApplication>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

using namespace korvel;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    for (int n : {10000, 100000}) {
        const QString path = dir.filePath(QStringLiteral("view%1.mdb").arg(n));
        bench::generateCatalog(path, n);
        store::CatalogStore s;
        s.database().setPath(path);
        s.database().connect();
        qint64 sink = 0;
        const double plain = bench::bestOf(3, [&] {
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(s.database().handle(),
                               "select nummer, visiblenr, titel, darsteller, regie, musik, genre, laufzeit "
                               "from haupt order by titel collate KORVEL_TEXT",
                               -1, &st, nullptr);
            while (sqlite3_step(st) == SQLITE_ROW)
                for (int c = 0; c < 8; ++c)
                    sink += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                              sqlite3_column_bytes(st, c))
                                .size();
            sqlite3_finalize(st);
        });
        app::MovieListModel model;
        app::MovieListView view;
        view.setModel(&model);
        view.resize(560, 480);
        view.show();
        const double shown = bench::bestOf(3, [&] {
            store::EntryNumbers numbers;
            model.fill(s, numbers);
            view.header()->resizeSection(0, 0);
            QApplication::processEvents();
            sink += view.grab().width(); // lays out and paints the first screen
        });
        if (sink == 42)
            out << "";
        out << QStringLiteral("list of %1 entries filled and painted: %2 ms, plain read %3 ms, ratio %4\n")
                   .arg(n)
                   .arg(shown, 0, 'f', 1)
                   .arg(plain, 0, 'f', 1)
                   .arg(shown / plain, 0, 'f', 2);
        out.flush();
    }
    return 0;
}
