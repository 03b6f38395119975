// The update check's reply rules on arbitrary replies.
#include "common/Cp1252.h"
#include "online/LookupProtocol.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply =
        korvel::Cp1252::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const auto r = korvel::online::LookupProtocol::parse_update_reply(reply, false);
    if (r.available && !reply.contains(QLatin1String("</AVAIL>")))
        std::abort();
    if (!r.available && !r.announcement.isEmpty())
        std::abort();
    if (korvel::online::LookupProtocol::parse_update_reply(reply, true).available)
        std::abort();
    return 0;
}
