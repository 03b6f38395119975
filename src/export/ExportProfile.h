#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace korvel::exporting {

// Export profiles (".prf" in the folder "Excel-Profile"): one field caption per line in
// column order, Windows-1252, CR LF. The profile's name is the file name without ".prf".
namespace ExportProfile {

// The captions, every line trimmed, empty lines skipped; nothing when the file cannot be read.
std::optional<QStringList> read(const QString& path);
// Replaces the file; false when it cannot be written.
bool write(const QString& path, const QStringList& captions);

// The names of the "*.prf" files of the folder (none when it does not exist).
QStringList names(const QString& folder);
QString fileName(const QString& folder, const QString& name);

// The dialog's lists after loading a profile: the used fields in file order, and the
// offered fields without the first caption equal to each (compared without regard to case).
struct Lists
{
    QStringList used;
    QStringList available;
};
Lists apply(const QStringList& profileCaptions);

} // namespace ExportProfile
} // namespace korvel::exporting
