#include "export/ExportProfile.h"

#include "common/Cp1252.h"
#include "export/ExportFields.h"

#include <QDir>
#include <QFileInfo>

namespace korvel::exporting::ExportProfile {

std::optional<QStringList> read(const QString& path)
{
    QStringList lines;
    if (!QFileInfo(path).isFile() || !Cp1252::readLines(path, lines))
        return std::nullopt;
    QStringList captions;
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (!t.isEmpty())
            captions << t;
    }
    return captions;
}

bool write(const QString& path, const QStringList& captions)
{
    return Cp1252::writeLines(path, captions);
}

QStringList names(const QString& folder)
{
    QStringList result;
    const QFileInfoList files = QDir(folder).entryInfoList(
        {QStringLiteral("*.prf")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& fi : files)
        result << fi.completeBaseName();
    return result;
}

QString fileName(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name + QStringLiteral(".prf"));
}

Lists apply(const QStringList& profileCaptions)
{
    Lists lists{{}, ExportFields::captionsAfterProfile()};
    for (const QString& caption : profileCaptions) {
        lists.used << caption;
        for (qsizetype i = 0; i < lists.available.size(); ++i) {
            if (lists.available[i].compare(caption, Qt::CaseInsensitive) == 0) {
                lists.available.removeAt(i);
                break;
            }
        }
    }
    return lists;
}

} // namespace korvel::exporting::ExportProfile
