#pragma once

#include <QList>
#include <QStringList>

namespace korvel::entry {

// The rows of the audio list (language, format, channels) and the subtitle list (language,
// attribute) of an entry form.
namespace TrackRows {

// Removes every later row equal to an earlier one in the first two columns (exact, case
// included); the channel column does not count.
void removeDuplicates(QList<QStringList>& rows);
// The hint over a row: "Deutsch(Dolby AC-3)".
QString hint(const QStringList& row);

} // namespace TrackRows
} // namespace korvel::entry
