// Writing the spreadsheet export of 100,000 rows x 10 columns, against writing the same texts
// plainly (Windows-1252, tab and line feed between them) to a file in the same run. One
// spreadsheet file addresses at most 65,536 rows, so the rows go into two files of 50,000.
#include "BenchCatalog.h"

#include "common/Cp1252.h"
#include "export/SpreadsheetWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

using namespace korvel;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;

    constexpr int rows = 100000, columns = 10, perFile = 50000;
    const QStringList words{
        "Zorro",           "Müller",        "Der Pate",           "Kostüme", "12.5€", "95 min.",
        "16:9 Widescreen", "Spitzenklasse", "Anna Maria Schmidt", "DVD-9"};
    QList<QStringList> table;
    table.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QStringList row;
        for (int c = 0; c < columns; ++c)
            row << words[(r + c) % words.size()] + QString::number(r);
        table << row;
    }

    qint64 spreadsheetBytes = 0;
    const double spreadsheet = bench::bestOf(5, [&] {
        spreadsheetBytes = 0;
        for (int part = 0; part * perFile < rows; ++part) {
            const QString path = dir.filePath(QStringLiteral("export%1.xls").arg(part));
            if (!exporting::writeSpreadsheet(path, table.mid(part * perFile, perFile)))
                qFatal("writing failed");
            spreadsheetBytes += QFileInfo(path).size();
        }
    });

    qint64 plainBytes = 0;
    const double plain = bench::bestOf(5, [&] {
        QFile f(dir.filePath(QStringLiteral("plain.txt")));
        if (!f.open(QIODevice::WriteOnly))
            qFatal("writing failed");
        QByteArray line;
        for (const QStringList& row : table) {
            line.clear();
            for (int c = 0; c < row.size(); ++c) {
                line += Cp1252::encode(row[c]);
                line += c + 1 < row.size() ? '\t' : '\n';
            }
            f.write(line);
        }
        f.close();
        plainBytes = f.size();
    });

    out << "spreadsheet, " << rows << " rows x " << columns << " columns: " << spreadsheet
        << " ms, " << spreadsheetBytes << " bytes\n";
    out << "plain text of the same cells:           " << plain << " ms, " << plainBytes
        << " bytes\n";
    out << "ratio spreadsheet / plain: time " << QString::number(spreadsheet / plain, 'f', 2)
        << ", size " << QString::number(double(spreadsheetBytes) / plainBytes, 'f', 2) << "\n";
    return spreadsheet < 1000 ? 0 : 1;
}
