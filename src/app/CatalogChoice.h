#pragma once

#include <QString>
#include <QStringList>

namespace korvel::app {

// Which catalog file the program opens at start.
struct CatalogChoice
{
    QString path;
    // The first argument named a catalog ("opendb="): the Database setting is left alone.
    bool fromCommandLine = false;
};

// databaseSetting: the Database value; arguments: the command line without the program.
CatalogChoice chooseCatalog(const QString& databaseSetting, const QStringList& arguments,
                            const QString& programDir);

QString defaultCatalogPath(const QString& programDir);

// A catalog the program does not hold open stays write-protected.
void setCatalogWritable(const QString& path, bool writable);

} // namespace korvel::app
