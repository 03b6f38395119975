#include "app/ColumnVocabulary.h"
#include "app/ListQuery.h"

#include <QtTest>

using namespace korvel::app;

namespace {
const QString kSelect = QStringLiteral("select *from haupt");

QStringList query(const QString& order)
{
    return {kSelect, order};
}
} // namespace

class TestListQuery : public QObject
{
    Q_OBJECT

  private slots:
    void fromSettings_data();
    void fromSettings();
    void forSettings_data();
    void forSettings();
    void settingsRoundTrip_data();
    void settingsRoundTrip();
    void afterClick_data();
    void afterClick();
    void clickSequence();
};

void TestListQuery::fromSettings_data()
{
    QTest::addColumn<QString>("sortBy");
    QTest::addColumn<QString>("sortOrder");
    QTest::addColumn<QString>("line");
    QTest::newRow("ascending") << "genre"
                               << "ASC"
                               << "order by genre, titel";
    QTest::newRow("order empty is ascending") << "genre"
                                              << ""
                                              << "order by genre, titel";
    QTest::newRow("descending") << "genre"
                                << "DESC"
                                << "order by genre DESC, titel DESC";
    QTest::newRow("anything but ASC descends") << "genre"
                                               << "asc"
                                               << "order by genre DESC, titel DESC";
    QTest::newRow("Darsteller ascending") << "Darsteller"
                                          << "ASC"
                                          << "order by trim(Darsteller), titel";
    QTest::newRow("Darsteller descending") << "Darsteller"
                                           << "DESC"
                                           << "order by trim(Darsteller) DESC, titel DESC";
    QTest::newRow("darsteller other case, no trim") << "darsteller"
                                                    << "ASC"
                                                    << "order by darsteller, titel";
}

void TestListQuery::fromSettings()
{
    QFETCH(QString, sortBy);
    QFETCH(QString, sortOrder);
    QFETCH(QString, line);
    QCOMPARE(ListQuery::orderLineFromSettings(sortBy, sortOrder), line);
}

void TestListQuery::forSettings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("sortBy");
    QTest::addColumn<QString>("sortOrder");
    QTest::newRow("design clause") << "select *from haupt \r\norder by titel\r\n"
                                   << true << "titel"
                                   << "ASC";
    QTest::newRow("click ascending") << "select *from haupt\r\norder by Genre,titel\r\n"
                                     << true << "Genre"
                                     << "ASC";
    QTest::newRow("click descending") << "select *from haupt\r\norder by Genre DESC, titel DESC\r\n"
                                      << true << "Genre"
                                      << "DESC";
    QTest::newRow("settings ascending") << "select *from haupt\r\norder by laufzeit, titel\r\n"
                                        << true << "laufzeit"
                                        << "ASC";
    QTest::newRow("Darsteller descending")
        << "select *from haupt\r\norder by trim(Darsteller) DESC, titel DESC\r\n"
        << true << "Darsteller"
        << "DESC";
    QTest::newRow("Darsteller click ascending")
        << "select *from haupt\r\norder by trim(Darsteller),titel\r\n"
        << true << "Darsteller"
        << "ASC";
    QTest::newRow("Darsteller settings ascending")
        << "select *from haupt\r\norder by trim(Darsteller), titel\r\n"
        << true << "Darsteller"
        << "ASC";
    QTest::newRow("no order by") << "select *from haupt where nummer = 5\r\n"
                                 << false << ""
                                 << "";
    QTest::newRow("empty text") << "" << false << ""
                                << "";
}

void TestListQuery::forSettings()
{
    QFETCH(QString, text);
    QFETCH(bool, saved);
    const auto sort = ListQuery::sortForSettings(text);
    QCOMPARE(sort.has_value(), saved);
    if (saved) {
        QTEST(sort->sortBy, "sortBy");
        QTEST(sort->sortOrder, "sortOrder");
    }
}

void TestListQuery::settingsRoundTrip_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("order");
    QTest::newRow("Darsteller DESC") << "Darsteller"
                                     << "DESC";
    QTest::newRow("Darsteller ASC") << "Darsteller"
                                    << "ASC";
    QTest::newRow("visiblenr DESC") << "visiblenr"
                                    << "DESC";
    QTest::newRow("verliehen_an ASC") << "verliehen_an"
                                      << "ASC";
}

