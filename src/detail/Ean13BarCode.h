#pragma once

#include <QImage>
#include <QString>

namespace korvel::detail {

// The detail window's EAN-13 bar code. The catalog keeps the EAN without its check digit,
// as 12 digits; the label shows all 13.
struct BarCode
{
    bool valid = false; // false: hide the picture
    QString label;      // "4006381333931" or "Ungültiger EAN"
    QImage image;       // 105 x 46, white, bars black; null when not valid
};

// Anything but exactly 12 decimal digits gives "Ungültiger EAN" and no picture.
BarCode CreateBarCode(const QString& storedEan);

// The check digit of 12 digits (weights 1, 3, 1, ... from the left).
int eanCheckDigit(const QString& twelveDigits);

// The 95 modules ('1' bar, '0' space) of a 13-digit code, guards included.
QString eanModules(const QString& thirteenDigits);

// Module index k lies at x = k; guard bars run the whole height, data bars stop 6 pixels
// short of it.
constexpr int barCodeWidth = 105;
constexpr int barCodeHeight = 46;
constexpr int guardBarLength = 50;
constexpr int dataBarLength = 40;

} // namespace korvel::detail
