#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korvel::store {
class RecordSet;
}

namespace korvel::app {

// One row of the catalog's favoriten table: a shortcut to an address, program, file or
// folder shown in the main window (form 0), the add dialog (1) or the edit dialog (2).
struct Quicklink
{
    int key = 0; // nummer
    int formNumber = 0;
    QString name;
    QString target; // pfad; may hold the title placeholder
    QString symbol;
};

// How a target is handed to the desktop once the title is in it.
struct LinkTarget
{
    enum class Kind
    {
        Nothing,
        Address,
        Program,
        File
    };
    Kind kind = Kind::Nothing;
    QString text; // the address (Address) or the local path (Program, File)
};

namespace Quicklinks {

inline const QString TitlePlaceholder = QStringLiteral("%TITEL%");
inline const QString WebSymbol = QStringLiteral("WEBLINK");
inline const QString ProgramSymbol = QStringLiteral("PRGLINK");
inline const QStringList FormCaptions = {QStringLiteral("Übersicht"), QStringLiteral("Hinzufügen"),
                                         QStringLiteral("Bearbeiten")};
constexpr int NameLength = 50;
constexpr int TargetLength = 255;

// Label geometry inside a quicklink box.
constexpr int LabelLeft = 14;
constexpr int LabelHeight = 16;
constexpr int FirstLabelTop = 8;
constexpr int LabelSpacing = 24;
constexpr int WheelStep = 2;
inline int labelTop(int index, int scrollOffset = 0)
{
    return FirstLabelTop + index * LabelSpacing - scrollOffset;
}
inline int labelWidth(int boxWidth)
{
    return boxWidth - 16;
}
// The box's wheel offset after one wheel step (down scrolls the content up); never below 0.
int wheelOffset(int offset, bool down);

// "WEBLINK" for a target beginning with "http" in any case, else "PRGLINK".
QString symbolFor(const QString& target);

// The picture a label shows.
enum class Picture
{
    Web,
    Program,
    OwnIcon,
    Folder
};
// An existing file shows its own icon; otherwise a web link the web picture, any other the
// folder picture.
Picture pictureFor(const Quicklink& link);

// Every occurrence of the placeholder replaced by the title, which goes in unchanged.
QString withTitle(const QString& target, const QString& title);
// What the desktop is to do with an expanded target.
LinkTarget classify(const QString& expandedTarget);

// The rows of favoriten in the order form number, name; all of them or one window's.
QList<Quicklink> all(store::RecordSet& favoritendb);
QList<Quicklink> forForm(store::RecordSet& favoritendb, int formNumber);
// The target of the link with that key; empty when there is none.
QString targetOf(store::RecordSet& favoritendb, int key);

// The dialog's writes. The form number is the radio item's index. add() returns the new
// key: one more than the key of the last row, 1 for an empty table.
int add(store::RecordSet& favoritendb, int formNumber, const QString& name, const QString& target);
void change(store::RecordSet& favoritendb, int key, int formNumber, const QString& name,
            const QString& target);
void remove(store::RecordSet& favoritendb, int key);

} // namespace Quicklinks
} // namespace korvel::app
