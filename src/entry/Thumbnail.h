#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

namespace korvel::entry {

// The small cover picture kept in the catalog (cover_thumb): 169 pixels high, or 265 wide
// when that would be wider, as a JPEG of quality 90.
namespace Thumbnail {

QSize sizeFor(QSize picture);
// The JPEG bytes for the picture file; empty when the file is missing or no picture.
QByteArray fromFile(const QString& path);

} // namespace Thumbnail
} // namespace korvel::entry
