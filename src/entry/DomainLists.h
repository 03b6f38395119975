#pragma once

#include <QStringList>

namespace korvel::entry {

// The value lists of a movie entry's fields, in item order. bildtyp, bildformat and wertung
// are stored as item indexes, the others as texts. Printing, export and the disc read-in
// use the same lists.
namespace DomainLists {

const QStringList& mediumTypes();      // dvdtyp
const QStringList& masteringKinds();   // mastering
const QStringList& pictureStandards(); // bildtyp: PAL, NTSC
const QStringList& pictureFormats();   // bildformat: 4:3 Full, 16:9 Wide
const QStringList& regions();          // "0".."6"
const QStringList& ageRatings();       // fsk
const QStringList& ratings();          // wertung, index 0..10
const QStringList& languages();
const QStringList& audioFormats();
const QStringList& channels();
const QStringList& subtitleAttributes();
const QStringList& defaultGenres(); // the 39 names a new genre list starts with

} // namespace DomainLists
} // namespace korvel::entry
