#include "disc/IfoReader.h"

#include "common/Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStorageInfo>

namespace korvel::disc {

namespace {

constexpr qint64 sectorSize = 2048;

// Title set information file
constexpr qint64 pgcTableSector = 204;
// The titles' own video attributes. The menus' attributes at 256 are zero on a title set
// without menus and would make every such disc NTSC.
constexpr qint64 videoAttributes = 512;
constexpr qint64 audioCount = 515;
constexpr qint64 audioRecords = 516;
constexpr int audioRecordSize = 8;
constexpr int audioTableSlots = 8;
constexpr qint64 subpictureCount = 597;
constexpr qint64 subpictureRecords = 598;
constexpr int subpictureRecordSize = 6;
constexpr int subpictureTableSlots = 32;

// Disc information file
constexpr qint64 textDataSector = 212;
constexpr int discNameItem = 0x30;
constexpr int maxNameLength = 30;

const QString notSpecified = QStringLiteral("not specified");

// Random-access reads that turn every shortfall into an IfoError naming the file.
class IfoFile
{
  public:
    IfoFile(QIODevice& device, const QString& name)
        : m_device(device), m_name(name), m_size(device.size())
    {
    }

    qint64 size() const { return m_size; }
    bool holds(qint64 pos, qint64 length) const
    {
        return pos >= 0 && length <= m_size && pos <= m_size - length;
    }

    QByteArray bytes(qint64 pos, int length)
    {
        if (!holds(pos, length))
            throw IfoError(tooShort(pos, length));
        if (!m_device.seek(pos))
            throw IfoError(tooShort(pos, length));
        QByteArray data = m_device.read(length);
        if (data.size() != length)
            throw IfoError(tooShort(pos, length));
        return data;
    }

    quint8 byte(qint64 pos) { return quint8(bytes(pos, 1).at(0)); }

    quint32 number(qint64 pos)
    {
        const QByteArray b = bytes(pos, 4);
        return quint32(quint8(b[0])) << 24 | quint32(quint8(b[1])) << 16 |
               quint32(quint8(b[2])) << 8 | quint32(quint8(b[3]));
    }

    const QString& name() const { return m_name; }

  private:
    QString tooShort(qint64 pos, qint64 length) const
    {
        return QStringLiteral("Die Datei \"%1\" ist beschädigt oder keine DVD-Informationsdatei: "
                              "sie endet vor Byte %2.")
            .arg(m_name)
            .arg(pos + length);
    }

