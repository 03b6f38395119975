// get_element with the first line of the input as the element name and the rest as the
// reply; the EAN completion's result is checked on its own terms.
#include "common/Cp1252.h"
#include "online/LookupProtocol.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString all =
        korvel::Cp1252::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const qsizetype nl = all.indexOf(QLatin1Char('\n'));
    const QString name = nl < 0 ? QStringLiteral("EAN") : all.left(nl);
    const QString reply = nl < 0 ? all : all.mid(nl + 1);
    const QString value = korvel::online::LookupProtocol::get_element(reply, name);
    const QString decoded = korvel::online::LookupProtocol::decode_entities(reply);
    if (!value.isEmpty() && !decoded.contains(value.left(value.size() - 1)))
        std::abort();
    const QString ean = korvel::online::LookupProtocol::complete_ean(reply.left(12));
    if (ean.size() == 13) {
        int sum = 0;
        for (int i = 0; i < 13; ++i)
            sum += (ean[i].unicode() - '0') * (i % 2 == 0 ? 1 : 3);
        if (sum % 10 != 0)
            std::abort();
    }
    return 0;
}
