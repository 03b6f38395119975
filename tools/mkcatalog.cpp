// Lays out the program folder at build time: an empty, up-to-date default catalog unless a
// catalog is already there (a user's catalog is never touched).
#include "store/CatalogSchema.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: korvel-mkcatalog <path of movies.mdb>\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path))
        return 0;
    try {
        korvel::store::CatalogSchema::createDefaultCatalogFile(path);
    } catch (const korvel::store::StoreError& e) {
        QTextStream(stderr) << e.message() << '\n';
        return 1;
    }
    return 0;
}
