#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace korvel::exporting {

// The spreadsheet file (".xls") of the export: a little-endian stream of a start record, one
// text cell per value row by row, and an end record. Every value is text in Windows-1252;
// a text over 255 characters is cut to 251 and "...".
//
// Row and column indexes are two bytes wide, so a file holds at most 65,536 rows: a larger
// table is refused rather than written with rows that overwrite each other.
class SpreadsheetWriter
{
  public:
    static constexpr int maxRows = 65536;
    static constexpr int maxColumns = 65536;
    static constexpr int maxTextLength = 255;

    explicit SpreadsheetWriter(QIODevice& device);

    // Writes the start record.
    void begin();
    // Writes the cells of the next row, columns from 0. False (nothing written) when the row
    // or a column index does not fit.
    bool addRow(const QStringList& cells);
    // Writes the end record.
    void finish();

    int rowsWritten() const { return m_row; }

    // The bytes of a text cell's text: Windows-1252, cut as above.
    static QByteArray cellText(const QString& text);

  private:
    void put16(char* at, int value);

    QIODevice& m_device;
    int m_row = 0;
    QByteArray m_buffer;
};

// The message for a table too large for one file.
QString tooManyRowsMessage();

// The whole file for a table of rows (no key column).
QByteArray spreadsheetBytes(const QList<QStringList>& rows);

// Writes the table to path, replacing the file; on failure nothing is left at path (an
// existing file stays as it was) and error holds a German message.
bool writeSpreadsheet(const QString& path, const QList<QStringList>& rows,
                      QString* error = nullptr);

} // namespace korvel::exporting
