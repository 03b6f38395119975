#include "entry/MovieEntry.h"

#include "entry/DomainLists.h"
#include "entry/EntryRules.h"
#include "store/RecordSet.h"
#include "store/StoreError.h"

#include <QFileInfo>

namespace korvel::entry {

const QString kCoverAfterClearing = QStringLiteral("Cover durch Klicken hinzufügen");
const QString kCoverOnOpening = QStringLiteral("Cover hinzufügen - hier klicken");

namespace {
const QString kNummer = QStringLiteral("nummer");

// A cover path that names an existing picture file; the label's request texts never do.
bool isCoverFile(const QString& path)
{
    if (path.isEmpty() || path == kCoverAfterClearing || path == kCoverOnOpening)
        return false;
    return QFileInfo(path).isFile();
}

// An index stored as text or number, when it is a whole number in [0, count).
std::optional<int> storedIndex(const store::RecordSet& rs, const QString& column, int count)
{
    const auto n = EntryRules::toWholeNumber(rs.text(column));
    if (n && *n >= 0 && *n < count)
        return n;
    return std::nullopt;
}

QString optionalText(const store::RecordSet& rs, const QString& column)
{
    return rs.hasColumn(column) ? rs.text(column) : QString();
}
} // namespace

void MovieEntry::clear()
{
    const QString keep = nummer;
    *this = MovieEntry();
    nummer = keep;
}

std::optional<int> MovieEntry::visibleNumber() const
{
    return EntryRules::toWholeNumber(nummer);
}

SaveOutcome writeEntry(const MovieEntry& e, store::RecordSet& haupt, const SaveOptions& options)
{
    const bool add = options.mode == SaveOptions::Mode::Add;
    const std::optional<double> price = EntryRules::storedPrice(e.preis);
    if (!price)
        throw store::StoreError(EntryRules::kPriceError);

    if (const auto n = e.visibleNumber())
        haupt.setInteger(QStringLiteral("visiblenr"), *n);
    else
        haupt.setNull(QStringLiteral("visiblenr"));
    if (add)
        haupt.setInteger(kNummer, options.entryKey);
    haupt.setText(QStringLiteral("titel"), e.titel);
    haupt.setText(QStringLiteral("darsteller"), e.darsteller);
    haupt.setText(QStringLiteral("regie"), e.regie);
    haupt.setText(QStringLiteral("musik"), e.musik);
    haupt.setText(QStringLiteral("genre"), e.genre);
    haupt.setText(QStringLiteral("datum"), e.datum);
    haupt.setText(QStringLiteral("laufzeit"), e.laufzeit);
    if (add) {
        haupt.setDate(QStringLiteral("eingabedatum"), options.today.startOfDay());
        // a new entry without a description keeps the column empty
        if (!e.beschreibung.isEmpty())
            haupt.setText(QStringLiteral("beschreibung"), e.beschreibung);
    } else {
        haupt.setText(QStringLiteral("beschreibung"), e.beschreibung);
    }
    haupt.setText(QStringLiteral("dvdtyp"), e.dvdtyp);
    haupt.setText(QStringLiteral("mastering"), e.mastering);
    haupt.setText(QStringLiteral("bildtyp"), QString::number(e.bildtyp));
    haupt.setText(QStringLiteral("bildformat"), QString::number(e.bildformat));
    haupt.setText(QStringLiteral("buch"), e.drehbuch);
    haupt.setText(QStringLiteral("fsk"), e.fsk);
    haupt.setText(QStringLiteral("visuelle_effekte"), e.effekte);
    haupt.setText(QStringLiteral("produzent"), e.produzent);
    haupt.setText(QStringLiteral("kostueme"), e.kostueme);
    const int ratingCount = int(DomainLists::ratings().size());
    haupt.setInteger(QStringLiteral("wertung"),
                     e.wertung >= 0 && e.wertung < ratingCount ? e.wertung : 0);
    haupt.setText(QStringLiteral("originaltitel"), e.originaltitel);
    // a region typed but not yet brought back to an item by its leaving rule is brought now
    haupt.setText(QStringLiteral("region"),
                  DomainLists::regions()[EntryRules::regionRule(e.region)]);
    haupt.setText(QStringLiteral("ean"), EntryRules::storedEan(e.ean));
    haupt.setText(QStringLiteral("dvdextras"), e.dvdextras);
    haupt.setNumber(QStringLiteral("preis"), *price);
    haupt.setText(QStringLiteral("kommentar"), e.kommentar);
    haupt.setInteger(QStringLiteral("medienanzahl"), EntryRules::mediaCountValue(e.medienanzahl));

    SaveOutcome out;
    if (add || options.coverChanged) {
        if (isCoverFile(e.cover)) {
            haupt.setText(QStringLiteral("cover"), e.cover);
            out.makeThumbnail = true;
        } else if (!add) {
            haupt.setText(QStringLiteral("cover"), QString());
            haupt.writePicture(QStringLiteral("cover_thumb"), QByteArray());
        }
    }
    return out;
}

MovieEntry readEntry(const store::RecordSet& h)
{
    MovieEntry e;
    e.titel = h.text(QStringLiteral("titel"));
    e.darsteller = h.text(QStringLiteral("darsteller"));
    e.beschreibung = h.text(QStringLiteral("beschreibung"));
    e.regie = h.text(QStringLiteral("regie"));
    e.musik = h.text(QStringLiteral("musik"));
    e.genre = h.text(QStringLiteral("genre"));
    e.datum = h.text(QStringLiteral("datum"));
    e.laufzeit = h.text(QStringLiteral("laufzeit"));
    e.originaltitel = h.text(QStringLiteral("originaltitel"));
    e.ean = h.text(QStringLiteral("ean"));
    e.kommentar = h.text(QStringLiteral("kommentar"));
    e.dvdextras = h.text(QStringLiteral("dvdextras"));
    e.nummer = h.text(QStringLiteral("visiblenr"));
    e.dvdtyp = h.text(QStringLiteral("dvdtyp"));
    e.mastering = h.text(QStringLiteral("mastering"));
    e.drehbuch = h.text(QStringLiteral("buch"));
    e.effekte = h.text(QStringLiteral("visuelle_effekte"));
    e.produzent = h.text(QStringLiteral("produzent"));
    e.kostueme = h.text(QStringLiteral("kostueme"));
    e.fsk = h.text(QStringLiteral("fsk"));

    // coded columns; a value outside its list falls back to the item after clearing
    const QStringList& regions = DomainLists::regions();
    e.region = regions[storedIndex(h, QStringLiteral("region"), int(regions.size())).value_or(2)];
    e.bildtyp = storedIndex(h, QStringLiteral("bildtyp"), 2).value_or(0);
    e.bildformat = storedIndex(h, QStringLiteral("bildformat"), 2).value_or(1);
    e.wertung =
        storedIndex(h, QStringLiteral("wertung"), int(DomainLists::ratings().size())).value_or(0);
    e.preis = h.isNull(QStringLiteral("preis"))
                  ? QStringLiteral("0.00")
                  : EntryRules::priceText(h.number(QStringLiteral("preis")));
    e.cover = h.text(QStringLiteral("cover"));
    e.medienanzahl = EntryRules::mediaCountText(int(h.integer(QStringLiteral("medienanzahl"))));
    return e;
}

QList<AudioTrack> readAudioTracks(store::RecordSet& sprachen, int key)
{
    store::BorrowedQuery q(sprachen,
                           {QStringLiteral("select *from sprachen where nummer = :nummer")},
                           {{kNummer, key}});
    QList<AudioTrack> out;
    for (; !q->atEnd(); q->next())
        out.append({q->text(QStringLiteral("sprache")), q->text(QStringLiteral("tonformat")),
                    optionalText(*q, QStringLiteral("kanaele"))});
    return out;
}

QList<SubtitleTrack> readSubtitleTracks(store::RecordSet& untertitel, int key)
{
    store::BorrowedQuery q(untertitel,
                           {QStringLiteral("select *from untertitel where nummer = :nummer")},
                           {{kNummer, key}});
    QList<SubtitleTrack> out;
    for (; !q->atEnd(); q->next())
        out.append({q->text(QStringLiteral("sprache")), q->text(QStringLiteral("attribute"))});
    return out;
}

void writeAudioTracks(store::RecordSet& sprachen, int key, const QList<AudioTrack>& tracks)
{
    store::BorrowedQuery q(sprachen,
                           {QStringLiteral("select *from sprachen where nummer = :nummer")},
                           {{kNummer, key}});
    while (!q->atEnd())
        q->remove();
    const bool hasChannels = q->hasColumn(QStringLiteral("kanaele"));
    for (const AudioTrack& t : tracks) {
        q->append();
        q->setText(QStringLiteral("sprache"), t.sprache);
        q->setInteger(kNummer, key);
        q->setText(QStringLiteral("tonformat"), t.tonformat);
        if (hasChannels)
            q->setText(QStringLiteral("kanaele"), t.kanaele);
        q->post();
    }
}

void writeSubtitleTracks(store::RecordSet& untertitel, int key, const QList<SubtitleTrack>& tracks)
{
    store::BorrowedQuery q(untertitel,
                           {QStringLiteral("select *from untertitel where nummer = :nummer")},
                           {{kNummer, key}});
    while (!q->atEnd())
        q->remove();
    for (const SubtitleTrack& t : tracks) {
        q->append();
        q->setText(QStringLiteral("sprache"), t.sprache);
        q->setInteger(kNummer, key);
        q->setText(QStringLiteral("attribute"), t.attribute);
        q->post();
    }
}

} // namespace korvel::entry
