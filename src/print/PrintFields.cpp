#include "print/PrintFields.h"

#include "entry/DomainLists.h"

#include <QHash>

namespace korvel::print::PrintFields {

namespace {

struct Field
{
    const char* caption;
    const char* column;
};

const Field table[] = {
    {"Bildformat", "bildformat"},
    {"Bildtyp", "bildtyp"},
    {"Buch", "buch"},
    {"Darsteller", "darsteller"},
    {"Darsteller Ext", "darsteller"},
    {"Datum", "datum"},
    {"DVD-Extras", "dvdextras"},
    {"Dvdtyp", "dvdtyp"},
    {"EAN", "ean"},
    {"Effekte", "visuelle_effekte"},
    {"FSK", "fsk"},
    {"Genre", "genre"},
    {"Inhaltsangabe", "beschreibung"},
    {"Kommentar", "kommentar"},
    {"Kostüme", "kostueme"},
    {"Laufzeit", "laufzeit"},
    {"Mastering", "mastering"},
    {"Medienanzahl", "medienanzahl"},
    {"Musik", "musik"},
    {"Nummer", "visiblenr"},
    {"Originaltitel", "originaltitel"},
    {"Preis", "preis"},
    {"Produzent", "produzent"},
    {"Regie", "regie"},
    {"Region", "region"},
    {"Titel", "titel"},
    {"Wertung", "wertung"},
};

const QHash<QString, QString>& columns()
{
    static const QHash<QString, QString> map = [] {
        QHash<QString, QString> m;
        for (const Field& f : table)
            m.insert(QString::fromUtf8(f.caption), QString::fromUtf8(f.column));
        return m;
    }();
    return map;
}

} // namespace

const QStringList& captions()
{
    static const QStringList list = [] {
        QStringList l;
        for (const Field& f : table)
            l << QString::fromUtf8(f.caption);
        return l;
    }();
    return list;
}

bool isCaption(const QString& caption)
{
    return columns().contains(caption);
}

QString column(const QString& caption)
{
    return columns().value(caption, caption);
}

QString heading(const QString& caption)
{
    return caption == QLatin1String("Darsteller Ext") ? QStringLiteral("Darsteller") : caption;
}

QString withoutParenthesised(const QString& text)
{
    QString result = text;
    for (qsizetype open = result.indexOf(QLatin1Char('(')); open >= 0;
         open = result.indexOf(QLatin1Char('('), open)) {
        const qsizetype close = result.indexOf(QLatin1Char(')'), open + 1);
        result.remove(open, close < 0 ? 1 : close - open + 1);
    }
    return result;
}

QString printedText(const QString& caption, const QString& stored)
{
    if (caption == QLatin1String("Bildformat"))
        return stored == QLatin1String("0") ? QStringLiteral("4:3") : QStringLiteral("16:9");
    if (caption == QLatin1String("Bildtyp"))
        return stored.isEmpty() || stored == QLatin1String("0") ? QStringLiteral("PAL")
                                                                : QStringLiteral("NTSC");
    if (caption == QLatin1String("Darsteller"))
        return withoutParenthesised(stored);
    if (caption == QLatin1String("Laufzeit"))
        return stored + QStringLiteral(" min.");
    if (caption == QLatin1String("Wertung")) {
        // A value that names no rating (damaged or foreign data) is printed as stored.
        bool ok = false;
        const int index = stored.trimmed().toInt(&ok);
        const QStringList& ratings = entry::DomainLists::ratings();
        if (stored == QLatin1String("0") || !ok || index < 0 || index >= ratings.size())
            return stored;
        return ratings[index];
    }
    return stored;
}

} // namespace korvel::print::PrintFields
