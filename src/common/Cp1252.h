#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korvel {

// Windows-1252, the code page of the catalog texts, of our own file formats and of the
// web services. Qt 6 has no codec for it, and Latin-1 differs in 0x80..0x9F (euro sign).
namespace Cp1252 {

// Characters the code page lacks become '?'.
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
// Whether the code page can represent the character.
bool canEncode(QChar c);

// Reads a file of our own formats: cp1252 lines ended by CR LF (a lone LF is accepted too).
// Returns false when the file cannot be read.
bool readLines(const QString& path, QStringList& lines);
// Writes lines in cp1252, every line (the last one too) ended by CR LF, replacing the file.
bool writeLines(const QString& path, const QStringList& lines);

} // namespace Cp1252
} // namespace korvel
