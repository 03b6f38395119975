#include "app/ColumnVocabulary.h"

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

} // namespace korvel::app::ColumnVocabulary
