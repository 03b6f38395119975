#include "detail/Ean13BarCode.h"

namespace korvel::detail {

namespace {

// Seven-module patterns of the digits 0..9: set A (odd parity), set B (even parity) and
// set C (right half).
const char* const setA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                              "0110001", "0101111", "0111011", "0110111", "0001011"};
const char* const setB[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                              "0111001", "0000101", "0010001", "0001001", "0010111"};
const char* const setC[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                              "1001110", "1010000", "1000100", "1001000", "1110100"};

// Which of the six left-half digits use set A or B, by the first digit.
const char* const parity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};

bool isGuardModule(int k)
{
    return k < 3 || (k >= 45 && k < 50) || k >= 92;
}

bool allDigits(const QString& text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

int eanCheckDigit(const QString& twelveDigits)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (twelveDigits[i].unicode() - '0') * (i % 2 == 0 ? 1 : 3);
    return (10 - sum % 10) % 10;
}

QString eanModules(const QString& thirteenDigits)
{
    auto digit = [&](int i) { return thirteenDigits[i].unicode() - '0'; };
    QString m = QStringLiteral("101");
    const char* pattern = parity[digit(0)];
    for (int i = 1; i <= 6; ++i)
        m += QLatin1String(pattern[i - 1] == 'A' ? setA[digit(i)] : setB[digit(i)]);
    m += QStringLiteral("01010");
    for (int i = 7; i <= 12; ++i)
        m += QLatin1String(setC[digit(i)]);
    m += QStringLiteral("101");
    return m;
}

BarCode CreateBarCode(const QString& storedEan)
{
    BarCode code;
    // Twelve characters that are not all digits have no check digit and no symbol: they
    // count as invalid like any other wrong length.
    if (storedEan.size() != 12 || !allDigits(storedEan)) {
        code.label = QStringLiteral("Ungültiger EAN");
        return code;
    }
    code.valid = true;
    code.label = storedEan + QString::number(eanCheckDigit(storedEan));

    code.image = QImage(barCodeWidth, barCodeHeight, QImage::Format_RGB32);
    code.image.fill(Qt::white);
    const QString modules = eanModules(code.label);
    const QRgb black = qRgb(0, 0, 0);
    for (int k = 0; k < modules.size(); ++k) {
        if (modules[k] != QLatin1Char('1'))
            continue;
        const int length = qMin(isGuardModule(k) ? guardBarLength : dataBarLength, barCodeHeight);
        for (int y = 0; y < length; ++y)
            code.image.setPixel(k, y, black);
    }
    return code;
}

} // namespace korvel::detail
