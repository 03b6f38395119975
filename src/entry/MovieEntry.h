#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace korvel::store {
class RecordSet;
}

namespace korvel::entry {

struct AudioTrack
{
    QString sprache;
    QString tonformat;
    QString kanaele;
    bool operator==(const AudioTrack&) const = default;
};

struct SubtitleTrack
{
    QString sprache;
    QString attribute;
    bool operator==(const SubtitleTrack&) const = default;
};

// The cover label's request texts; neither is ever stored as a cover path.
extern const QString kCoverAfterClearing; // "Cover durch Klicken hinzufügen"
extern const QString kCoverOnOpening;     // "Cover hinzufügen - hier klicken"

// One movie entry as the entry form holds it: texts as typed, selections as item indexes.
// Member names are the form's control names. A default-made entry is the form after
// clearing (except nummer, which clearing leaves alone).
struct MovieEntry
{
    // general block
    QString nummer; // Edit6: the visible number as typed
    QString titel;
    QString genre;
    QString darsteller;
    QString regie;
    QString laufzeit;
    QString originaltitel;
    QString ean;
    QString datum;
    QString beschreibung; // lines separated by "\n"

    // page "DVD"
    QString dvdtyp = QStringLiteral("DVD-9");
    QString mastering = QStringLiteral("Original-DVD");
    QString region = QStringLiteral("2"); // the region list's text
    int bildtyp = 0;                      // 0 PAL, 1 NTSC
    int bildformat = 1;                   // 0 4:3 Full, 1 16:9 Wide
    QString dvdextras;
    QString medienanzahl = QStringLiteral("01"); // as the counter shows it

    // second page
    QString produzent;
    QString drehbuch;
    QString musik;
    QString effekte;
    QString kostueme;
    QString fsk;
    QString preis;
    int wertung = 0; // the rating list's selected index
    QString kommentar;

    // cover: the path of the picture file, empty when the label shows a request text
    QString cover;

    QList<AudioTrack> audio;
    QList<SubtitleTrack> subtitles;

    bool operator==(const MovieEntry&) const = default;

    // Clearing: every field back to its state after clearing, nummer left alone.
    void clear();

    // The visible number to store; nothing when Edit6 holds no whole number.
    std::optional<int> visibleNumber() const;
};

// How a save writes an entry into the haupt record.
struct SaveOptions
{
    enum class Mode
    {
        Add,
        Edit
    };
    Mode mode = Mode::Add;
    int entryKey = 0;          // Add: the new entry's nummer
    QDate today;               // Add: eingabedatum
    bool coverChanged = false; // Edit: only then are cover and cover_thumb written
};

struct SaveOutcome
{
    // The cover path was stored: the caller makes the thumbnail into cover_thumb of the
    // same record before posting it.
    bool makeThumbnail = false;
};

// Writes the entry into the current haupt record, which the caller has appended (add) or put
// into edit mode (edit); the caller posts it. Texts longer than their columns are cut by the
// store. Fails with a StoreError when the price is no price: check storedPrice() first.
SaveOutcome writeEntry(const MovieEntry& entry, store::RecordSet& haupt,
                       const SaveOptions& options);

// The current haupt record as the edit dialog loads it (without the audio and subtitle rows).
MovieEntry readEntry(const store::RecordSet& haupt);

// The audio and subtitle rows of an entry, in the order the engine returns them. Borrow the
// component and put its query back.
QList<AudioTrack> readAudioTracks(store::RecordSet& sprachen, int key);
QList<SubtitleTrack> readSubtitleTracks(store::RecordSet& untertitel, int key);

// Replaces the entry's rows: deletes those stored under key, then appends one row per track
// in list order. A new entry has no rows to delete.
void writeAudioTracks(store::RecordSet& sprachen, int key, const QList<AudioTrack>& tracks);
void writeSubtitleTracks(store::RecordSet& untertitel, int key, const QList<SubtitleTrack>& tracks);

} // namespace korvel::entry
