#include "export/SpreadsheetWriter.h"

#include "common/Cp1252.h"

#include <QBuffer>
#include <QSaveFile>

namespace korvel::exporting {

namespace {
constexpr char startRecord[] = {0x09, 0x08, 0x08, 0x00, 0x00, 0x00,
                                0x10, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr char endRecord[] = {0x0A, 0x00, 0x00, 0x00};
constexpr int cellHeaderSize = 12; // type, length, row, column, format, text length
} // namespace

SpreadsheetWriter::SpreadsheetWriter(QIODevice& device) : m_device(device) {}

void SpreadsheetWriter::put16(char* at, int value)
{
    at[0] = char(value & 0xFF);
    at[1] = char((value >> 8) & 0xFF);
}

QByteArray SpreadsheetWriter::cellText(const QString& text)
{
    QByteArray bytes = Cp1252::encode(text);
    if (bytes.size() > maxTextLength) {
        bytes.truncate(251);
        bytes.append("...");
    }
    return bytes;
}

void SpreadsheetWriter::begin()
{
    m_row = 0;
    m_device.write(startRecord, sizeof startRecord);
}

bool SpreadsheetWriter::addRow(const QStringList& cells)
{
    if (m_row >= maxRows || cells.size() > maxColumns)
        return false;
    m_buffer.clear();
    for (int column = 0; column < cells.size(); ++column) {
        const QByteArray text = cellText(cells[column]);
        const qsizetype at = m_buffer.size();
        m_buffer.resize(at + cellHeaderSize);
        char* h = m_buffer.data() + at;
        put16(h, 0x0204);
        put16(h + 2, int(text.size()) + 8);
        put16(h + 4, m_row);
        put16(h + 6, column);
        put16(h + 8, 0);
        put16(h + 10, int(text.size()));
        m_buffer.append(text);
    }
    m_device.write(m_buffer);
    ++m_row;
    return true;
}

void SpreadsheetWriter::finish()
{
    m_device.write(endRecord, sizeof endRecord);
}

QString tooManyRowsMessage()
{
    return QStringLiteral("Die Daten passen nicht in eine Excel-Datei: sie kann höchstens %1 "
                          "Zeilen (Überschriften eingeschlossen) aufnehmen.")
        .arg(SpreadsheetWriter::maxRows);
}

static bool fits(const QList<QStringList>& rows)
{
    if (rows.size() > SpreadsheetWriter::maxRows)
        return false;
    for (const QStringList& r : rows)
        if (r.size() > SpreadsheetWriter::maxColumns)
            return false;
    return true;
}

QByteArray spreadsheetBytes(const QList<QStringList>& rows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SpreadsheetWriter writer(buffer);
    writer.begin();
    for (const QStringList& r : rows)
        if (!writer.addRow(r))
            return {};
    writer.finish();
    return buffer.data();
}

bool writeSpreadsheet(const QString& path, const QList<QStringList>& rows, QString* error)
{
    auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    if (!fits(rows))
        return fail(tooManyRowsMessage());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Die Datei \"%1\" konnte nicht angelegt werden: %2")
                        .arg(path, file.errorString()));
    SpreadsheetWriter writer(file);
    writer.begin();
    for (const QStringList& r : rows)
        writer.addRow(r);
    writer.finish();
    if (!file.commit())
        return fail(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2")
                        .arg(path, file.errorString()));
    return true;
}

} // namespace korvel::exporting
