#include "export/StandardTemplates.h"

#include "common/Cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace korvel::exporting::StandardTemplates {

namespace {

QStringList description()
{
    return {
        QStringLiteral("[Template]"), QStringLiteral("Name=Korvel Standard Gray"),
        QStringLiteral("Beschreibung=Korvel Standard Gray präsentiert die Felder Nummer, Titel, "
                       "Genre, Spieldauer und Wertung in optisch ansprechendem Design. Ideal "
                       "um mit Ihrer Filmesammlung vor Freunden und Bekannten zu brillieren :-)"),
        QStringLiteral("Quelldatei=korv_standard.htm"),
        QStringLiteral("Stylesheet=layoutindex.css")};
}

QStringList row(const QString& cls, const QStringList& cells)
{
    QStringList lines{QStringLiteral("  <tr>")};
    for (const QString& cell : cells)
        lines << QStringLiteral("    <td class=\"%1\">%2</td>").arg(cls, cell);
    lines << QStringLiteral("  </tr>");
    return lines;
}

QStringList page()
{
    const QStringList fields{QStringLiteral("%%NR%%"), QStringLiteral("%%TITEL%%"),
                             QStringLiteral("%%GENRE%%"), QStringLiteral("%%DAUER%%"),
                             QStringLiteral("%%WERTUNG%%")};
    const QStringList empty(5, QString());
    QStringList l{
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"),
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title>DVD-Bibliothek - Mein Filmarchiv</title>"),
        QStringLiteral(
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"),
        QStringLiteral("<link href=\"layoutindex.css\" rel=\"stylesheet\" type=\"text/css\">"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">"),
        QStringLiteral("  <tr>"),
        QStringLiteral("    <td id=\"titel\">Meine DVD-Sammlung</td>"),
        QStringLiteral("  </tr>"),
        QStringLiteral("</table>"),
        QStringLiteral("<br>"),
        QStringLiteral("<br>"),
        QStringLiteral("<table id=\"haupttabelle\" width=\"100%\" border=\"0\" cellspacing=\"0\" "
                       "cellpadding=\"3\">"),
        QStringLiteral("  <tr>"),
        QStringLiteral("    <td class=\"titel\" width=\"6%\">Nummer</td>"),
        QStringLiteral("    <td class=\"titel\" width=\"50%\">Titel</td>"),
        QStringLiteral("    <td class=\"titel\" width=\"18%\">Genre</td>"),
        QStringLiteral("    <td class=\"titel\" width=\"11%\">Spieldauer</td>"),
        QStringLiteral("    <td class=\"titel\" width=\"15%\">Wertung</td>"),
        QStringLiteral("  </tr>"),
    };
    l << row(QStringLiteral("unterleiste"), empty);
    l << QStringLiteral("<%%WHILE NOT EOF%%>");
    l << row(QStringLiteral("hervor"), fields);
    l << QStringLiteral("<%%MOVE NEXT%%>");
    l << row(QStringLiteral("ab"), fields);
    l << QStringLiteral("<%%MOVE NEXT%%>");
    l << QStringLiteral("<%%END NOT EOF%%>");
    l << row(QStringLiteral("unterleiste"), empty);
    l << QStringLiteral("  <tr>") << QStringLiteral("    <td colspan=\"5\">&nbsp;</td>")
      << QStringLiteral("  </tr>");
    l << QStringLiteral("  <tr>")
      << QStringLiteral("    <td colspan=\"5\" class=\"fusszeile\">Erstellt mit DVD Korvel &ndash; "
                        "Template &quot;Korvel Standard Gray&quot; von "
                        "<a href=\"https://www.quarndesk.de\">Quarndesk</a></td>")
      << QStringLiteral("  </tr>");
    l << QStringLiteral("</table>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return l;
}

QStringList stylesheet()
{
    return {
        QStringLiteral("body, td, th, h1, h2, h3 {"),
        QStringLiteral("  font-family: Arial, Helvetica, sans-serif;"),
        QStringLiteral("  color: #000000;"),
        QStringLiteral("  background-color: #FFFFFF;"),
        QStringLiteral("}"),
        QStringLiteral("a:link, a:visited, a:hover, a:active {"),
        QStringLiteral("  color: #000000;"),
        QStringLiteral("  text-decoration: none;"),
        QStringLiteral("}"),
        QStringLiteral("#titel {"),
        QStringLiteral("  background-color: #D4D0C8;"),
        QStringLiteral("  font-size: 16px;"),
        QStringLiteral("  font-weight: bold;"),
        QStringLiteral("  text-align: center;"),
        QStringLiteral("  padding-top: 8px;"),
        QStringLiteral("  padding-bottom: 8px;"),
        QStringLiteral("  border: 1px solid #999999;"),
        QStringLiteral("}"),
        QStringLiteral("#haupttabelle {"),
        QStringLiteral("  border: 1px solid #999999;"),
        QStringLiteral("}"),
        QStringLiteral("#haupttabelle .titel {"),
        QStringLiteral("  background-color: #D4D0C8;"),
        QStringLiteral("  font-size: 12px;"),
        QStringLiteral("  font-weight: bold;"),
        QStringLiteral("  border-bottom: 1px solid #999999;"),
        QStringLiteral("  padding-left: 8px;"),
        QStringLiteral("}"),
        QStringLiteral(".unterleiste {"),
        QStringLiteral("  background-color: #FFFFFF;"),
        QStringLiteral("}"),
        QStringLiteral(".hervor {"),
        QStringLiteral("  background-color: #FFFBF0;"),
        QStringLiteral("  font-size: 12px;"),
        QStringLiteral("  font-weight: bold;"),
        QStringLiteral("  padding-left: 8px;"),
        QStringLiteral("}"),
        QStringLiteral(".ab {"),
        QStringLiteral("  background-color: #ffffff;"),
        QStringLiteral("  font-size: 12px;"),
        QStringLiteral("  font-weight: bold;"),
        QStringLiteral("  padding-left: 8px;"),
        QStringLiteral("}"),
        QStringLiteral(".fusszeile {"),
        QStringLiteral("  font-size: 10px;"),
        QStringLiteral("  text-align: center;"),
        QStringLiteral("}"),
    };
}

} // namespace

QString descriptionFileName()
{
    return QStringLiteral("korv_standard.the");
}

bool install(const QString& templatesFolder)
{
    const QDir dir(templatesFolder);
    if (!dir.exists() && !QDir().mkpath(templatesFolder))
        return false;
    const struct
    {
        QString name;
        QStringList lines;
    } files[] = {{descriptionFileName(), description()},
                 {QStringLiteral("korv_standard.htm"), page()},
                 {QStringLiteral("layoutindex.css"), stylesheet()}};
    bool ok = true;
    for (const auto& f : files) {
        const QString path = dir.filePath(f.name);
        if (QFileInfo::exists(path))
            continue;
        ok = Cp1252::writeLines(path, f.lines) && ok;
    }
    return ok;
}

} // namespace korvel::exporting::StandardTemplates
