#include "export/ExportFields.h"

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
    static const QHash<QString, QString> map{
        {QStringLiteral("Spieldauer"), QStringLiteral("laufzeit")},
        {QStringLiteral("Drehbuch"), QStringLiteral("buch")},
        {QStringLiteral("Kostüme"), QStringLiteral("kostueme")},
        {QStringLiteral("Effekte"), QStringLiteral("visuelle_effekte")},
        {QStringLiteral("Medientyp"), QStringLiteral("dvdtyp")},
        {QStringLiteral("Nummer"), QStringLiteral("visiblenr")},
        {QStringLiteral("Verliehen an"), QStringLiteral("verliehen_an")},
        {QStringLiteral("Verleihdatum"), QStringLiteral("verliehen_datum")},
        {QStringLiteral("Verleihkommentar"), QStringLiteral("verliehen_kommentar")},
        {QStringLiteral("Inhaltsangabe"), QStringLiteral("beschreibung")},
    };
    return map.value(caption, caption);
}

bool isInteger(const QString& text, int* value)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    const QStringView rest = QStringView(text).mid(i);
    qsizetype digits = 0;
    for (qsizetype k = 0; k < rest.size(); ++k) {
        const QChar c = rest[k];
        if (k == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-')))
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        ++digits;
    }
    if (digits == 0)
        return false;
    bool ok = false;
    const int v = rest.toInt(&ok);
    if (value)
        *value = v;
    return ok;
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
