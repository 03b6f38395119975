#include "common/Cp1252.h"

#include <QFile>
#include <QSaveFile>

namespace korvel::Cp1252 {

namespace {
// Code points of 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteFor(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == u)
            return 0x80 + i;
    return -1;
}
} // namespace

bool canEncode(QChar c) { return byteFor(c.unicode()) >= 0; }

QByteArray encode(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor(c.unicode());
        out.append(b >= 0 ? char(b) : '?');
    }
    return out;
}

QString decode(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0)
            out.append(QChar(kHigh[b - 0x80] ? kHigh[b - 0x80] : char16_t(b)));
        else
            out.append(QChar(b));
    }
    return out;
}

bool readLines(const QString& path, QStringList& lines)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = f.readAll();
    lines.clear();
    if (all.isEmpty())
        return true;
    const QList<QByteArray> raw = all.split('\n');
    for (int i = 0; i < raw.size(); ++i) {
        QByteArray line = raw[i];
        if (i == raw.size() - 1 && line.isEmpty())
            break; // the terminator of the last line
        if (line.endsWith('\r'))
            line.chop(1);
        lines << decode(line);
    }
    return true;
}

bool writeLines(const QString& path, const QStringList& lines)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (const QString& line : lines) {
        f.write(encode(line));
        f.write("\r\n");
    }
    return f.commit();
}

} // namespace korvel::Cp1252
