#include "export/ExportFields.h"

#include "app/ColumnVocabulary.h"
#include "entry/EntryRules.h"

#include "entry/DomainLists.h"

#include <QHash>

namespace korvel::exporting::ExportFields {

namespace {

// The list's entry at the index the text gives, followed by suffix; the text itself when it
// is no index of the list.
QString listEntry(const QStringList& list, const QString& text, const QString& suffix = {})
{
    int index = 0;
    if (!isInteger(text, &index) || index < 0 || index >= list.size())
        return text;
    return list[index] + suffix;
}

} // namespace

const QStringList& captions()
{
    static const QStringList list{QStringLiteral("Titel"),
                                  QStringLiteral("Darsteller"),
                                  QStringLiteral("Regie"),
                                  QStringLiteral("Beschreibung"),
                                  QStringLiteral("Musik"),
                                  QStringLiteral("Genre"),
                                  QStringLiteral("Spieldauer"),
                                  QStringLiteral("Datum"),
                                  QStringLiteral("Produzent"),
                                  QStringLiteral("Drehbuch"),
                                  QStringLiteral("Kostüme"),
                                  QStringLiteral("Effekte"),
                                  QStringLiteral("FSK"),
                                  QStringLiteral("Originaltitel"),
                                  QStringLiteral("EAN"),
                                  QStringLiteral("Region"),
                                  QStringLiteral("Kommentar"),
                                  QStringLiteral("Preis"),
                                  QStringLiteral("Wertung"),
                                  QStringLiteral("Eingabedatum"),
                                  QStringLiteral("Medientyp"),
                                  QStringLiteral("Mastering"),
                                  QStringLiteral("Bildformat"),
                                  QStringLiteral("Bildtyp"),
                                  QStringLiteral("Medienanzahl"),
                                  QStringLiteral("Nummer"),
                                  QStringLiteral("Cover"),
                                  QStringLiteral("Verliehen"),
                                  QStringLiteral("Verliehen an"),
                                  QStringLiteral("Verleihdatum"),
                                  QStringLiteral("Verleihkommentar")};
    return list;
}

const QStringList& captionsAfterProfile()
{
    static const QStringList list = [] {
        QStringList l = captions();
        l.move(l.indexOf(QStringLiteral("Beschreibung")), l.indexOf(QStringLiteral("Regie")));
        return l;
    }();
    return list;
}

QString column(const QString& caption)
{
    // the same captions name the same columns as in the movie list
    return app::ColumnVocabulary::getdbfieldname(caption);
}

bool isInteger(const QString& text, int* value)
{
    const std::optional<int> v = entry::EntryRules::toWholeNumber(text);
    if (v && value)
        *value = *v;
    return v.has_value();
}

QString formatValue(const QString& caption, const QString& text)
{
    using namespace entry::DomainLists;
    if (caption == QLatin1String("Medienanzahl"))
        return isInteger(text) ? text + QStringLiteral(" Datenträger") : text;
    if (caption == QLatin1String("Medientyp"))
        return listEntry(mediumTypes(), text);
    if (caption == QLatin1String("Mastering"))
        return listEntry(masteringKinds(), text);
    if (caption == QLatin1String("Bildtyp"))
        return listEntry(pictureStandards(), text);
    if (caption == QLatin1String("Bildformat"))
        return listEntry(pictureFormats(), text, QStringLiteral("screen"));
    if (caption == QLatin1String("Preis"))
        return text.isEmpty() ? text : text + QStringLiteral("€");
    if (caption == QLatin1String("Wertung"))
        return listEntry(ratings(), text);
    if (caption == QLatin1String("Spieldauer"))
        return text.isEmpty() ? text : text + QStringLiteral(" min.");
    return text;
}

} // namespace korvel::exporting::ExportFields
