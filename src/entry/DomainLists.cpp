#include "entry/DomainLists.h"

namespace korvel::entry::DomainLists {

#define KORVEL_LIST(fn, ...)                                                                       \
    const QStringList& fn()                                                                        \
    {                                                                                              \
        static const QStringList list{__VA_ARGS__};                                                \
        return list;                                                                               \
    }

KORVEL_LIST(mediumTypes, QStringLiteral("DVD-5"), QStringLiteral("DVD-9"), QStringLiteral("DVD-10"),
            QStringLiteral("DVD-18"), QStringLiteral("DVDR"), QStringLiteral("DVDRW"),
            QStringLiteral("DVDRL"), QStringLiteral("HD-DVD"), QStringLiteral("Video-CD"),
            QStringLiteral("SVideo-CD"), QStringLiteral("DivX-Video"), QStringLiteral("VHS"))
KORVEL_LIST(masteringKinds, QStringLiteral("Original-DVD"), QStringLiteral("Kopie (1:1)"),
            QStringLiteral("Kopie (re-authored)"), QStringLiteral("Eigene Aufnahme"))
KORVEL_LIST(pictureStandards, QStringLiteral("PAL"), QStringLiteral("NTSC"))
KORVEL_LIST(pictureFormats, QStringLiteral("4:3 Full"), QStringLiteral("16:9 Wide"))
KORVEL_LIST(regions, QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
            QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"))
KORVEL_LIST(ageRatings, QStringLiteral("o. A."), QStringLiteral("6"), QStringLiteral("12"),
            QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("JK/SPIO"),
            QStringLiteral("ungeprüft"))
KORVEL_LIST(ratings, QStringLiteral("keine Wertung"), QStringLiteral("unter jeder Kritik"),
            QStringLiteral("Schlecht"), QStringLiteral("Schwach"), QStringLiteral("Bescheiden"),
            QStringLiteral("Mäßig"), QStringLiteral("Okay"), QStringLiteral("Gut"),
            QStringLiteral("Sehr gut"), QStringLiteral("Ausgezeichnet"),
            QStringLiteral("Spitzenklasse"))
KORVEL_LIST(languages, QStringLiteral("Deutsch"), QStringLiteral("Englisch"),
            QStringLiteral("Italienisch"), QStringLiteral("Französisch"), QStringLiteral("Spanisch"),
            QStringLiteral("Griechisch"), QStringLiteral("Türkisch"), QStringLiteral("unspezifiziert"))
KORVEL_LIST(audioFormats, QStringLiteral("Dolby AC-3"), QStringLiteral("MPEG-1"),
            QStringLiteral("MPEG2-ext"), QStringLiteral("Linear PCM"), QStringLiteral("DTS"),
            QStringLiteral("SDDS"))
KORVEL_LIST(channels, QStringLiteral("2.0"), QStringLiteral("2.1"), QStringLiteral("4.0"),
            QStringLiteral("4.1"), QStringLiteral("5.1"), QStringLiteral("6.1"),
            QStringLiteral("7.1"))
KORVEL_LIST(subtitleAttributes, QStringLiteral("unspecified caption"),
            QStringLiteral("caption/normal size char"), QStringLiteral("caption/large size char"),
            QStringLiteral("caption for children"), QStringLiteral("closed caption/normal size char"),
            QStringLiteral("closed caption/large size char"),
            QStringLiteral("closed caption for children"), QStringLiteral("forced caption"),
            QStringLiteral("director comments/normal size char"),
            QStringLiteral("director comments/large size char"),
            QStringLiteral("director comments for children"))
KORVEL_LIST(defaultGenres, QStringLiteral("Abenteuer"), QStringLiteral("Action"),
            QStringLiteral("Actionkomödie"), QStringLiteral("Actionthriller"),
            QStringLiteral("Anime"), QStringLiteral("Comedy"), QStringLiteral("Doku"),
            QStringLiteral("Drama"), QStringLiteral("Epos"), QStringLiteral("Erotik"),
            QStringLiteral("Familie"), QStringLiteral("Fantasy"), QStringLiteral("Fantasyepos"),
            QStringLiteral("Fantasykomödie"), QStringLiteral("Historienfilm"),
            QStringLiteral("Historiedrama"), QStringLiteral("Horror"),
            QStringLiteral("Horrorkomödie"), QStringLiteral("Klassiker"), QStringLiteral("Komödie"),
            QStringLiteral("Krieg"), QStringLiteral("Liebe"), QStringLiteral("Liebesdrama"),
            QStringLiteral("Liebeskomödie"), QStringLiteral("Martial Arts"),
            QStringLiteral("Musical"), QStringLiteral("Musik"), QStringLiteral("Parodie"),
            QStringLiteral("Romantik"), QStringLiteral("Science Fiction"), QStringLiteral("Serie"),
            QStringLiteral("Sport"), QStringLiteral("Thriller"), QStringLiteral("Tragikkomödie"),
            QStringLiteral("TV"), QStringLiteral("Western"), QStringLiteral("Westernkomödie"),
            QStringLiteral("Westernparodie"), QStringLiteral("Zeichentrick"))

#undef KORVEL_LIST

} // namespace korvel::entry::DomainLists
