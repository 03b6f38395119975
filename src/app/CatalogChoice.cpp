#include "app/CatalogChoice.h"

#include "store/CatalogFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvel::app {

QString defaultCatalogPath(const QString& programDir)
{
    return QDir(programDir).filePath(QStringLiteral("movies.mdb"));
}

CatalogChoice chooseCatalog(const QString& databaseSetting, const QStringList& arguments,
                            const QString& programDir)
{
    CatalogChoice choice;
    choice.path = databaseSetting;
    if (!arguments.isEmpty() && arguments.first().contains(QLatin1String("opendb="))) {
        choice.fromCommandLine = true;
        choice.path = arguments.first().mid(7);
    }
    if (QFileInfo(choice.path).suffix().compare(QLatin1String("mdb"), Qt::CaseInsensitive) != 0)
        choice.path.clear();
    if (choice.path.isEmpty() || !QFileInfo(choice.path).isFile())
        choice.path = defaultCatalogPath(programDir);
    return choice;
}

void setCatalogWritable(const QString& path, bool writable)
{
    store::setCatalogWritable(path, writable);
}

} // namespace korvel::app
