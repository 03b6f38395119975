#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>

class QIODevice;

namespace korvel::disc {

// A DVD information file that could not be read: missing, unreadable, too short for a value
// the reader needs, or with a damaged playing time. The message names the file.
class IfoError : public std::runtime_error
{
  public:
    explicit IfoError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

  private:
    QString m_message;
};

// Total size in bytes of the volume holding a file; -1 when it cannot be obtained.
using VolumeSizeFunction = std::function<qint64(const QString& path)>;
qint64 systemVolumeSize(const QString& path);

struct DvdInfo
{
    int runningTime = 0;   // minutes
    int videoStandard = 0; // item index of bildtyp: 0 PAL, 1 NTSC
    int mediumType = 0;    // item index of dvdtyp
};

// Reads the audio and subtitle lines, running time, video standard and medium type from a
// title set's information file (VTS_nn_0.IFO). The lines are appended to the lists the
// caller passes in, "Deutsch (Dolby-AC3)%%5.1" and "Englisch (forced caption)"; on an
// IfoError the lists hold the lines read before it. Throws IfoError.
void ReadDVDInfo(const QString& path, QStringList& audio, QStringList& subtitles, int& runningTime,
                 int& videoStandard, int& mediumType,
                 const VolumeSizeFunction& volumeSize = systemVolumeSize);

// The disc's name from the text data of VIDEO_TS.IFO; empty when the disc carries none.
// Throws IfoError.
QString ReadDVDGeneralName(const QString& path);

// The name of a two-character stream language code ("de" -> "Deutsch"); two zero bytes give
// "not specified", an unknown code (also one in capitals) is returned unchanged.
QString language_name(const QByteArray& code);

// dvdtyp index guessed from the size of the volume (-1: unknown).
int mediumTypeForVolumeSize(qint64 bytes);

// The same readings on an open device (random access); fileName only names it in errors.
DvdInfo readTitleSetInfo(QIODevice& device, const QString& fileName, QStringList& audio,
                         QStringList& subtitles);
QString readDiscName(QIODevice& device, const QString& fileName);

} // namespace korvel::disc
