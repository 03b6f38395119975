#include "entry/EntryRules.h"

#include <QtTest>

#include <optional>

using namespace korvel::entry;

class TestEntryRules : public QObject
{
    Q_OBJECT

  private slots:
    void typingFilters_data();
    void typingFilters();
    void wholeNumber_data();
    void wholeNumber();
    void runningTime_data();
    void runningTime();
    void price_data();
    void price();
    void storedPrice_data();
    void storedPrice();
    void ean_data();
    void ean();
    void regionAndRating_data();
    void regionAndRating();
    void mediaCounter();
    void mediaCountValue_data();
    void mediaCountValue();
    void messages();
};

void TestEntryRules::typingFilters_data()
{
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<bool>("digit");
    QTest::addColumn<bool>("price");
    QTest::newRow("0") << QChar(u'0') << true << true;
    QTest::newRow("9") << QChar(u'9') << true << true;
    QTest::newRow("backspace") << QChar(8) << true << true;
    QTest::newRow("comma") << QChar(u',') << false << true;
    QTest::newRow("point") << QChar(u'.') << false << true;
    QTest::newRow("letter") << QChar(u'a') << false << false;
    QTest::newRow("minus") << QChar(u'-') << false << false;
    QTest::newRow("blank") << QChar(u' ') << false << false;
    QTest::newRow("Ctrl+V paste") << QChar(22) << false << false;
    QTest::newRow("Ctrl+C copy") << QChar(3) << false << false;
    QTest::newRow("Ctrl+X cut") << QChar(24) << false << false;
    QTest::newRow("Enter") << QChar(13) << false << false;
    QTest::newRow("Arabic-Indic digit") << QChar(0x0663) << false << false;
    QTest::newRow("superscript two") << QChar(0x00B2) << false << false;
    QTest::newRow("euro sign") << QChar(0x20AC) << false << false;
}

void TestEntryRules::typingFilters()
{
    QFETCH(QChar, typed);
    QFETCH(bool, digit);
    QFETCH(bool, price);
    QCOMPARE(EntryRules::digitFilter(typed), digit);
    QCOMPARE(EntryRules::priceFilter(typed), price);
}

void TestEntryRules::wholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("expected");
    QTest::newRow("plain") << "95" << std::optional<int>(95);
    QTest::newRow("leading blanks") << "  95" << std::optional<int>(95);
    QTest::newRow("plus sign") << "+7" << std::optional<int>(7);
    QTest::newRow("minus sign") << " -12" << std::optional<int>(-12);
    QTest::newRow("leading zero") << "09" << std::optional<int>(9);
    QTest::newRow("int max") << "2147483647" << std::optional<int>(2147483647);
    QTest::newRow("int min") << "-2147483648" << std::optional<int>(-2147483647 - 1);
    QTest::newRow("too large") << "2147483648" << std::optional<int>();
    QTest::newRow("far too large") << "99999999999999999999999" << std::optional<int>();
    QTest::newRow("empty") << "" << std::optional<int>();
    QTest::newRow("blanks only") << "   " << std::optional<int>();
    QTest::newRow("sign only") << "-" << std::optional<int>();
    QTest::newRow("trailing blank") << "95 " << std::optional<int>();
    QTest::newRow("unit behind") << "95 min" << std::optional<int>();
    QTest::newRow("blank after sign") << "- 5" << std::optional<int>();
    QTest::newRow("decimal") << "1.5" << std::optional<int>();
    QTest::newRow("two signs") << "+-1" << std::optional<int>();
}

void TestEntryRules::wholeNumber()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(EntryRules::toWholeNumber(text), expected);
}

void TestEntryRules::runningTime_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("95 stays") << "95"
                              << "95";
    QTest::newRow("empty stays") << ""
                                 << "";
    QTest::newRow("95 min emptied") << "95 min"
                                    << "";
    QTest::newRow("letters emptied") << "abc"
                                     << "";
    QTest::newRow("decimal emptied") << "1,5"
                                     << "";
}

