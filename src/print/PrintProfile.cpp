#include "print/PrintProfile.h"

#include "common/Cp1252.h"
#include "common/GermanCollation.h"

#include <QDir>

#include <algorithm>

namespace korvel::print {

namespace {

const QString marker = QStringLiteral("[Druckprofil]");
const QString version = QStringLiteral("Version=1.1");
constexpr int namePrefixLength = 5;         // "Name="
constexpr int descriptionPrefixLength = 13; // "Beschreibung="
constexpr int leadingLines = 8;
constexpr int recordLines = 6;

quint32 toValue(const QString& text, quint32 fallback)
{
    bool ok = false;
    const quint32 v = text.toUInt(&ok);
    return ok ? v : fallback;
}

QString lineAt(const QStringList& lines, int index)
{
    return index < lines.size() ? lines[index] : QString();
}

} // namespace

QColor colourFromValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 colourValue(const QColor& colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

ProfileFont ProfileFont::parse(const QString& text)
{
    ProfileFont font;
    const int first = text.indexOf(QLatin1Char(';'));
    if (first < 0) {
        font.name = text;
        return font;
    }
    font.name = text.left(first);
    const int second = text.indexOf(QLatin1Char(';'), first + 1);
    const QString size = second < 0 ? text.mid(first + 1) : text.mid(first + 1, second - first - 1);
    bool ok = false;
    const int s = size.toInt(&ok);
    if (ok)
        font.size = s;
    const QString style = second < 0 ? QString() : text.mid(second + 1);
    if (style == QLatin1String("F"))
        font.style = Bold;
    else if (style == QLatin1String("K"))
        font.style = Italic;
    else if (style == QLatin1String("FK"))
        font.style = BoldItalic;
    return font;
}

QString ProfileFont::styleCode(Style style)
{
    switch (style) {
    case Bold:
        return QStringLiteral("F");
    case Italic:
        return QStringLiteral("K");
    case BoldItalic:
        return QStringLiteral("FK");
    case Standard:
        break;
    }
    return QStringLiteral("S");
}

QString ProfileFont::text() const
{
    return name + QLatin1Char(';') + QString::number(size) + QLatin1Char(';') + styleCode(style);
}

ProfileField ProfileField::make(const QString& caption, int width, const ProfileFont& font,
                                int lines, quint32 fontColour, quint32 background)
{
    return {caption,
            QString::number(width),
            font.text(),
            QString::number(lines),
            QString::number(fontColour),
            QString::number(background)};
}

int ProfileField::widthPercent() const
{
    return width.toInt();
}

int ProfileField::maxLines() const
{
    return qMax(1, lines.toInt());
}

ProfileFont ProfileField::parsedFont() const
{
    return ProfileFont::parse(font);
}

quint32 ProfileField::fontColourValue() const
{
    return toValue(fontColour, 0);
}

quint32 ProfileField::backgroundValue() const
{
    return toValue(background, 0xFFFFFF);
}

QString PrintProfile::invalidFormatMessage()
{
    return QStringLiteral("Das angegebene Profil ist ungültig, da das Dateiformat nicht erkannt "
                          "werden konnte.");
}

bool PrintProfile::isValid(const QStringList& lines)
{
    return lines.size() >= 2 && lines[0] == marker && lines[1] == version;
}

std::optional<PrintProfile> PrintProfile::fromLines(const QStringList& lines)
{
    if (!isValid(lines))
        return std::nullopt;
    PrintProfile p;
    p.name = lineAt(lines, 2).mid(namePrefixLength);
    p.description = lineAt(lines, 3).mid(descriptionPrefixLength);
    p.orientation = lineAt(lines, 4).toInt();
    p.colourMode = lineAt(lines, 5).toInt();
    p.markLent = lineAt(lines, 6).toInt() != 0;
    p.markColour = toValue(lineAt(lines, 7), defaultMarkColour);
    for (qsizetype i = leadingLines; i + 1 < lines.size(); i += recordLines) {
        if (i + recordLines > lines.size())
            break; // an incomplete last record
        p.fields << ProfileField{lines[i],     lines[i + 1], lines[i + 2],
                                 lines[i + 3], lines[i + 4], lines[i + 5]};
    }
    return p;
}

std::optional<PrintProfile> PrintProfile::read(const QString& path)
{
    QStringList lines;
    if (!Cp1252::readLines(path, lines))
        return std::nullopt;
    return fromLines(lines);
}

QStringList PrintProfile::toLines() const
{
    // A description is one line: line breaks a user typed become blanks.
    QString oneLine = description;
    oneLine.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    QString oneLineName = name;
    oneLineName.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));

    QStringList lines{marker,
                      version,
                      QStringLiteral("Name=") + oneLineName,
                      QStringLiteral("Beschreibung=") + oneLine,
                      QString::number(orientation),
                      QString::number(colourMode),
                      markLent ? QStringLiteral("1") : QStringLiteral("0"),
                      QString::number(markColour)};
    for (const ProfileField& f : fields)
        lines << f.caption << f.width << f.font << f.lines << f.fontColour << f.background;
    return lines;
}

bool PrintProfile::write(const QString& path) const
{
    return Cp1252::writeLines(path, toLines());
}

QList<ProfileListEntry> load_template_list(const QString& folder)
{
    QList<ProfileListEntry> rows;
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("*.tpf")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& file : files) {
        QStringList lines;
        if (!Cp1252::readLines(dir.filePath(file), lines) || !PrintProfile::isValid(lines))
            continue;
        rows << ProfileListEntry{lineAt(lines, 2).mid(namePrefixLength),
                                 lineAt(lines, 3).mid(descriptionPrefixLength), file};
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        const int c = GermanCollation::compare(a.name, b.name);
        return c != 0 ? c < 0 : a.fileName < b.fileName;
    });
    return rows;
}

} // namespace korvel::print
