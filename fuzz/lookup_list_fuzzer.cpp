// parse_list on arbitrary replies: no crash, no hang, and at least as many rows as the
// consecutive "DVD" numbers mention.
#include "common/Cp1252.h"
#include "online/LookupProtocol.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply =
        korvel::Cp1252::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    QList<korvel::online::LookupCandidate> rows;
    const int n = korvel::online::LookupProtocol::parse_list(reply, rows);
    if (n != rows.size())
        std::abort();
    const QString decoded = korvel::online::LookupProtocol::decode_entities(reply);
    for (int i = 1; i <= n; ++i)
        if (!decoded.contains(QStringLiteral("DVD%1").arg(i)))
            std::abort();
    if (decoded.contains(QStringLiteral("DVD%1").arg(n + 1)))
        std::abort();
    return 0;
}
