#include "export/TemplateList.h"

#include "common/Cp1252.h"
#include "common/GermanCollation.h"
#include "export/ExportError.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace korvel::exporting::TemplateList {

namespace {
const QString kHeader = QStringLiteral("[Template]");
const QString kStylesheet = QStringLiteral("Stylesheet=");

// A name from a description file must stay inside its folder.
bool isPlainRelativeName(const QString& name)
{
    if (name.isEmpty() || QDir::isAbsolutePath(name) || name.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = QDir::fromNativeSeparators(name).split(QLatin1Char('/'));
    return std::none_of(parts.cbegin(), parts.cend(), [](const QString& p) {
        return p.isEmpty() || p == QLatin1String(".") || p == QLatin1String("..");
    });
}
} // namespace

QList<TemplateListRow> load_template_list(const QString& templatesFolder)
{
    QList<TemplateListRow> rows;
    const QDir dir(templatesFolder);
    const QStringList files = dir.entryList(
        {QStringLiteral("*.the")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& file : files) {
        QStringList lines;
        if (!Cp1252::readLines(dir.filePath(file), lines) || lines.size() < 4 ||
            lines[0] != kHeader)
            continue;
        const QString source = lines[3].mid(11);
        if (source.isEmpty() || !QFileInfo(dir.filePath(source)).isFile())
            continue;
        rows.append({lines[1].mid(5), lines[2].mid(13), source, file});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const TemplateListRow& a, const TemplateListRow& b) {
                         return GermanCollation::compare(a.name, b.name) < 0;
                     });
    return rows;
}

QStringList stylesheets(const QString& descriptionPath)
{
    QStringList lines;
    if (!Cp1252::readLines(descriptionPath, lines))
        throw ExportError(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.")
                              .arg(QDir::toNativeSeparators(descriptionPath)));
    QStringList names;
    for (const QString& line : lines)
        if (line.startsWith(kStylesheet))
            names << line.mid(kStylesheet.size());
    return names;
}

void copy_stylesheets(const QString& templatesFolder, const QString& descriptionPath,
                      const QString& targetFolder)
{
    for (const QString& name : stylesheets(descriptionPath)) {
        if (name.isEmpty())
            continue;
        if (!isPlainRelativeName(name))
            throw ExportError(
                QStringLiteral("Der Stylesheet-Name \"%1\" verweist aus dem Ordner hinaus.")
                    .arg(name));
        const QString from = QDir(templatesFolder).filePath(name);
        const QString to = QDir(targetFolder).filePath(name);
        QStringList lines;
        if (!Cp1252::readLines(from, lines))
            throw ExportError(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.")
                                  .arg(QDir::toNativeSeparators(from)));
        if (!Cp1252::writeLines(to, lines))
            throw ExportError(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.")
                                  .arg(QDir::toNativeSeparators(to)));
    }
}

bool writeDescription(const QString& path, const TemplateDescription& d)
{
    QStringList lines{kHeader, QStringLiteral("Name=") + d.name,
                      QStringLiteral("Beschreibung=") + d.description,
                      QStringLiteral("Quelldatei=") + d.sourceFile};
    if (!d.stylesheet.isEmpty())
        lines << kStylesheet + d.stylesheet;
    return Cp1252::writeLines(path, lines);
}

} // namespace korvel::exporting::TemplateList
