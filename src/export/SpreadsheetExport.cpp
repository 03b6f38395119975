#include "export/SpreadsheetExport.h"

#include "export/ExportFields.h"
#include "export/SpreadsheetWriter.h"
#include "store/RecordSet.h"

namespace korvel::exporting {

QList<QStringList> exportTable(store::RecordSet& haupt, const QStringList& captions,
                               const QList<qint64>& keys)
{
    QList<QStringList> table;
    table.reserve(keys.size() + 2);
    table << captions << QStringList(QList<QString>(captions.size()));

    QStringList columns;
    for (const QString& caption : captions)
        columns << ExportFields::column(caption);

    // given back open when it was: declared before the borrowing, so it runs after the query
    // text has been put back, also when a store error ends the export
    struct Reopen
    {
        store::RecordSet& rs;
        bool wasOpen;
        ~Reopen()
        {
            if (wasOpen && !rs.isOpen()) {
                try {
                    rs.open();
                } catch (...) {
                }
            }
        }
    } reopen{haupt, haupt.isOpen()};

    store::BorrowedQuery query(haupt,
                               {QStringLiteral("select *from haupt where nummer = :nummer")});
    for (qint64 key : keys) {
        haupt.close();
        haupt.bind(QStringLiteral("nummer"), key);
        haupt.open();
        if (haupt.atEnd())
            continue; // deleted since the list was filled: nothing to export
        QStringList row;
        row.reserve(captions.size());
        for (int i = 0; i < captions.size(); ++i)
            row << ExportFields::formatValue(captions[i], haupt.text(columns[i]));
        table << row;
    }
    return table;
}

bool exportEntries(store::RecordSet& haupt, const QStringList& captions, const QList<qint64>& keys,
                   const QString& path, QString* error)
{
    if (keys.size() + 2 > SpreadsheetWriter::maxRows) {
        if (error)
            *error = tooManyRowsMessage();
        return false;
    }
    return writeSpreadsheet(path, exportTable(haupt, captions, keys), error);
}

} // namespace korvel::exporting
