#include "app/InfoPanelContent.h"

#include "common/Rounding.h"
#include "entry/DomainLists.h"
#include "entry/EntryRules.h"
#include "entry/Thumbnail.h"
#include "store/CatalogStore.h"

#include <QDir>
#include <QFileInfo>

namespace korvel::app::InfoPanel {

namespace {
QString joinedLine(const QString& caption, const QStringList& names)
{
    // "Sprachen: Deutsch, Englisch"; without rows just "Sprachen:"
    if (names.isEmpty())
        return caption + QLatin1Char(':');
    return caption + QStringLiteral(": ") + names.join(QStringLiteral(", "));
}

QStringList languagesOf(store::RecordSet& rs, const QString& table, int key)
{
    store::BorrowedQuery q(rs, {QStringLiteral("select *from %1 where nummer=:nummer").arg(table)},
                           {{QStringLiteral("nummer"), key}});
    QStringList names;
    for (; !q->atEnd(); q->next())
        names << q->text(QStringLiteral("sprache"));
    return names;
}

QString fileNameOf(const QString& path)
{
    // the part after the last separator of either system
    const int cut = std::max({path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')),
                              path.lastIndexOf(QLatin1Char(':'))});
    return path.mid(cut + 1);
}
} // namespace

QString emptyHeading() { return QStringLiteral("Infos zur DVD"); }

InfoPanelContent load(store::CatalogStore& store, int key, const QString& coverFolder, bool rebuild)
{
    InfoPanelContent c;
    c.heading = emptyHeading();
    store::BorrowedQuery q(store.haupt(), {QStringLiteral("select *from haupt where nummer=:nummer")},
                           {{QStringLiteral("nummer"), key}});
    if (q->atEnd())
        return c;
    c.found = true;
    c.lent = q->text(QStringLiteral("verliehen")) == QLatin1String("Ja");
    if (c.lent) {
        c.borrowerLine = QStringLiteral("An: ") + q->text(QStringLiteral("verliehen_an"));
        c.loanDate = q->text(QStringLiteral("verliehen_datum"));
        c.loanRemark = q->text(QStringLiteral("verliehen_kommentar"));
    }
    QString number = q->text(QStringLiteral("visiblenr"));
    if (rebuild)
        number.prepend(key < 10 ? QStringLiteral("00") : key < 100 ? QStringLiteral("0") : QString());
    c.heading = emptyHeading() + QStringLiteral(" #") + number;
    c.typeLine = QStringLiteral("Typ: ") + q->text(QStringLiteral("dvdtyp")) + QStringLiteral(", ")
                 + q->text(QStringLiteral("mastering"));
    c.description = q->text(QStringLiteral("beschreibung"));
    const auto format = entry::EntryRules::toWholeNumber(q->text(QStringLiteral("bildformat")));
    const int formatIndex = format && *format >= 0 && *format < 2 ? *format : 1;
    c.formatLine = QStringLiteral("Bildformat: ") + entry::DomainLists::pictureFormats().at(formatIndex);
    c.languagesLine = joinedLine(QStringLiteral("Sprachen"), languagesOf(store.sprachen(), QStringLiteral("sprachen"), key));
    c.subtitlesLine =
        joinedLine(QStringLiteral("Untertitel"), languagesOf(store.untertitel(), QStringLiteral("untertitel"), key));

    const QString cover = q->text(QStringLiteral("cover"));
    c.thumbnail = q->readPicture(QStringLiteral("cover_thumb"));
    if (q->isNull(QStringLiteral("cover_thumb"))) {
        // thumbnail on demand; a picture that cannot be read just leaves the default cover
        QString path = cover;
        if (!rebuild && !QFileInfo(path).isFile() && !coverFolder.isEmpty())
            path = QDir(coverFolder).filePath(fileNameOf(cover));
        try {
            const QByteArray thumb = entry::Thumbnail::fromFile(path);
            if (!thumb.isEmpty()) {
                q->edit();
                q->writePicture(QStringLiteral("cover_thumb"), thumb);
                q->post();
                c.thumbnail = thumb;
            }
        } catch (const std::exception&) {
            q->cancel();
        }
    }
    if (!rebuild && !cover.isEmpty() && QFileInfo(cover).isFile())
        c.coverFile = cover;
    return c;
}

QRect coverRect(QSize picture)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return {};
    const double x = double(picture.width()) / picture.height();
    int w = roundHalfEven(kCoverHeight * x);
    int h = kCoverHeight;
    if (w > kCoverWidth) {
        w = kCoverWidth;
        h = roundHalfEven(kCoverWidth / x);
    }
    const int left = w < kCoverWidth ? (kCoverWidth - w) / 2 : 0;
    const int top = h < kCoverHeight ? (kCoverHeight - h) / 2 : 0;
    return QRect(left, top, w, h);
}

} // namespace korvel::app::InfoPanel
