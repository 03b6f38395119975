#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace korvel::exporting {

// The cover pictures an HTML export writes next to its page: 217 x 144 pixels, the cover
// scaled to 144 pixels height (or to the full width when it is wider) and centred on white.
namespace CoverThumbnail {

constexpr int kWidth = 217;
constexpr int kHeight = 144;
constexpr int kQuality = 70;

// The thumbnail of a decoded cover; a null image when the cover has no height.
QImage render(const QImage& cover);

// Decodes the stored picture and writes its thumbnail as JPEG to path, replacing a file
// there. Returns false, writing nothing, when the bytes are no picture; throws ExportError
// when the file cannot be written.
bool write(const QByteArray& storedPicture, const QString& path);

} // namespace CoverThumbnail
} // namespace korvel::exporting
