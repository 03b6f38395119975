#include "common/GermanCollation.h"

#include <cstdint>

namespace korvel::GermanCollation {

namespace {

// Primary weight: the base letter(s), lower case. Secondary: which accent (0 = none).
struct Fold
{
    char base[3];
    uint8_t accent;
};

// Folding of U+00C0..U+00FF; {0} marks characters that keep their own code point.
constexpr Fold kLatin1[64] = {
    {"a", 1}, {"a", 2}, {"a", 3}, {"a", 4}, {"a", 5}, {"a", 6}, {"ae", 7}, {"c", 8},  // C0..C7
    {"e", 1}, {"e", 2}, {"e", 3}, {"e", 5}, {"i", 1}, {"i", 2}, {"i", 3}, {"i", 5},   // C8..CF
    {"d", 9}, {"n", 4}, {"o", 1}, {"o", 2}, {"o", 3}, {"o", 4}, {"o", 5}, {"", 0},    // D0..D7
    {"o", 10}, {"u", 1}, {"u", 2}, {"u", 3}, {"u", 5}, {"y", 2}, {"th", 11}, {"ss", 12}, // D8..DF
    {"a", 1}, {"a", 2}, {"a", 3}, {"a", 4}, {"a", 5}, {"a", 6}, {"ae", 7}, {"c", 8},  // E0..E7
    {"e", 1}, {"e", 2}, {"e", 3}, {"e", 5}, {"i", 1}, {"i", 2}, {"i", 3}, {"i", 5},   // E8..EF
    {"d", 9}, {"n", 4}, {"o", 1}, {"o", 2}, {"o", 3}, {"o", 4}, {"o", 5}, {"", 0},    // F0..F7
    {"o", 10}, {"u", 1}, {"u", 2}, {"u", 3}, {"u", 5}, {"y", 2}, {"th", 11}, {"y", 5}, // F8..FF
};

// The letters of Windows-1252 beyond Latin-1.
bool foldExtra(uint32_t cp, Fold& f)
{
    switch (cp) {
    case 0x0160: case 0x0161: f = {"s", 13}; return true;
    case 0x017D: case 0x017E: f = {"z", 13}; return true;
    case 0x0152: case 0x0153: f = {"oe", 7}; return true;
    case 0x0178: f = {"y", 5}; return true;
    case 0x0192: f = {"f", 14}; return true;
    default: return false;
    }
}

uint32_t decode(const unsigned char*& p, const unsigned char* end)
{
    const unsigned char c = *p++;
    if (c < 0x80)
        return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    uint32_t cp = extra == 3 ? (c & 0x07) : extra == 2 ? (c & 0x0F) : (c & 0x1F);
    if (extra == 0)
        return c; // stray continuation byte: keep it as it is
    while (extra-- > 0 && p < end && (*p & 0xC0) == 0x80)
        cp = (cp << 6) | (*p++ & 0x3F);
    return cp;
}

// Walks a text as a stream of primary units (folded code points) with their accents.
class Walker
{
public:
    Walker(const char* s, int n)
        : m_p(reinterpret_cast<const unsigned char*>(s)), m_end(m_p + n)
    {
    }
    bool next(uint32_t& unit, uint8_t& accent)
    {
        if (m_pending) {
            unit = m_pending;
            accent = m_pendingAccent;
            m_pending = 0;
            return true;
        }
        if (m_p >= m_end)
            return false;
        uint32_t cp = decode(m_p, m_end);
        accent = 0;
        if (cp < 0x80) {
            if (cp >= 'A' && cp <= 'Z')
                cp += 32;
            unit = cp;
            return true;
        }
        Fold f{};
        bool folded = false;
        if (cp >= 0xC0 && cp <= 0xFF && kLatin1[cp - 0xC0].base[0]) {
            f = kLatin1[cp - 0xC0];
            folded = true;
        } else {
            folded = foldExtra(cp, f);
        }
        if (!folded) {
            unit = cp;
            return true;
        }
        unit = static_cast<unsigned char>(f.base[0]);
        accent = f.accent;
        if (f.base[1]) {
            m_pending = static_cast<unsigned char>(f.base[1]);
            m_pendingAccent = f.accent;
        }
        return true;
    }

private:
    const unsigned char* m_p;
    const unsigned char* m_end;
    uint32_t m_pending = 0;
    uint8_t m_pendingAccent = 0;
};

} // namespace

int compareUtf8(const char* a, int lenA, const char* b, int lenB)
{
    Walker wa(a, lenA), wb(b, lenB);
    int accentOrder = 0;
    for (;;) {
        uint32_t ua = 0, ub = 0;
        uint8_t aa = 0, ab = 0;
        const bool hasA = wa.next(ua, aa);
        const bool hasB = wb.next(ub, ab);
        if (!hasA || !hasB) {
            if (hasA != hasB)
                return hasA ? 1 : -1;
            return accentOrder;
        }
        if (ua != ub)
            return ua < ub ? -1 : 1;
        if (accentOrder == 0 && aa != ab)
            accentOrder = aa < ab ? -1 : 1;
    }
}

int compare(const QString& a, const QString& b)
{
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    return compareUtf8(ua.constData(), int(ua.size()), ub.constData(), int(ub.size()));
}

} // namespace korvel::GermanCollation