void TestEntryRules::runningTime()
{
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QCOMPARE(EntryRules::runningTimeRule(typed), after);
}

void TestEntryRules::price_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("message");
    QTest::newRow("12,99 becomes 12.99") << "12,99"
                                         << "12.99" << false;
    QTest::newRow("12.99 stays") << "12.99"
                                 << "12.99" << false;
    QTest::newRow("1.234,50 refused") << "1.234,50"
                                      << "" << true;
    QTest::newRow("1,2,3 refused") << "1,2,3"
                                   << "" << true;
    QTest::newRow("1.2.3 stays") << "1.2.3"
                                 << "1.2.3" << false;
    QTest::newRow("empty left alone") << ""
                                      << "" << false;
    QTest::newRow("plain number") << "15"
                                  << "15" << false;
    QTest::newRow("lone comma") << ","
                                << "." << false;
    QTest::newRow("two commas only") << ",,"
                                     << "" << true;
}

void TestEntryRules::price()
{
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(bool, message);
    const EntryRules::PriceOutcome out = EntryRules::priceRule(typed);
    QCOMPARE(out.text, after);
    QCOMPARE(out.showError, message);
}

void TestEntryRules::storedPrice_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<std::optional<double>>("stored");
    QTest::newRow("empty is 0") << "" << std::optional<double>(0.0);
    QTest::newRow("12.99") << "12.99" << std::optional<double>(12.99);
    QTest::newRow("comma not yet left") << "12,99" << std::optional<double>(12.99);
    QTest::newRow("integer") << "7" << std::optional<double>(7.0);
    QTest::newRow("1.2.3 is no price") << "1.2.3" << std::optional<double>();
    QTest::newRow("1.234,50 is no price") << "1.234,50" << std::optional<double>();
    QTest::newRow("letters") << "abc" << std::optional<double>();
    QTest::newRow("infinity") << "inf" << std::optional<double>();
}

void TestEntryRules::storedPrice()
{
    QFETCH(QString, field);
    QFETCH(std::optional<double>, stored);
    QCOMPARE(EntryRules::storedPrice(field), stored);
    if (stored)
        QCOMPARE(EntryRules::priceText(*stored),
                 field.isEmpty() ? QStringLiteral("0.00") : QString::number(*stored, 'f', 2));
}

void TestEntryRules::ean_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QString>>("snapshot");
    QTest::addColumn<bool>("message");
    QTest::addColumn<std::optional<QString>>("restore");
    using S = std::optional<QString>;
    const S add;
    QTest::newRow("valid") << "4006381333931" << add << false << S();
    QTest::newRow("wrong check digit") << "4006381333932" << add << true << S();
    QTest::newRow("12 characters") << "400638133393" << add << true << S();
    QTest::newRow("14 characters") << "40063813339310" << add << true << S();
    QTest::newRow("letter inside") << "40063813A3931" << add << true << S();
    QTest::newRow("sign in front") << "+400638133393" << add << true << S();
    QTest::newRow("blank in front") << " 400638133393" << add << true << S();
    QTest::newRow("empty") << "" << add << false << S();
    QTest::newRow("check digit 0") << "0000000000000" << add << false << S();
    QTest::newRow("another valid") << "5901234123457" << add << false << S();
    // edit dialog: the snapshot is the text when the field got the focus
    QTest::newRow("edit: loaded 12 digits unchanged")
        << "400638133393" << S("400638133393") << false << S();
    QTest::newRow("edit: changed to invalid")
        << "4006381333932" << S("400638133393") << true << S("400638133393");
    QTest::newRow("edit: changed to valid") << "4006381333931" << S("400638133393") << false << S();
    QTest::newRow("edit: emptied") << "" << S("400638133393") << false << S();
    QTest::newRow("edit: unchanged invalid 13")
        << "4006381333932" << S("4006381333932") << false << S();
}

