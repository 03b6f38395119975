#include "export/CoverThumbnail.h"

#include "common/Rounding.h"
#include "export/ExportError.h"

#include <QDir>
#include <QPainter>

namespace korvel::exporting::CoverThumbnail {

QImage render(const QImage& cover)
{
    const int w = cover.width();
    const int h = cover.height();
    if (h <= 0)
        return {};
    const double ratio = double(w) / h;
    int width = roundHalfEven(kHeight * ratio);
    int height = kHeight;
    if (width > kWidth) {
        width = kWidth;
        height = roundHalfEven(kWidth / ratio);
    }
    const int left = width < kWidth ? (kWidth - width) / 2 : 0;
    const int top = height < kHeight ? (kHeight - height) / 2 : 0;

    QImage thumb(kWidth, kHeight, QImage::Format_RGB32);
    thumb.fill(Qt::white);
    if (width > 0 && height > 0) {
        QPainter p(&thumb);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(left, top, width, height), cover);
    }
    return thumb;
}

bool write(const QByteArray& storedPicture, const QString& path)
{
    if (storedPicture.isEmpty())
        return false;
    const QImage thumb = render(QImage::fromData(storedPicture));
    if (thumb.isNull())
        return false;
    if (!thumb.save(path, "JPEG", kQuality))
        throw ExportError(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.")
                              .arg(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace korvel::exporting::CoverThumbnail