    QIODevice& m_device;
    QString m_name;
    qint64 m_size;
};

QString codingName(quint8 byte0)
{
    switch (byte0 >> 4) {
    case 0:
        return QStringLiteral("Dolby-AC3");
    case 4:
        return QStringLiteral("MPEG-1");
    case 6:
        return QStringLiteral("MPEG2-ext");
    case 8:
        return QStringLiteral("Linear PCM");
    case 12:
        return QStringLiteral("DTS");
    case 14:
        return QStringLiteral("SDDS");
    default:
        return QStringLiteral("unused");
    }
}

QString channelName(quint8 byte1)
{
    static const char* const names[] = {"1.0", "2.0", "2.1", "4.0", "4.1", "5.1", "6.1", "7.1"};
    return QString::fromLatin1(names[byte1 & 7]);
}

QString kindName(quint8 byte5)
{
    static const char* const names[] = {"unspecified caption",
                                        "caption/normal size char",
                                        "caption/large size char",
                                        "caption for children",
                                        "unused",
                                        "closed caption/normal size char",
                                        "closed caption/large size char",
                                        "closed caption for children",
                                        "unused",
                                        "forced caption",
                                        "unused",
                                        "unused",
                                        "unused",
                                        "director comments/normal size char",
                                        "director comments/large size char",
                                        "director comments for children"};
    return QString::fromLatin1(names[byte5 & 15]);
}

// How many attribute records to read: those inside the table must be there; a count larger
// than the table reads the following bytes as further records, but only as far as the file
// holds whole records.
int recordsToRead(const IfoFile& file, int count, qint64 start, int recordSize, int tableSlots)
{
    if (count <= tableSlots)
        return count;
    const qint64 available = file.size() > start ? (file.size() - start) / recordSize : 0;
    return int(qMin<qint64>(count, qMax<qint64>(tableSlots, available)));
}

int bcdDigits(quint8 value, const IfoFile& file)
{
    const int high = value >> 4, low = value & 15;
    if (high > 9 || low > 9)
        throw IfoError(QStringLiteral("Die Datei \"%1\" ist beschädigt: die Spielzeit ist keine "
                                      "gültige Zahl (%2).")
                           .arg(file.name())
                           .arg(value, 2, 16, QLatin1Char('0')));
    return high * 10 + low;
}

} // namespace

QString language_name(const QByteArray& code)
{
    static const QHash<QByteArray, QString> names = [] {
        static const struct
        {
            const char* code;
            const char* name;
        } table[] = {
            {"aa", "Afar"},
            {"ab", "Abkhazian"},
            {"af", "Afrikaans"},
            {"am", "Amharic"},
            {"ar", "Arabic"},
            {"as", "Assamese"},
            {"ay", "Aymara"},
            {"az", "Azerbaijani"},
            {"ba", "Bashkir"},
            {"be", "Byelorussian"},
            {"bg", "Bulgarian"},
            {"bh", "Bihari"},
            {"bi", "Bislama"},
            {"bn", "Bengali; Bangla"},
            {"bo", "Tibetan"},
            {"br", "Breton"},
            {"ca", "Catalan"},
            {"co", "Corsican"},
            {"cs", "Czech (Ceske)"},
            {"cy", "Welsh"},
            {"da", "Dansk"},
            {"de", "Deutsch"},
            {"dz", "Bhutani"},
            {"el", "Griechisch"},
            {"en", "Englisch"},
            {"eo", "Esperanto"},
            {"es", "Spanisch"},
            {"et", "Estonian"},
            {"eu", "Basque"},
            {"fa", "Persian"},
            {"fi", "Suomi"},
            {"fj", "Fiji"},
            {"fo", "Faroese"},
            {"fr", "Französisch"},
            {"fy", "Frisian"},
            {"ga", "Irish"},
            {"gd", "Scots Gaelic"},
            {"gl", "Galician"},
            {"gn", "Guarani"},
            {"gu", "Gujarati"},
            {"ha", "Hausa"},
            {"he", "Hebrew"},
            {"hi", "Hindi"},
            {"hr", "Hrvatski"},
            {"hu", "Magyar"},
            {"hy", "Armenian"},
            {"ia", "Interlingua"},
            {"id", "Indonesian"},
            {"ie", "Interlingue"},
            {"ik", "Inupiak"},
            {"in", "Indonesian"},
            {"is", "Islenska"},
            {"it", "Italienisch"},
            {"iu", "Inuktitut"},
            {"iw", "Hebrew"},
            {"ja", "Japanese"},
            {"ji", "Yiddish"},
            {"jw", "Javanese"},
            {"ka", "Georgian"},
            {"kk", "Kazakh"},
            {"kl", "Greenlandic"},
            {"km", "Cambodian"},
            {"kn", "Kannada"},
            {"ko", "Korean"},
            {"ks", "Kashmiri"},
            {"ku", "Kurdish"},
            {"ky", "Kirghiz"},
            {"la", "Latin"},
            {"ln", "Lingala"},
            {"lo", "Laothian"},
            {"lt", "Lithuanian"},
            {"lv", "Latvian, Lettish"},
            {"mg", "Malagasy"},
            {"mi", "Maori"},
            {"mk", "Macedonian"},
            {"ml", "Malayalam"},
            {"mn", "Mongolian"},
            {"mo", "Moldavian"},
            {"mr", "Marathi"},
            {"ms", "Malay"},
            {"mt", "Maltese"},
            {"my", "Burmese"},
            {"na", "Nauru"},
            {"ne", "Nepali"},
            {"nl", "Nederlands"},
            {"no", "Norsk"},
            {"oc", "Occitan"},
            {"om", "(Afan) Oromo"},
            {"or", "Oriya"},
            {"pa", "Punjabi"},
            {"pl", "Polish"},
            {"ps", "Pashto, Pushto"},
            {"pt", "Portugues"},
            {"qu", "Quechua"},
            {"rm", "Rhaeto-Romance"},
            {"rn", "Kirundi"},
            {"ro", "Romanian"},
            {"ru", "Russian"},
            {"rw", "Kinyarwanda"},
            {"sa", "Sanskrit"},
            {"sd", "Sindhi"},
            {"sg", "Sangho"},
            {"sh", "Serbo-Croatian"},
            {"si", "Sinhalese"},
            {"sk", "Slovak"},
            {"sl", "Slovenian"},
            {"sm", "Samoan"},
            {"sn", "Shona"},
            {"so", "Somali"},
            {"sq", "Albanian"},
            {"sr", "Serbian"},
            {"ss", "Siswati"},
            {"st", "Sesotho"},
            {"su", "Sundanese"},
            {"sv", "Svenska"},
            {"sw", "Swahili"},
            {"ta", "Tamil"},
            {"te", "Telugu"},
            {"tg", "Tajik"},
            {"th", "Thai"},
            {"ti", "Tigrinya"},
            {"tk", "Turkmen"},
            {"tl", "Tagalog"},
            {"tn", "Setswana"},
            {"to", "Tonga"},
            {"tr", "Türkish"},
            {"ts", "Tsonga"},
            {"tt", "Tatar"},
            {"tw", "Twi"},
            {"ug", "Uighur"},
            {"uk", "Ukrainian"},
            {"ur", "Urdu"},
            {"uz", "Uzbek"},
            {"vi", "Vietnamese"},
            {"vo", "Volapuk"},
            {"wo", "Wolof"},
            {"xh", "Xhosa"},
            {"yi", "Yiddish"},
            {"yo", "Yoruba"},
            {"za", "Zhuang"},
            {"zh", "Chinese"},
            {"zu", "Zulu"},
        };
        QHash<QByteArray, QString> h;
        for (const auto& e : table)
            h.insert(QByteArray(e.code), QString::fromUtf8(e.name));
        return h;
    }();
    if (code.size() == 2 && code[0] == '\0' && code[1] == '\0')
        return notSpecified;
    const auto it = names.constFind(code);
    if (it != names.constEnd())
        return *it;
    return Cp1252::decode(code);
}

int mediumTypeForVolumeSize(qint64 bytes)
{
    if (bytes < 0)
        return 0;
    int type = bytes <= 4'700'000'000LL ? 0 : 1;
    if (bytes < 700'000'000LL)
        type = 4;
    return type;
}

qint64 systemVolumeSize(const QString& path)
{
    const QStorageInfo volume(QFileInfo(path).absolutePath());
    if (!volume.isValid() || !volume.isReady())
        return -1;
    return volume.bytesTotal();
}

DvdInfo readTitleSetInfo(QIODevice& device, const QString& fileName, QStringList& audio,
                         QStringList& subtitles)
{
    IfoFile file(device, fileName);
    DvdInfo info;

    const int subCount = recordsToRead(file, file.byte(subpictureCount), subpictureRecords,
                                       subpictureRecordSize, subpictureTableSlots);
    for (int i = 0; i < subCount; ++i) {
        const QByteArray rec =
            file.bytes(subpictureRecords + qint64(i) * subpictureRecordSize, subpictureRecordSize);
        const QString language = language_name(rec.mid(2, 2));
        if (language == notSpecified)
            continue;
        subtitles << language + QStringLiteral(" (") + kindName(quint8(rec[5])) + QLatin1Char(')');
    }

    const int audCount =
        recordsToRead(file, file.byte(audioCount), audioRecords, audioRecordSize, audioTableSlots);
    for (int i = 0; i < audCount; ++i) {
        const QByteArray rec =
            file.bytes(audioRecords + qint64(i) * audioRecordSize, audioRecordSize);
        audio << language_name(rec.mid(2, 2)) + QStringLiteral(" (") + codingName(quint8(rec[0])) +
                     QStringLiteral(")%%") + channelName(quint8(rec[1]));
    }

    // Playing time of the first program chain, as BCD hours, minutes, seconds, frames.
    const qint64 table = qint64(file.number(pgcTableSector)) * sectorSize;
    const qint64 chain = table + file.number(table + 12);
    const QByteArray time = file.bytes(chain + 4, 4);
    info.runningTime = bcdDigits(quint8(time[0]), file) * 60 + bcdDigits(quint8(time[1]), file);

    info.videoStandard = (file.byte(videoAttributes) & 0x10) ? 0 : 1;
    return info;
}

void ReadDVDInfo(const QString& path, QStringList& audio, QStringList& subtitles, int& runningTime,
                 int& videoStandard, int& mediumType, const VolumeSizeFunction& volumeSize)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw IfoError(QStringLiteral("Die Datei \"%1\" konnte nicht geöffnet werden: %2")
                           .arg(path, f.errorString()));
    const DvdInfo info = readTitleSetInfo(f, path, audio, subtitles);
    f.close();
    runningTime = info.runningTime;
    videoStandard = info.videoStandard;
    mediumType = mediumTypeForVolumeSize(volumeSize ? volumeSize(path) : -1);
}

QString readDiscName(QIODevice& device, const QString& fileName)
{
    IfoFile file(device, fileName);
    const qint64 base = qint64(file.number(textDataSector)) * sectorSize;
    const qint64 end = base + file.number(base + 16);
    const qint64 entries = base + file.number(base + 24) + 204;

    qint64 text = -1;
    for (qint64 pos = entries + 4; pos < end; pos += 4) {
        // bounded by the file: an entry past its end ends the reading with an error
        const QByteArray entry = file.bytes(pos, 4);
        if (quint8(entry[0]) == discNameItem) {
            text = entries + quint8(entry[3]);
            break;
        }
    }
    if (text < 0)
        return {};

    QByteArray name;
    for (int i = 0; i < maxNameLength; ++i) {
        const quint8 c = file.byte(text + i);
        if (c == '\t')
            break;
        name.append(char(c));
    }
    return Cp1252::decode(name);
}

QString ReadDVDGeneralName(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw IfoError(QStringLiteral("Die Datei \"%1\" konnte nicht geöffnet werden: %2")
                           .arg(path, f.errorString()));
    return readDiscName(f, path);
}

} // namespace korvel::disc