void TestEntryRules::ean()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QString>, snapshot);
    QFETCH(bool, message);
    QFETCH(std::optional<QString>, restore);
    const EntryRules::EanOutcome out = EntryRules::eanRule(text, snapshot);
    QCOMPARE(out.showError, message);
    QCOMPARE(out.restore, restore);
}

void TestEntryRules::regionAndRating_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("region");
    QTest::addColumn<int>("rating");
    QTest::newRow("region 9 not an item") << "9" << 0 << 0;
    QTest::newRow("region 4") << "4" << 4 << 0;
    QTest::newRow("region 0") << "0" << 0 << 0;
    QTest::newRow("rating Gut") << "Gut" << 0 << 7;
    QTest::newRow("rating Mäßig") << "Mäßig" << 0 << 5;
    QTest::newRow("rating Spitzenklasse") << "Spitzenklasse" << 0 << 10;
    QTest::newRow("rating typed, no item") << "super" << 0 << 0;
    QTest::newRow("rating other case is no item") << "gut" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
}

void TestEntryRules::regionAndRating()
{
    QFETCH(QString, text);
    QFETCH(int, region);
    QFETCH(int, rating);
    QCOMPARE(EntryRules::regionRule(text), region);
    QCOMPARE(EntryRules::ratingRule(text), rating);
}

void TestEntryRules::mediaCounter()
{
    QCOMPARE(EntryRules::mediaCountUp(9), 10);
    QCOMPARE(EntryRules::mediaCountText(EntryRules::mediaCountUp(9)), QStringLiteral("10"));
    QCOMPARE(EntryRules::mediaCountUp(98), 99);
    QCOMPARE(EntryRules::mediaCountUp(99), 99);
    QCOMPARE(EntryRules::mediaCountUp(0), 1); // a loaded entry without a count shows "00"
    QCOMPARE(EntryRules::mediaCountDown(2), 1);
    QCOMPARE(EntryRules::mediaCountDown(1), 1);
    QCOMPARE(EntryRules::mediaCountDown(0), 0);
    QCOMPARE(EntryRules::mediaCountText(1), QStringLiteral("01"));
    QCOMPARE(EntryRules::mediaCountText(0), QStringLiteral("00"));
    QCOMPARE(EntryRules::mediaCountText(99), QStringLiteral("99"));

    // walking the whole range by the arrows never leaves 01..99
    int count = 1;
    for (int i = 0; i < 150; ++i)
        count = EntryRules::mediaCountUp(count);
    QCOMPARE(EntryRules::mediaCountText(count), QStringLiteral("99"));
    for (int i = 0; i < 150; ++i)
        count = EntryRules::mediaCountDown(count);
    QCOMPARE(EntryRules::mediaCountText(count), QStringLiteral("01"));
}

void TestEntryRules::mediaCountValue_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("01") << "01" << 1;
    QTest::newRow("12") << "12" << 12;
    QTest::newRow("not a number falls back to 1") << "x" << 1;
    QTest::newRow("empty falls back to 1") << "" << 1;
}

void TestEntryRules::mediaCountValue()
{
    QFETCH(QString, shown);
    QFETCH(int, stored);
    QCOMPARE(EntryRules::mediaCountValue(shown), stored);
}

void TestEntryRules::messages()
{
    QCOMPARE(EntryRules::kPriceError,
             QString::fromUtf8("Ein ungültiges Währungsformat wurde angegeben. Das korrekte "
                               "Format ist \"1000,00\" oder \"1000.00\""));
    QCOMPARE(EntryRules::kEanError,
             QString::fromUtf8("Der eingegebene EAN-Code ist ungültig. Bitte geben Sie einen "
                               "gültigen 13-stelligen Code ein."));
    QCOMPARE(EntryRules::storedEan(QStringLiteral("4006381333931")),
             QStringLiteral("400638133393"));
}

QTEST_GUILESS_MAIN(TestEntryRules)
#include "tst_entryrules.moc"
