#include "app/ColumnVocabulary.h"

#include "entry/DomainLists.h"
#include "entry/EntryRules.h"

#include <QHash>

namespace korvel::app::ColumnVocabulary {

const QStringList& captions()
{
    static const QStringList list{
        QStringLiteral("Titel"),        QStringLiteral("Darsteller"),
        QStringLiteral("Regie"),        QStringLiteral("Musik"),
        QStringLiteral("Genre"),        QStringLiteral("Spieldauer"),
        QStringLiteral("Datum"),        QStringLiteral("Produzent"),
        QStringLiteral("Drehbuch"),     QStringLiteral("Kostüme"),
        QStringLiteral("Effekte"),      QStringLiteral("FSK"),
        QStringLiteral("Originaltitel"), QStringLiteral("EAN"),
        QStringLiteral("Region"),       QStringLiteral("Kommentar"),
        QStringLiteral("Preis"),        QStringLiteral("Wertung"),
        QStringLiteral("Eingabedatum"), QStringLiteral("Medientyp"),
        QStringLiteral("Mastering"),    QStringLiteral("Bildformat"),
        QStringLiteral("Bildtyp"),      QStringLiteral("Medienanzahl"),
        QStringLiteral("Nummer"),       QStringLiteral("Verliehen"),
        QStringLiteral("Verliehen an"), QStringLiteral("Verleihdatum"),
        QStringLiteral("Verleihkommentar")};
    return list;
}

const QList<DesignColumn>& designColumns()
{
    static const QList<DesignColumn> list{
        {QStringLiteral("Titel"), 250},  {QStringLiteral("Darsteller"), 200},
        {QStringLiteral("Regie"), 140},  {QStringLiteral("Musik"), 150},
        {QStringLiteral("Genre"), 100},  {QStringLiteral("Spieldauer"), 80},
        {QStringLiteral("Nummer"), 60}};
    return list;
}

QString getdbfieldname(const QString& caption)
{
    static const QHash<QString, QString> renamed{
        {QStringLiteral("Spieldauer"), QStringLiteral("laufzeit")},
        {QStringLiteral("Drehbuch"), QStringLiteral("buch")},
        {QStringLiteral("Kostüme"), QStringLiteral("kostueme")},
        {QStringLiteral("Effekte"), QStringLiteral("visuelle_effekte")},
        {QStringLiteral("Medientyp"), QStringLiteral("dvdtyp")},
        {QStringLiteral("Nummer"), QStringLiteral("visiblenr")},
        {QStringLiteral("Verliehen an"), QStringLiteral("verliehen_an")},
        {QStringLiteral("Verleihdatum"), QStringLiteral("verliehen_datum")},
        {QStringLiteral("Verleihkommentar"), QStringLiteral("verliehen_kommentar")},
        {QStringLiteral("Inhaltsangabe"), QStringLiteral("beschreibung")}};
    return renamed.value(caption, caption);
}

int getfieldpos(const QStringList& shownCaptions, const QString& caption)
{
    for (qsizetype i = 0; i < shownCaptions.size(); ++i)
        if (shownCaptions[i].compare(caption, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

CellKind cellKindOf(const QString& caption)
{
    static const QHash<QString, CellKind> kinds{
        {QStringLiteral("Spieldauer"), CellKind::Spieldauer},
        {QStringLiteral("FSK"), CellKind::Fsk},
        {QStringLiteral("Region"), CellKind::Region},
        {QStringLiteral("Preis"), CellKind::Preis},
        {QStringLiteral("Wertung"), CellKind::Wertung},
        {QStringLiteral("Medientyp"), CellKind::Medientyp},
        {QStringLiteral("Mastering"), CellKind::Mastering},
        {QStringLiteral("Bildformat"), CellKind::Bildformat},
        {QStringLiteral("Bildtyp"), CellKind::Bildtyp},
        {QStringLiteral("Medienanzahl"), CellKind::Medienanzahl}};
    return kinds.value(caption, CellKind::Plain);
}

namespace {
// Item n of list when cell is a number that names one.
const QString* itemFor(const QStringList& list, const QString& cell)
{
    const auto n = entry::EntryRules::toWholeNumber(cell);
    if (n && *n >= 0 && *n < list.size())
        return &list[*n];
    return nullptr;
}
} // namespace

QString correctOverview(CellKind kind, const QString& cell)
{
    switch (kind) {
    case CellKind::Medienanzahl:
        if (entry::EntryRules::toWholeNumber(cell))
            return cell + QStringLiteral(" Datenträger");
        return cell;
    case CellKind::Bildtyp:
        if (const QString* item = itemFor(entry::DomainLists::pictureStandards(), cell))
            return *item;
        return cell;
    case CellKind::Bildformat:
        if (const QString* item = itemFor(entry::DomainLists::pictureFormats(), cell))
            return *item + QStringLiteral("screen");
        return cell;
    case CellKind::Fsk:
        return cell.isEmpty() ? QStringLiteral("0") : cell;
    default:
        return cell;
    }
}

QString correctOverview(const QString& caption, const QString& cell)
{
    return correctOverview(cellKindOf(caption), cell);
}

QString listCell(CellKind kind, QString fieldText)
{
    switch (kind) {
    case CellKind::Plain:
        return fieldText;
    case CellKind::Spieldauer:
        if (!fieldText.isEmpty())
            fieldText += QStringLiteral(" min.");
        return fieldText;
    case CellKind::Wertung: {
        // a number outside the rating list shows as stored rather than failing the whole fill
        const QString number = fieldText.isEmpty() ? QStringLiteral("0") : fieldText;
        if (const QString* item = itemFor(entry::DomainLists::ratings(), number))
            return *item;
        return number;
    }
    case CellKind::Preis: {
        if (fieldText.isEmpty())
            return QStringLiteral("0.00 €");
        bool ok = false;
        const double value = fieldText.toDouble(&ok);
        return (ok ? entry::EntryRules::priceText(value) : fieldText) + QStringLiteral(" €");
    }
    default:
        return correctOverview(kind, fieldText);
    }
}

QString listCell(const QString& caption, const QString& fieldText)
{
    return listCell(cellKindOf(caption), fieldText);
}

bool isCentred(const QString& caption)
{
    switch (cellKindOf(caption)) {
    case CellKind::Plain:
        return false;
    default:
        return true;
    }
}

Qt::Alignment columnAlignment(const QStringList& shownCaptions, int index)
{
    Qt::Alignment a = isCentred(shownCaptions.value(index)) ? Qt::AlignHCenter : Qt::AlignLeft;
    if (index == 0)
        a = Qt::AlignLeft;
    if (index == shownCaptions.size() - 1)
        a = shownCaptions[index] == QLatin1String("Nummer") ? Qt::AlignRight : Qt::AlignLeft;
    return a;
}

} // namespace korvel::app::ColumnVocabulary
