#pragma once

#include "print/PrintProfile.h"

#include <QList>
#include <QString>

namespace korvel::print {

// The three print profiles every start writes into the profile folder, over the files of
// the same names (a user's changes to them do not survive a restart).
namespace DefaultProfiles {

struct File
{
    QString fileName;
    PrintProfile profile;
};

QList<File> files();

// Creates the folder when missing and writes the three files (cp1252, CR LF).
// Returns false when the folder or a file cannot be written.
bool writeTo(const QString& folder);

} // namespace DefaultProfiles
} // namespace korvel::print
