#include "entry/Thumbnail.h"

#include "common/Rounding.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace korvel::entry::Thumbnail {

QSize sizeFor(QSize picture)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return {};
    const double r = double(picture.width()) / picture.height();
    int height = 169;
    int width = roundHalfEven(169 * r);
    if (width > 265) {
        width = 265;
        height = roundHalfEven(265 / r);
    }
    return QSize(std::max(1, width), std::max(1, height));
}

QByteArray fromFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    const QImage scaled = picture.scaled(sizeFor(picture.size()), Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!scaled.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", 90))
        return {};
    return bytes;
}

} // namespace korvel::entry::Thumbnail
