// The quick search as the window runs it: the search timer's handler over 100,000 rows in
// the movie list view, and the reload on Backspace, each until the list has painted again.
#include "BenchCatalog.h"

#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "app/SearchController.h"
#include "store/CatalogStore.h"
#include "store/EntryNumbers.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolButton>

#include <algorithm>

using namespace korvel;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.mdb"));
    bench::generateCatalog(path, 100000);
    store::CatalogStore s;
    s.database().setPath(path);
    s.database().connect();

    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* clear = new QToolButton(&window);
    auto* selector = new QComboBox(&window);
    selector->addItem(QStringLiteral("Alle"));
    auto* list = new app::MovieListView(&window);
    auto* model = new app::MovieListModel(&window);
    list->setModel(model);
    list->setGeometry(0, 0, 900, 600);
    app::SearchController search(box, clear, selector, list, model);
    window.resize(900, 600);
    window.show();
    store::EntryNumbers numbers;
    model->fill(s, numbers);
    QApplication::processEvents();

    const auto settle = [&] {
        list->viewport()->repaint();
        QApplication::processEvents();
    };
    for (const QString& text :
         {QStringLiteral("mat"), QStringLiteral("xyz"), QStringLiteral("min.")}) {
        double narrow = 1e9;
        double reload = 1e9;
        int kept = 0;
        for (int run = 0; run < 5; ++run) {
            box->setText(text);
            QElapsedTimer t;
            t.start();
            search.search(); // what the search timer runs
            settle();
            narrow = std::min(narrow, t.nsecsElapsed() / 1e6);
            kept = model->rowCount();
            t.restart();
            search.reload(); // Backspace
            settle();
            reload = std::min(reload, t.nsecsElapsed() / 1e6);
        }
        out << QStringLiteral(
                   "\"%1\" in the window: %2 rows kept; narrowing and repaint %3 ms; reload on "
                   "Backspace and repaint %4 ms\n")
                   .arg(text)
                   .arg(kept)
                   .arg(narrow, 0, 'f', 1)
                   .arg(reload, 0, 'f', 1);
        out.flush();
    }
    return 0;
}
