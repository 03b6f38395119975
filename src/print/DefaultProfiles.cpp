#include "print/DefaultProfiles.h"

#include "common/Cp1252.h"

#include <QDir>

namespace korvel::print::DefaultProfiles {

namespace {
struct Field
{
    const char* caption;
    int width;
    int background;
};

QStringList profile(const QString& name, const QString& description, int orientation, int mark,
                    std::initializer_list<Field> fields)
{
    QStringList lines{QStringLiteral("[Druckprofil]"), QStringLiteral("Version=1.1"),
                      QStringLiteral("Name=") + name, QStringLiteral("Beschreibung=") + description,
                      QString::number(orientation), QStringLiteral("1"), QString::number(mark),
                      QStringLiteral("16744576")};
    for (const Field& f : fields)
        lines << QString::fromUtf8(f.caption) << QString::number(f.width)
              << QStringLiteral("Arial;26;S") << QStringLiteral("1") << QStringLiteral("0")
              << QString::number(f.background);
    return lines;
}
} // namespace

QList<File> files()
{
    const QString colour = QStringLiteral(
        "Das Profil entspricht dem Standard-Farbprofil früherer DVD Korvel-Versionen. Verliehene "
        "DVDs werden farblich markiert, der Ausdruck erfolgt im %1.");
    return {
        {QStringLiteral("Profil Standard Farbe Quer.tpf"),
         profile(QStringLiteral("Standard Querformat, Farbe"), colour.arg(QStringLiteral("Querformat")),
                 1, 1,
                 {{"Nummer", 8, 16764057}, {"Titel", 25, 13434828}, {"Darsteller", 50, 10079487},
                  {"Genre", 10, 10092543}, {"Laufzeit", 7, 10092543}})},
        {QStringLiteral("Profil Standard Farbe Hoch.tpf"),
         profile(QStringLiteral("Standard Hochformat, Farbe"), colour.arg(QStringLiteral("Hochformat")),
                 0, 1,
                 {{"Nummer", 10, 16764057}, {"Titel", 26, 13434828}, {"Darsteller", 54, 10079487},
                  {"Genre", 10, 10092543}})},
        {QStringLiteral("Profil Standard SW Hoch.tpf"),
         profile(QStringLiteral("Standard Hochformat, S/W"),
                 QStringLiteral("Das Profil entspricht dem Standard-S/W-Profil früherer DVD "
                                "Korvel-Versionen. Verliehene DVDs werden nicht markiert, der "
                                "Ausdruck erfolgt im Hochformat."),
                 0, 0,
                 {{"Nummer", 10, 16777215}, {"Titel", 26, 16777215}, {"Darsteller", 54, 16777215},
                  {"Genre", 10, 16777215}})},
    };
}

bool writeTo(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    bool ok = true;
    for (const File& f : files())
        ok = Cp1252::writeLines(QDir(folder).filePath(f.fileName), f.lines) && ok;
    return ok;
}

} // namespace korvel::print::DefaultProfiles
