// Feeds arbitrary bytes to both readings of the DVD information files: as a title set's
// information file and as VIDEO_TS.IFO. Errors are expected; crashes and hangs are not.
#include "disc/IfoReader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QStringList audio, subtitles;
        try {
            korvel::disc::readTitleSetInfo(buffer, QStringLiteral("VTS_01_0.IFO"), audio,
                                           subtitles);
        } catch (const korvel::disc::IfoError&) {
        }
    }
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        try {
            korvel::disc::readDiscName(buffer, QStringLiteral("VIDEO_TS.IFO"));
        } catch (const korvel::disc::IfoError&) {
        }
    }
    return 0;
}
