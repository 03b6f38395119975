#include "online/LookupProtocol.h"

#include "common/Cp1252.h"

#include <QHash>
#include <QSet>
#include <QStringView>
#include <QVector>

#include <algorithm>

namespace korvel::online::LookupProtocol {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int hexValue(QChar c)
{
    if (isAsciiDigit(c))
        return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

// The character a numeric reference stands for, or -1 when its digits are not a number.
// Decimal as the services send it; "x" + hex digits as HTML writes it. Values beyond 16 bits
// are characters the code page lacks anyway.
int referenceValue(QStringView digits)
{
    int base = 10;
    if (digits.startsWith(QLatin1Char('x')) || digits.startsWith(QLatin1Char('X'))) {
        base = 16;
        digits = digits.mid(1);
    }
    if (digits.isEmpty())
        return -1;
    qint64 value = 0;
    for (QChar c : digits) {
        const int d = base == 10 ? (isAsciiDigit(c) ? c.unicode() - '0' : -1) : hexValue(c);
        if (d < 0)
            return -1;
        value = std::min<qint64>(value * base + d, 0x10000);
    }
    return int(value);
}

QChar referenceChar(int value)
{
    if (value <= 0 || value > 0xFFFF)
        return QLatin1Char('?');
    const QChar c{char16_t(value)};
    return Cp1252::canEncode(c) ? c : QLatin1Char('?');
}

// The numeric pass. Equivalent to "replace the first reference, start again from the top"
// until no "&#" is left, but linear: everything already written to out holds no "&#", so a
// new reference can only start at out's last character or further on.
QString decodeNumeric(const QString& text)
{
    if (!text.contains(QLatin1String("&#")))
        return text;
    QString in = text; // a replacement is written over the reference's ";" and read again
    const qsizetype n = in.size();
    QString out;
    out.reserve(n);
    qsizetype i = 0;
    qsizetype semicolon = -2; // cached position of the next ";" (-1: none left, -2: unknown)
    const auto nextSemicolon = [&](qsizetype from) {
        if (semicolon == -1 || (semicolon >= from))
            return semicolon;
        semicolon = in.indexOf(QLatin1Char(';'), from);
        return semicolon;
    };
    while (i < n) {
        qsizetype digitsFrom;
        if (!out.isEmpty() && out.back() == QLatin1Char('&') && in[i] == QLatin1Char('#')) {
            out.chop(1); // the reference starts with the "&" written last
            digitsFrom = i + 1;
        } else {
            const qsizetype j = in.indexOf(QLatin1String("&#"), i);
            if (j < 0) {
                out.append(QStringView(in).mid(i));
                break;
            }
            out.append(QStringView(in).mid(i, j - i));
            digitsFrom = j + 2;
        }
        const qsizetype end = nextSemicolon(digitsFrom);
        const QStringView digits =
            end < 0 ? QStringView() : QStringView(in).mid(digitsFrom, end - digitsFrom);
        if (digits.isEmpty()) {
            // "&#;" or "&#" with no ";" after it: the "&", the "#" and one more go.
            i = std::min(n, digitsFrom + 1);
            continue;
        }
        const int value = referenceValue(digits);
        if (value < 0) {
            // Not a number: drop the "&#" and keep the text after it.
            i = digitsFrom;
            continue;
        }
        in[end] = referenceChar(value);
        i = end;
    }
    return out;
}

// Replaces "&amp;" by "&" until none is left. The pattern cannot overlap itself, so a single
// left-to-right pass that looks back after each replacement reaches the same end.
QString collapseAmp(const QString& text)
{
    if (!text.contains(QLatin1String("&amp;")))
        return text;
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        out.append(c);
        if (c == QLatin1Char(';') && out.endsWith(QLatin1String("&amp;")))
            out.chop(4);
    }
    return out;
}

// Sorted start positions of every occurrence of needle.
QVector<qsizetype> positionsOf(const QString& text, QLatin1String needle)
{
    QVector<qsizetype> out;
    for (qsizetype p = text.indexOf(needle); p >= 0; p = text.indexOf(needle, p + 1))
        out << p;
    return out;
}

// The text between the first open tag in [from, to) and the first close tag after it that
// still ends inside the range; empty when either is missing.
QString between(const QString& text, const QVector<qsizetype>& opens, int openLen,
                const QVector<qsizetype>& closes, int closeLen, qsizetype from, qsizetype to)
{
    const auto o = std::lower_bound(opens.cbegin(), opens.cend(), from);
    if (o == opens.cend() || *o + openLen > to)
        return {};
    const qsizetype valueStart = *o + openLen;
    const auto c = std::lower_bound(closes.cbegin(), closes.cend(), valueStart);
    if (c == closes.cend() || *c + closeLen > to)
        return {};
    return text.mid(valueStart, *c - valueStart);
}

// Reads the decimal number after pos (at most nine digits, no leading zero); -1 if none.
// len receives the number of digits read.
int numberAt(const QString& text, qsizetype pos, qsizetype& len)
{
    len = 0;
    if (pos >= text.size() || !isAsciiDigit(text[pos]) || text[pos] == QLatin1Char('0'))
        return -1;
    int value = 0;
    while (pos + len < text.size() && isAsciiDigit(text[pos + len]) && len < 9) {
        value = value * 10 + (text[pos + len].unicode() - '0');
        ++len;
    }
    return value;
}

} // namespace

