#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

namespace korvel::store {
class CatalogStore;
}

namespace korvel::app {

// What the info panel beside the movie list shows for one entry.
struct InfoPanelContent
{
    bool found = false;
    QString heading;       // "Infos zur DVD #12"
    QString typeLine;      // "Typ: DVD-9, Original-DVD"
    QString formatLine;    // "Bildformat: 16:9 Wide"
    QString languagesLine; // "Sprachen: Deutsch, Englisch"
    QString subtitlesLine; // "Untertitel: Deutsch"
    QString description;
    bool lent = false;
    QString borrowerLine; // "An: Eva"
    QString loanDate;
    QString loanRemark;
    QByteArray thumbnail; // JPEG; empty: the default cover picture
    QString coverFile;    // an existing cover file (for the detail window), or empty
};

namespace InfoPanel {

constexpr int kCoverWidth = 217;
constexpr int kCoverHeight = 144;

// Reads the entry with its audio and subtitle rows; the components' own queries are put
// back. A missing thumbnail is made on demand from the cover file, or from a file of that
// name in the cover folder, and stored (errors there are ignored). rebuild: the twin used
// after the edit dialog saved the entry (heading with the number padded by the entry key,
// thumbnail only from the stored path).
InfoPanelContent load(store::CatalogStore& store, int key, const QString& coverFolder, bool rebuild = false);

// Where a picture is drawn in the 217 x 144 cover area: scaled to fit, centred.
QRect coverRect(QSize picture);

QString emptyHeading(); // "Infos zur DVD"

} // namespace InfoPanel
} // namespace korvel::app
