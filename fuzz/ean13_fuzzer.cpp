// Feeds arbitrary texts to the bar code of the detail window.
#include "detail/Ean13BarCode.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const korvel::detail::BarCode code = korvel::detail::CreateBarCode(text);
    if (code.valid && (code.label.size() != 13 || code.image.width() != 105))
        __builtin_trap();
    return 0;
}