QByteArray encode_form_body(const QStringList& items)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray body;
    for (qsizetype k = 0; k < items.size(); ++k) {
        const QByteArray item = Cp1252::encode(items[k]);
        const qsizetype eq = item.indexOf('=');
        if (eq < 0) {
            body += item;
        } else {
            body += item.left(eq + 1);
            for (qsizetype p = eq + 1; p < item.size(); ++p) {
                const auto b = static_cast<unsigned char>(item[p]);
                if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9')) {
                    body += char(b);
                } else if (b == ' ') {
                    body += '+';
                } else {
                    body += '%';
                    body += hex[b >> 4];
                    body += hex[b & 0x0F];
                }
            }
        }
        if (k + 1 < items.size() || items.size() >= 2)
            body += '&';
    }
    return body;
}

QString decode_entities(const QString& text)
{
    QString s = decodeNumeric(text);
    s.replace(QLatin1String("&#34;"), QLatin1String("\""));
    s = collapseAmp(s);
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    return s;
}

int parse_list(const QString& reply, QList<LookupCandidate>& rows)
{
    const QString text = decode_entities(reply);

    // Every n for which "DVD" + n occurs somewhere (a plain substring test, as the services'
    // replies have always been read): all leading parts of the digits after each "DVD".
    QSet<int> mentioned;
    for (qsizetype p = text.indexOf(QLatin1String("DVD")); p >= 0;
         p = text.indexOf(QLatin1String("DVD"), p + 1)) {
        qsizetype len = 0;
        if (numberAt(text, p + 3, len) < 0)
            continue;
        int value = 0;
        for (qsizetype d = 0; d < len; ++d) {
            value = value * 10 + (text[p + 3 + d].unicode() - '0');
            mentioned.insert(value);
        }
    }

    // First opening tag and all closing tags of each block number.
    QHash<int, qsizetype> firstOpen; // position after the tag
    QHash<int, QVector<qsizetype>> closings;
    for (qsizetype p = text.indexOf(QLatin1String("<DVD")); p >= 0;
         p = text.indexOf(QLatin1String("<DVD"), p + 1)) {
        qsizetype len = 0;
        const int n = numberAt(text, p + 4, len);
        if (n > 0 && len < 9 && p + 4 + len < text.size() &&
            text[p + 4 + len] == QLatin1Char('>') && !firstOpen.contains(n))
            firstOpen.insert(n, p + 4 + len + 1);
    }
    for (qsizetype p = text.indexOf(QLatin1String("</DVD")); p >= 0;
         p = text.indexOf(QLatin1String("</DVD"), p + 1)) {
        qsizetype len = 0;
        const int n = numberAt(text, p + 5, len);
        if (n > 0 && len < 9 && p + 5 + len < text.size() && text[p + 5 + len] == QLatin1Char('>'))
            closings[n] << p;
    }

    struct Tag
    {
        QLatin1String open, close;
        QVector<qsizetype> opens, closes;
    };
    Tag tags[4] = {
        {QLatin1String("<Titel>"), QLatin1String("</Titel>"), {}, {}},
        {QLatin1String("<dvdid>"), QLatin1String("</dvdid>"), {}, {}},
        {QLatin1String("<Herstellungsjahr>"), QLatin1String("</Herstellungsjahr>"), {}, {}},
        {QLatin1String("<Amazonlink>"), QLatin1String("</Amazonlink>"), {}, {}}};
    for (Tag& t : tags) {
        t.opens = positionsOf(text, t.open);
        t.closes = positionsOf(text, t.close);
    }

    int count = 0;
    for (int n = 1; mentioned.contains(n); ++n) {
        qsizetype from = 0, to = 0; // an empty block unless both tags are there
        const auto open = firstOpen.constFind(n);
        if (open != firstOpen.cend()) {
            const QVector<qsizetype>& cl = closings.value(n);
            const auto c = std::lower_bound(cl.cbegin(), cl.cend(), *open);
            if (c != cl.cend()) {
                from = *open;
                to = *c;
            }
        }
        QString values[4];
        for (int t = 0; t < 4; ++t)
            values[t] = between(text, tags[t].opens, int(tags[t].open.size()), tags[t].closes,
                                int(tags[t].close.size()), from, to);
        rows.append({values[0], values[1], values[2], values[3]});
        ++count;
    }
    return count;
}

