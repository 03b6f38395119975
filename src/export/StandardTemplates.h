#pragma once

#include <QString>

namespace korvel::exporting {

// The template set the program carries, "Korvel Standard Gray": its description file, page
// and stylesheet.
namespace StandardTemplates {

QString descriptionFileName(); // "korv_standard.the"

// Writes each of the three files into the templates folder (creating the folder) unless a
// file of that name is there already; a user's file is never replaced. Returns false when a
// missing file could not be written.
bool install(const QString& templatesFolder);

} // namespace StandardTemplates
} // namespace korvel::exporting