void TestListQuery::settingsRoundTrip()
{
    // shutdown saves what start-up builds the same order line from
    QFETCH(QString, field);
    QFETCH(QString, order);
    const QString line = ListQuery::orderLineFromSettings(field, order);
    const QString text = kSelect + QStringLiteral("\r\n") + line + QStringLiteral("\r\n");
    const auto sort = ListQuery::sortForSettings(text);
    QVERIFY(sort);
    QCOMPARE(sort->sortBy, field);
    QCOMPARE(sort->sortOrder, order);
    QCOMPARE(ListQuery::orderLineFromSettings(sort->sortBy, sort->sortOrder), line);
}

void TestListQuery::afterClick_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("line");
    QTest::newRow("design clause, first click descends")
        << QStringList{"select *from haupt ", "order by titel"} << "Genre"
        << "order by Genre DESC, titel DESC";
    QTest::newRow("one-line query counts as current") << QStringList{kSelect} << "Regie"
                                                      << "order by Regie DESC, titel DESC";
    QTest::newRow("another column sorts ascending") << query("order by Regie,titel") << "Genre"
                                                    << "order by Genre,titel";
    QTest::newRow("same column ascending toggles") << query("order by Genre,titel") << "Genre"
                                                   << "order by Genre DESC, titel DESC";
    QTest::newRow("same column descending toggles back")
        << query("order by Genre DESC, titel DESC") << "Genre"
        << "order by Genre,titel";
    QTest::newRow("settings form counts as current") << query("order by Genre, titel") << "Genre"
                                                     << "order by Genre DESC, titel DESC";
    QTest::newRow("case of the field matters") << query("order by genre,titel") << "Genre"
                                               << "order by Genre,titel";
    QTest::newRow("renamed caption") << query("order by laufzeit,titel") << "Spieldauer"
                                     << "order by laufzeit DESC, titel DESC";
    QTest::newRow("Darsteller ascending, trim") << query("order by Genre,titel") << "Darsteller"
                                                << "order by trim(Darsteller),titel";
    QTest::newRow("Darsteller toggles") << query("order by trim(Darsteller),titel") << "Darsteller"
                                        << "order by trim(Darsteller) DESC, titel DESC";
    QTest::newRow("Darsteller descending toggles back")
        << query("order by trim(Darsteller) DESC, titel DESC") << "Darsteller"
        << "order by trim(Darsteller),titel";
    QTest::newRow("Darsteller from settings toggles")
        << query("order by trim(Darsteller), titel") << "Darsteller"
        << "order by trim(Darsteller) DESC, titel DESC";
    QTest::newRow("from a descending column to another")
        << query("order by Genre DESC, titel DESC") << "Regie"
        << "order by Regie,titel";
    QTest::newRow("clause without secondary key, descending")
        << query("order by titel DESC") << "Genre"
        << "order by Genre,titel";
}

void TestListQuery::afterClick()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, caption);
    QFETCH(QString, line);
    QCOMPARE(ListQuery::orderLineAfterClick(lines, ColumnVocabulary::getdbfieldname(caption)),
             line);
}

void TestListQuery::clickSequence()
{
    // sorted by another column through a click, then "Genre" twice: ascending, descending
    QStringList q{QStringLiteral("select *from haupt "), QStringLiteral("order by titel")};
    const auto click = [&](const QString& caption) {
        q[1] = ListQuery::orderLineAfterClick(q, ColumnVocabulary::getdbfieldname(caption));
        q[0] = kSelect;
        return q[1];
    };
    QCOMPARE(click(QStringLiteral("Regie")), QStringLiteral("order by Regie DESC, titel DESC"));
    QCOMPARE(click(QStringLiteral("Titel")), QStringLiteral("order by Titel,titel"));
    QCOMPARE(click(QStringLiteral("Genre")), QStringLiteral("order by Genre,titel"));
    QCOMPARE(click(QStringLiteral("Genre")), QStringLiteral("order by Genre DESC, titel DESC"));
    QCOMPARE(click(QStringLiteral("Genre")), QStringLiteral("order by Genre,titel"));
}

QTEST_GUILESS_MAIN(TestListQuery)
#include "tst_listquery.moc"
