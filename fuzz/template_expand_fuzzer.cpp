// The template engine's line expansion on arbitrary templates over a small catalog: no
// crash, no endless loop, and lines without "%%" outside the loop come out unchanged.
#include "common/Cp1252.h"
#include "export/TemplateEngine.h"
#include "store/CatalogDatabase.h"
#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

struct Fixture
{
    QTemporaryDir dir;
    korvel::store::CatalogStore store;

    Fixture()
    {
        const QString path = dir.filePath(QStringLiteral("movies.mdb"));
        korvel::store::CatalogDatabase::createEmptyFile(path);
        store.database().setPath(path);
        store.database().connect();
        korvel::store::CatalogSchema::createEmptyCatalog(store.database());
        const char* titles[] = {"Alien %%TITEL%%", "Tom & <Jerry>", "%%MOVE NEXT%%"};
        for (int n = 1; n <= 3; ++n)
            store.database().execute(
                QStringLiteral("insert into haupt (nummer, titel, wertung, laufzeit) values "
                               "(:n, :t, :w, '90')"),
                {{QStringLiteral("n"), n},
                 {QStringLiteral("t"), QString::fromUtf8(titles[n - 1])},
                 {QStringLiteral("w"), n * 5}});
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Fixture fixture;
    QStringList lines =
        korvel::Cp1252::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))
            .split(QLatin1Char('\n'));
    if (lines.size() > 200)
        lines = lines.mid(0, 200);
    korvel::exporting::TemplateEngine engine(fixture.store.haupt(), {1, 2, 3, 7}, fixture.dir.path());
    engine.setEventPump({});
    const QStringList out = engine.expand(lines);
    if (out.size() < lines.size() || out.size() > lines.size() * 6)
        std::abort();
    bool anyToken = false;
    for (const QString& l : lines)
        anyToken = anyToken || l.contains(QLatin1String("%%"));
    if (!anyToken && out != lines)
        std::abort();
    return 0;
}
