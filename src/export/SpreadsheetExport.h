#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korvel::store {
class RecordSet;
}

namespace korvel::exporting {

// The table of a spreadsheet export: the captions, an empty row, then one row per entry in
// the order of the keys given (a key naming no entry is left out), each value read from
// haupt and formatted for the export.
// The haupt component is borrowed and given back with its query text, bindings and open
// state. Store errors (e.g. a caption naming no column) are thrown as StoreError.
QList<QStringList> exportTable(store::RecordSet& haupt, const QStringList& captions,
                               const QList<qint64>& keys);

// exportTable written to path. False with a German message in error when the file cannot be
// written or the entries do not fit into one file.
bool exportEntries(store::RecordSet& haupt, const QStringList& captions, const QList<qint64>& keys,
                   const QString& path, QString* error = nullptr);

} // namespace korvel::exporting