QString get_element(const QString& reply, const QString& name)
{
    const QString text = decode_entities(reply);
    const QString open = QLatin1Char('<') + name + QLatin1Char('>');
    const QString close = QStringLiteral("</") + name + QLatin1Char('>');
    const qsizetype p = text.indexOf(open);
    if (p < 0)
        return {};
    const qsizetype start = p + open.size();
    const qsizetype e = text.indexOf(close, start);
    if (e < 0)
        return {};
    const QString value = text.mid(start, e - start);
    return name == QLatin1String("EAN") ? complete_ean(value) : value;
}

QString complete_ean(const QString& value)
{
    if (value.size() != 12 || !std::all_of(value.cbegin(), value.cend(), isAsciiDigit))
        return value;
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (value[i].unicode() - '0') * (i % 2 == 0 ? 1 : 3);
    return value + QChar(u'0' + (10 - sum % 10) % 10);
}

UpdateReply parse_update_reply(const QString& reply, bool requestFailed)
{
    UpdateReply result;
    if (requestFailed || reply == QStringLiteral("Keine Updates verfügbar"))
        return result;
    const auto inner = [&](QLatin1String open, QLatin1String close, bool& found) {
        found = false;
        const qsizetype p = reply.indexOf(open);
        if (p < 0)
            return QString();
        const qsizetype e = reply.indexOf(close, p + open.size());
        if (e < 0)
            return QString();
        found = true;
        return reply.mid(p + open.size(), e - p - open.size());
    };
    bool hasAvail = false, hasText = false;
    const QString avail = inner(QLatin1String("<AVAIL>"), QLatin1String("</AVAIL>"), hasAvail);
    // A reply without the availability value is no answer of the update service at all
    // (an error page, a proxy's notice): no update.
    if (!hasAvail || avail == QLatin1String("0"))
        return result;
    result.available = true;
    result.announcement = inner(QLatin1String("<TEXT>"), QLatin1String("</TEXT>"), hasText);
    return result;
}

const QStringList& detail_element_names()
{
    static const QStringList names{QStringLiteral("Filmtitel"),
                                   QStringLiteral("Originaltitel"),
                                   QStringLiteral("Genre"),
                                   QStringLiteral("Filminhalt"),
                                   QStringLiteral("Herstellungsjahr"),
                                   QStringLiteral("FSK"),
                                   QStringLiteral("Laufzeit"),
                                   QStringLiteral("Regionalcode"),
                                   QStringLiteral("Extras"),
                                   QStringLiteral("EAN"),
                                   QStringLiteral("Darsteller"),
                                   QStringLiteral("Darsteller_EXT"),
                                   QStringLiteral("Regie"),
                                   QStringLiteral("Musik"),
                                   QStringLiteral("Buch"),
                                   QStringLiteral("Produzent"),
                                   QStringLiteral("Effekte"),
                                   QStringLiteral("Kostüme"),
                                   QStringLiteral("Amazonpreis"),
                                   QStringLiteral("CDAnzahl"),
                                   QStringLiteral("KaufDVD"),
                                   QStringLiteral("Amazonlink")};
    return names;
}

} // namespace korvel::online::LookupProtocol
