// HTML export through the standard template over 10,000 entries, against a plain
// sqlite3_step loop over the same rows; the same with cover thumbnails for half of the
// entries; and decode_entities over a 1 MB reply with 10,000 references.
#include "BenchCatalog.h"

#include "common/Cp1252.h"
#include "export/StandardTemplates.h"
#include "export/TemplateEngine.h"
#include "online/LookupProtocol.h"
#include "store/CatalogDatabase.h"
#include "store/CatalogStore.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

using namespace korvel;

namespace {

QByteArray coverJpeg()
{
    QImage img(120, 170, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x * 2, y, (x + y) % 256));
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "JPEG", 80);
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const int n = 10000;
    const QString path = dir.filePath(QStringLiteral("bench.mdb"));
    bench::generateCatalog(path, n);
    {
        store::CatalogDatabase db;
        db.setPath(path);
        db.connect();
        db.execute(QStringLiteral("update haupt set cover_thumb = :c where nummer % 2 = 0"),
                   {{QStringLiteral("c"), coverJpeg()}});
    }

    const QString templates = dir.filePath(QStringLiteral("Templates"));
    exporting::StandardTemplates::install(templates);
    const QString page = QDir(templates).filePath(QStringLiteral("korv_standard.htm"));
    QStringList lines;
    Cp1252::readLines(page, lines);
    QStringList withThumbs = lines;
    for (QString& l : withThumbs)
        l.replace(QStringLiteral("%%NR%%"), QStringLiteral("<img src=\"%%THUMB%%\"> %%NR%%"));
    const QString thumbPage = QDir(templates).filePath(QStringLiteral("thumbs.htm"));
    Cp1252::writeLines(thumbPage, withThumbs);

    qint64 sink = 0;
    const double plain = bench::bestOf(3, [&] {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "select *from haupt", -1, &st, nullptr);
        const int cols = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW)
            for (int c = 0; c < cols; ++c)
                sink += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                          sqlite3_column_bytes(st, c))
                            .size();
        sqlite3_finalize(st);
        sqlite3_close(db);
    });

    QList<qint64> keys;
    for (int k = 1; k <= n; ++k)
        keys << k;
    store::CatalogStore s;
    s.database().setPath(path);
    s.database().connect();
    const QString target = dir.filePath(QStringLiteral("out/export.htm"));
    QDir().mkpath(dir.filePath(QStringLiteral("out")));

    const double exportPlain =
        bench::bestOf(3, [&] { exporting::run_template_export(s, keys, page, target); });
    const double exportThumbs =
        bench::bestOf(1, [&] { exporting::run_template_export(s, keys, thumbPage, target); });
    const int written = QDir(dir.filePath(QStringLiteral("out"))).entryList({"*.jpg"}).size();

    out << QStringLiteral("standard template over %1 entries: %2 ms; plain sqlite3_step over the "
                          "same rows %3 ms; ratio %4\n")
               .arg(n)
               .arg(exportPlain, 0, 'f', 1)
               .arg(plain, 0, 'f', 1)
               .arg(exportPlain / plain, 0, 'f', 2);
    out << QStringLiteral("with THUMB (%1 covers written): %2 ms; ratio %3\n")
               .arg(written)
               .arg(exportThumbs, 0, 'f', 1)
               .arg(exportThumbs / plain, 0, 'f', 2);

    // A reply of about 1 MB with 10,000 references of the kinds the services send.
    QString reply;
    const QString refs[] = {QStringLiteral("&#228;"), QStringLiteral("&amp;"),
                            QStringLiteral("&quot;"), QStringLiteral("&#8364;")};
    for (int i = 0; reply.size() < 1000000; ++i) {
        reply += QString(96, QLatin1Char('x'));
        if (i < 10000)
            reply += refs[i % 4];
    }
    QString decoded;
    const double decode =
        bench::bestOf(5, [&] { decoded = online::LookupProtocol::decode_entities(reply); });
    out << QStringLiteral("decode_entities over %1 characters with 10000 references: %2 ms\n")
               .arg(reply.size())
               .arg(decode, 0, 'f', 2);
    if (sink == 42 || decoded.isEmpty())
        out << "";
    return 0;
}
