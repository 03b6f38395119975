#include "print/DefaultProfiles.h"

#include <QDir>

namespace korvel::print::DefaultProfiles {

namespace {

struct Column
{
    const char* caption;
    int width;
    quint32 background;
};

PrintProfile profile(const QString& name, const QString& description, int orientation,
                     bool markLent, std::initializer_list<Column> columns)
{
    PrintProfile p;
    p.name = name;
    p.description = description;
    p.orientation = orientation;
    p.colourMode = 1;
    p.markLent = markLent;
    p.markColour = PrintProfile::defaultMarkColour;
    for (const Column& c : columns)
        p.fields << ProfileField::make(QString::fromUtf8(c.caption), c.width, ProfileFont{}, 1, 0,
                                       c.background);
    return p;
}

} // namespace

QList<File> files()
{
    const QString colour = QStringLiteral(
        "Das Profil entspricht dem Standard-Farbprofil früherer DVD Korvel-Versionen. Verliehene "
        "DVDs werden farblich markiert, der Ausdruck erfolgt im %1.");
    return {
        {QStringLiteral("Profil Standard Farbe Quer.tpf"),
         profile(QStringLiteral("Standard Querformat, Farbe"),
                 colour.arg(QStringLiteral("Querformat")), 1, true,
                 {{"Nummer", 8, 16764057},
                  {"Titel", 25, 13434828},
                  {"Darsteller", 50, 10079487},
                  {"Genre", 10, 10092543},
                  {"Laufzeit", 7, 10092543}})},
        {QStringLiteral("Profil Standard Farbe Hoch.tpf"),
         profile(QStringLiteral("Standard Hochformat, Farbe"),
                 colour.arg(QStringLiteral("Hochformat")), 0, true,
                 {{"Nummer", 10, 16764057},
                  {"Titel", 26, 13434828},
                  {"Darsteller", 54, 10079487},
                  {"Genre", 10, 10092543}})},
        {QStringLiteral("Profil Standard SW Hoch.tpf"),
         profile(QStringLiteral("Standard Hochformat, S/W"),
                 QStringLiteral("Das Profil entspricht dem Standard-S/W-Profil früherer DVD "
                                "Korvel-Versionen. Verliehene DVDs werden nicht markiert, der "
                                "Ausdruck erfolgt im Hochformat."),
                 0, false,
                 {{"Nummer", 10, 16777215},
                  {"Titel", 26, 16777215},
                  {"Darsteller", 54, 16777215},
                  {"Genre", 10, 16777215}})},
    };
}

bool writeTo(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    bool ok = true;
    for (const File& f : files())
        ok = f.profile.write(QDir(folder).filePath(f.fileName)) && ok;
    return ok;
}

} // namespace korvel::print::DefaultProfiles
