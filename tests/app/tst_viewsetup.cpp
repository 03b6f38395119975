#include "app/ColumnVocabulary.h"
#include "app/ViewSetup.h"

#include <QTest>

using namespace korvel::app;

namespace {
QList<ListColumn> designColumns()
{
    QList<ListColumn> out;
    for (const auto& c : ColumnVocabulary::designColumns())
        out.append({c.caption, c.width});
    return out;
}
constexpr auto Present = ViewSetup::List::Present;
constexpr auto Available = ViewSetup::List::Available;
} // namespace

// The two lists of the view setup and the rules for moving rows between them.
class TestViewSetup : public QObject
{
    Q_OBJECT

  private slots:
    void opensWithTheShownColumns()
    {
        const ViewSetup setup(designColumns());
        QCOMPARE(setup.captions(Present), (QStringList{"Titel", "Darsteller", "Regie", "Musik",
                                                       "Genre", "Spieldauer", "Nummer"}));
        QCOMPARE(setup.available().size(), 22);
        QCOMPARE(setup.captions(Available).first(), QStringLiteral("Datum"));
        QCOMPARE(setup.captions(Available).last(), QStringLiteral("Verleihkommentar"));
        QCOMPARE(setup.available().first().width, 0);
        QCOMPARE(setup.present().first().width, 250);
        QCOMPARE(setup.opened(), setup.captions(Present));
        QVERIFY(!setup.changed());

        // the key column is not a choice; an odd-cased caption stays on offer
        const ViewSetup odd({{"keine", 0}, {"titel", 90}, {"Nummer", 60}});
        QCOMPARE(odd.captions(Present), (QStringList{"titel", "Nummer"}));
        QVERIFY(odd.captions(Available).contains(QStringLiteral("Titel")));
        QCOMPARE(odd.available().size(), 28);
    }

    void dropRules_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("available to present") << int(Available) << "Preis" << int(Present) << true;
        QTest::newRow("present reordered") << int(Present) << "Titel" << int(Present) << true;
        QTest::newRow("present onto present") << int(Present) << "Regie" << int(Present) << true;
        QTest::newRow("present back to available")
            << int(Present) << "Regie" << int(Available) << true;
        QTest::newRow("Titel stays") << int(Present) << "Titel" << int(Available) << false;
        QTest::newRow("Nummer stays") << int(Present) << "Nummer" << int(Available) << false;
        QTest::newRow("within available refused")
            << int(Available) << "Preis" << int(Available) << false;
    }
    void dropRules()
    {
        QFETCH(int, from);
        QFETCH(QString, caption);
        QFETCH(int, to);
        QFETCH(bool, allowed);
        ViewSetup setup(designColumns());
        const auto source = ViewSetup::List(from);
        const int row = int(setup.captions(source).indexOf(caption));
        QVERIFY(row >= 0);
        const QStringList present = setup.captions(Present);
        QCOMPARE(setup.canDrop(source, row, ViewSetup::List(to)), allowed);
        QCOMPARE(setup.drop(source, row, ViewSetup::List(to), 0), allowed);
        if (!allowed)
            QCOMPARE(setup.captions(Present), present);
        QCOMPARE(setup.present().size() + setup.available().size(), 29);
    }

    void dropPlacesBeforeTheRowUnderThePointer()
    {
        ViewSetup setup(designColumns());
        const int preis = int(setup.captions(Available).indexOf(QStringLiteral("Preis")));
        QVERIFY(setup.drop(Available, preis, Present, 0));
        QCOMPARE(setup.captions(Present).first(), QStringLiteral("Preis"));
        QVERIFY(!setup.captions(Available).contains(QStringLiteral("Preis")));
        // below the last row: at the end
        QVERIFY(setup.drop(Available, 0, Present, -1));
        QCOMPARE(setup.captions(Present).last(), QStringLiteral("Datum"));
        // within the list, downwards and upwards, and onto itself
        QVERIFY(setup.drop(Present, 1, Present, 4)); // Titel before Musik
        QCOMPARE(setup.captions(Present),
                 (QStringList{"Preis", "Darsteller", "Regie", "Titel", "Musik", "Genre",
                              "Spieldauer", "Nummer", "Datum"}));
        QVERIFY(setup.drop(Present, 7, Present, 0)); // Nummer to the top
        QCOMPARE(setup.captions(Present).first(), QStringLiteral("Nummer"));
        const QStringList before = setup.captions(Present);
        QVERIFY(setup.drop(Present, 3, Present, 3));
        QCOMPARE(setup.captions(Present), before);
        // back to "Verfügbar" with its width, which a new column would not have
        const int regie = int(setup.captions(Present).indexOf(QStringLiteral("Regie")));
        QVERIFY(setup.drop(Present, regie, Available, 0));
        QCOMPARE(setup.available().first(), (ListColumn{"Regie", 140}));
        QVERIFY(!setup.drop(Present, 99, Available, 0));
        QVERIFY(!setup.drop(Available, -1, Present, 0));
    }

    void changesAndAppliedColumns()
    {
        ViewSetup setup(designColumns());
        QVERIFY(setup.drop(Present, 0, Present, 2)); // reorder only
        QVERIFY(setup.changed());
        QVERIFY(setup.drop(Present, 1, Present, 0)); // and back
        QVERIFY(!setup.changed());
        const int preis = int(setup.captions(Available).indexOf(QStringLiteral("Preis")));
        QVERIFY(setup.drop(Available, preis, Present, 0));
        QVERIFY(setup.changed());
        const QList<ListColumn> columns = setup.columns();
        QCOMPARE(columns.first(), (ListColumn{"Preis", 150}));
        QCOMPARE(columns.at(1), (ListColumn{"Titel", 250}));
        QCOMPARE(columns.last(), (ListColumn{"Nummer", 60}));
        // a removed-and-returned column keeps its width
        const int regie = int(setup.captions(Present).indexOf(QStringLiteral("Regie")));
        QVERIFY(setup.drop(Present, regie, Available, 0));
        QVERIFY(setup.drop(Available, 0, Present, -1));
        QCOMPARE(setup.columns().last(), (ListColumn{"Regie", 140}));
    }
};

QTEST_GUILESS_MAIN(TestViewSetup)
#include "tst_viewsetup.moc"
