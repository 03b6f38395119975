#include "entry/EntryRules.h"

#include "entry/DomainLists.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace korvel::entry::EntryRules {

const QString kPriceError = QStringLiteral(
    "Ein ungültiges Währungsformat wurde angegeben. Das korrekte Format ist \"1000,00\" oder "
    "\"1000.00\"");
const QString kEanError = QStringLiteral("Der eingegebene EAN-Code ist ungültig. Bitte geben Sie "
                                         "einen gültigen 13-stelligen Code ein.");

std::optional<int> toWholeNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}

bool digitFilter(QChar typed)
{
    const char16_t c = typed.unicode();
    return (c >= u'0' && c <= u'9') || c == 8;
}

bool priceFilter(QChar typed)
{
    return digitFilter(typed) || typed == u',' || typed == u'.';
}

QString runningTimeRule(const QString& text)
{
    if (text.isEmpty() || toWholeNumber(text))
        return text;
    return {};
}

PriceOutcome priceRule(const QString& text)
{
    if (text.isEmpty())
        return {text, false};
    if (text.contains(u'.') && text.contains(u','))
        return {QString(), true};
    if (text.count(u',') >= 2)
        return {QString(), true};
    QString replaced = text;
    replaced.replace(u',', u'.');
    return {replaced, false};
}

bool isValidEan13(const QString& text)
{
    if (text.size() != 13)
        return false;
    int sum = 0;
    for (int i = 0; i < 13; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        if (i < 12)
            sum += (c - u'0') * (i % 2 == 0 ? 1 : 3); // positions 1, 3, ... count once
    }
    const int check = sum % 10 == 0 ? 0 : 10 - sum % 10;
    return text[12].unicode() - u'0' == check;
}

EanOutcome eanRule(const QString& text, const std::optional<QString>& snapshot)
{
    if (snapshot && text == *snapshot)
        return {};
    if (text.isEmpty() || isValidEan13(text))
        return {};
    EanOutcome out;
    out.showError = true;
    if (snapshot)
        out.restore = *snapshot;
    return out;
}

int itemIndex(const QStringList& items, const QString& text)
{
    return int(items.indexOf(text));
}

int regionRule(const QString& text)
{
    const int i = itemIndex(DomainLists::regions(), text);
    return i < 0 ? 0 : i;
}

int ratingRule(const QString& text)
{
    const int i = itemIndex(DomainLists::ratings(), text);
    return i < 0 ? 0 : i;
}

int mediaCountUp(int count)
{
    return count >= 99 ? count : count + 1;
}

int mediaCountDown(int count)
{
    return count <= 1 ? count : count - 1;
}

QString mediaCountText(int count)
{
    return count >= 0 && count < 10 ? QLatin1Char('0') + QString::number(count)
                                    : QString::number(count);
}

int mediaCountValue(const QString& shown, int fallback)
{
    return toWholeNumber(shown).value_or(fallback);
}

std::optional<double> storedPrice(const QString& text)
{
    if (text.isEmpty())
        return 0.0;
    const PriceOutcome p = priceRule(text);
    if (p.showError)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(p.text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString priceText(double value)
{
    return QString::number(value, 'f', 2);
}

QString storedEan(const QString& text)
{
    return text.left(12);
}

} // namespace korvel::entry::EntryRules
