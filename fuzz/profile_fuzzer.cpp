// Feeds arbitrary files to the print profile reader: split into lines as the file reader
// does, read, written back and read again.
#include "common/Cp1252.h"
#include "print/PrintProfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList lines;
    const QList<QByteArray> raw = bytes.split('\n');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray line = raw[i];
        if (i == raw.size() - 1 && line.isEmpty())
            break;
        if (line.endsWith('\r'))
            line.chop(1);
        lines << korvel::Cp1252::decode(line);
    }
    const auto profile = korvel::print::PrintProfile::fromLines(lines);
    if (!profile)
        return 0;
    for (const auto& field : profile->fields) {
        field.parsedFont();
        field.maxLines();
        field.widthPercent();
        korvel::print::colourFromValue(field.backgroundValue());
    }
    // what the writer gives must read back as the same fields
    const auto again = korvel::print::PrintProfile::fromLines(profile->toLines());
    if (!again || again->fields.size() != profile->fields.size())
        __builtin_trap();
    return 0;
}
