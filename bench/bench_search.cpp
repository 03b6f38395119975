// The quick search over 100,000 shown rows: one narrowing step (what runs when the search
// timer fires, all columns) and the reload on Backspace, against a plain scan that
// upper-cases every cell of the same rows and compares it with the same text.
#include "BenchCatalog.h"

#include "app/ListSearch.h"
#include "app/MovieListModel.h"
#include "store/CatalogStore.h"
#include "store/EntryNumbers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

using namespace korvel;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const int n = 100000;
    const QString path = dir.filePath(QStringLiteral("bench.mdb"));
    bench::generateCatalog(path, n);

    store::CatalogStore s;
    s.database().setPath(path);
    s.database().connect();
    app::MovieListModel model; // the design columns: 7 shown columns
    store::EntryNumbers numbers;
    model.fill(s, numbers);
    out << QStringLiteral("%1 rows, %2 columns, locale %3\n")
               .arg(model.rowCount())
               .arg(model.shownCaptions().size())
               .arg(QLocale().name());

    const app::ListSearch::Scope all = app::ListSearch::scopeFor(0, QStringLiteral("Alle"));
    const app::LocaleUpper upper;
    qint64 sink = 0;
    for (const QString& text : {QStringLiteral("mat"), QStringLiteral("xyz"),
                                QStringLiteral("rück"), QStringLiteral("min.")}) {
        // the baseline: every cell upper-cased and compared, no early end per row
        const QString needle = text.toUpper();
        const double plain = bench::bestOf(5, [&] {
            for (const auto& row : model.allRows())
                for (const QString& cell : row.cells)
                    sink += cell.toUpper().contains(needle) ? 1 : 0;
        });
        // best of five, each from the full list: the narrowing step, then the reload
        size_t kept = 0;
        double narrow = 1e9;
        double reload = 1e9;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer t;
            t.start();
            auto rows = app::ListSearch::narrow(model, text, all, upper);
            kept = rows.size();
            model.showOnly(std::move(rows));
            narrow = std::min(narrow, t.nsecsElapsed() / 1e6);
            t.restart();
            model.showAll();
            reload = std::min(reload, t.nsecsElapsed() / 1e6);
        }
        out << QStringLiteral("\"%1\": %2 rows kept; narrowing %3 ms, plain scan %4 ms, ratio %5; "
                              "reload on Backspace %6 ms\n")
                   .arg(text)
                   .arg(kept)
                   .arg(narrow, 0, 'f', 1)
                   .arg(plain, 0, 'f', 1)
                   .arg(narrow / plain, 0, 'f', 2)
                   .arg(reload, 0, 'f', 3);
        out.flush();
    }
    // For comparison: a reload that read the catalog again, as a fill does, instead of
    // showing the rows of the last fill.
    const double refill = bench::bestOf(3, [&] { model.fill(s, numbers); });
    out << QStringLiteral("reload by reading the catalog again (a fill): %1 ms\n")
               .arg(refill, 0, 'f', 1);
    if (sink == 42)
        out << "";
    return 0;
}
