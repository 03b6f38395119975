#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvel::print {

// Colour values in profiles are Windows colour references 0x00BBGGRR written in decimal.
QColor colourFromValue(quint32 value);
quint32 colourValue(const QColor& colour);

// The font text of a field record: "Arial;26;S".
struct ProfileFont
{
    enum Style
    {
        Standard,
        Bold,
        Italic,
        BoldItalic
    };

    QString name = QStringLiteral("Arial");
    int size = 26; // handed to the page canvas (tenths of a millimetre at 72 points per inch)
    Style style = Standard;

    // Name up to the first ";", size up to the second, style code the rest ("S", "F", "K",
    // "FK"). A size that is not a number reads as 26, an unknown style code as standard.
    static ProfileFont parse(const QString& text);
    QString text() const;
    static QString styleCode(Style style);
};

// One printed column. The five values are kept as the file holds them, since the editor
// shows them unchanged; the accessors read them as numbers.
struct ProfileField
{
    QString caption;
    QString width;      // percent of the page width base
    QString font;       // "name;size;style"
    QString lines;      // most text lines of a cell
    QString fontColour; // colour value
    QString background; // colour value

    static ProfileField make(const QString& caption, int width, const ProfileFont& font, int lines,
                             quint32 fontColour, quint32 background);

    int widthPercent() const; // 0 when not a number
    int maxLines() const;     // at least 1 (0 acts as 1)
    ProfileFont parsedFont() const;
    quint32 fontColourValue() const; // black when not a number
    quint32 backgroundValue() const; // white when not a number

    bool operator==(const ProfileField&) const = default;
};

// A print profile file (".tpf"): Windows-1252 lines ended by CR LF, each known by its
// position: marker, version, "Name=…", "Beschreibung=…", orientation, colour mode, lent
// mark, mark colour, then six lines per printed column.
struct PrintProfile
{
    static constexpr quint32 defaultMarkColour = 16744576;

    QString name;
    QString description;
    int orientation = 1; // 0 portrait, 1 landscape
    int colourMode = 1;  // 0 grey, 1 colour; kept but not used by the layout
    bool markLent = false;
    quint32 markColour = defaultMarkColour;
    QList<ProfileField> fields;

    static QString invalidFormatMessage();

    // Whether the first two lines are exactly "[Druckprofil]" and "Version=1.1".
    static bool isValid(const QStringList& lines);

    // Lines 3 and 4 lose their first five and thirteen characters whatever they are; missing
    // or non-numeric setting lines read as 0 (mark colour: the default). Field records are
    // read from line 9 while at least two lines remain; a trailing record of two to five
    // lines is incomplete and left out. Nothing for an invalid file.
    static std::optional<PrintProfile> fromLines(const QStringList& lines);
    static std::optional<PrintProfile> read(const QString& path);

    QStringList toLines() const;
    // Replaces the file; false when it cannot be written.
    bool write(const QString& path) const;

    bool operator==(const PrintProfile&) const = default;
};

// A row of the print dialog's profile list.
struct ProfileListEntry
{
    QString name;
    QString description;
    QString fileName; // without folder

    bool operator==(const ProfileListEntry&) const = default;
};

// The valid "*.tpf" files of the folder, ordered by profile name; invalid and unreadable
// files are left out without a message.
QList<ProfileListEntry> load_template_list(const QString& folder);

} // namespace korvel::print
