#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korvel::exporting {

// One template the export dialog offers, as its description file (".the") names it.
struct TemplateListRow
{
    QString name;            // line 2 from its sixth character on
    QString description;     // line 3 from its fourteenth character on
    QString sourceFile;      // line 4 from its twelfth character on: the template in the folder
    QString descriptionFile; // the description file's own name
};

// What the import dialog writes as a description file.
struct TemplateDescription
{
    QString name;
    QString description;
    QString sourceFile;
    QString stylesheet; // optional
};

// The description files of the "Templates" folder. Lines are taken by position; only the
// first line is checked.
namespace TemplateList {

// Every "*.the" in the folder whose first line is "[Template]" and whose template file (line
// 4) exists in the folder, sorted by name.
QList<TemplateListRow> load_template_list(const QString& templatesFolder);

// The file names of every "Stylesheet=" line of a description file.
QStringList stylesheets(const QString& descriptionPath);

// Copies the stylesheets a description file names from the templates folder into the target
// folder, line by line as text. Throws ExportError when one cannot be read or written, or
// when its name would lead out of either folder.
void copy_stylesheets(const QString& templatesFolder, const QString& descriptionPath,
                      const QString& targetFolder);

// Writes a description file (Windows-1252, CR LF). Returns false when it cannot be written.
bool writeDescription(const QString& path, const TemplateDescription& description);

} // namespace TemplateList
} // namespace korvel::exporting
