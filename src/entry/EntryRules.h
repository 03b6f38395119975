#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvel::entry {

// The input rules of the entry form, shared by the add and the edit dialog. Each takes what
// the control holds and returns what the control must hold or do afterwards; the dialogs
// only carry the result over to their controls.
namespace EntryRules {

// The two messages the leaving rules show (error box, button OK).
extern const QString kPriceError;
extern const QString kEanError;

// The value of a text that as a whole is a whole number: leading blanks and one sign are
// allowed, nothing after the digits, and it must fit a 32-bit integer.
std::optional<int> toWholeNumber(QStringView text);

// Typing filters for one typed character: digits and backspace pass; every other character,
// the control characters of the clipboard shortcuts included, is discarded.
bool digitFilter(QChar typed);
// As digitFilter, with "," and "." passing as well.
bool priceFilter(QChar typed);

// Leaving laufzeit: a text that is not a whole number is emptied, without a message.
QString runningTimeRule(const QString& text);

struct PriceOutcome
{
    QString text;           // what the field holds afterwards
    bool showError = false; // show kPriceError
};
// Leaving preis: "," becomes "."; a text with both "." and "," or with two or more ","
// gives the message and an empty field. Other texts pass unchanged ("1.2.3" too).
PriceOutcome priceRule(const QString& text);

// An EAN-13: 13 digits whose last one is the check digit of the first 12.
bool isValidEan13(const QString& text);

struct EanOutcome
{
    bool showError = false; // show kEanError and put the focus back into ean
    // Edit dialog only: put this text (the snapshot) back and clear the changed flag.
    std::optional<QString> restore;
};
// Leaving ean. The add dialog passes no snapshot: an empty field passes, anything else must
// be a valid EAN-13, and a refused text stays as typed. The edit dialog passes the field's
// snapshot: an unchanged text is not looked at (a stored code has only 12 characters), and a
// refused text is replaced by the snapshot.
EanOutcome eanRule(const QString& text, const std::optional<QString>& snapshot = std::nullopt);

// The index of the item that equals text exactly, or -1 when none does.
int itemIndex(const QStringList& items, const QString& text);
// Leaving region / wertung: the item to select. A text that matches no item selects item 0
// ("0" for the region, "keine Wertung" for the rating).
int regionRule(const QString& text);
int ratingRule(const QString& text);

// The media counter: up stops at 99, down at 1; shown with two digits ("01".."99").
int mediaCountUp(int count);
int mediaCountDown(int count);
QString mediaCountText(int count);
// The number the counter shows, or fallback when the shown text is not a number.
int mediaCountValue(const QString& shown, int fallback = 1);

// Stored forms.
// The price to store: an empty field counts as "0.00", a "," as the decimal separator is
// taken as the leaving rule takes it. Nothing when the text is no price (the caller shows
// kPriceError instead of saving).
std::optional<double> storedPrice(const QString& text);
// A stored price as the form and the list show it: two decimals, "." as separator.
QString priceText(double value);
// Only the first 12 characters of an EAN are stored; the check digit is not.
QString storedEan(const QString& text);

} // namespace EntryRules
} // namespace korvel::entry
