#include "app/ListSearch.h"
#include "app/MovieListModel.h"
#include "store/EntryNumbers.h"
#include "support/TempCatalog.h"

#include <QTest>

using namespace korvel;
using namespace korvel::app;

// Narrowing the shown rows by a text, and the type-ahead's prefix and title match.
class TestListSearch : public QObject
{
    Q_OBJECT

  private:
    std::unique_ptr<testsupport::TempCatalog> m_catalog;
    std::unique_ptr<MovieListModel> m_model;

    QStringList titlesOf(const std::vector<int>& rows) const
    {
        QStringList out;
        const int titel = m_model->getfieldpos(QStringLiteral("Titel"));
        for (int i : rows)
            out << m_model->allRows()[size_t(i)].cells[titel];
        return out;
    }

  private slots:
    void init()
    {
        m_catalog = std::make_unique<testsupport::TempCatalog>();
        const auto add = [&](int n, const char* titel, const char* darsteller, const char* genre,
                             QVariant preis, const char* laufzeit) {
            m_catalog->insertEntry(n + 100, n, // keys unlike the visible numbers
                                   {{"titel", QString::fromUtf8(titel)},
                                    {"darsteller", QString::fromUtf8(darsteller)},
                                    {"genre", QString::fromUtf8(genre)},
                                    {"preis", preis},
                                    {"laufzeit", QString::fromUtf8(laufzeit)}});
        };
        add(1, "Matrix", "Keanu Reeves", "Science-Fiction", 12.5, "131");
        add(2, "The Matrix Reloaded", "Carrie-Anne Moss", "Action", QVariant(), "");
        add(3, "Amélie", "Audrey Tautou", "Komödie, Drama", 7, "");
        add(4, "Mathilde", "Audrey Tautou", "Drama", QVariant(), "");
        add(5, "Straße der Ölmühlen", "Matt Damon, Mathis", "Dokumentation", 3.456, "95");
        add(6, "Zorro", "Antonio Banderas", "Abenteuer", 9, "");
        m_model = std::make_unique<MovieListModel>();
        QList<MovieListModel::Column> columns = MovieListModel::designColumns();
        columns.append({QStringLiteral("Preis"), 60});
        m_model->setColumns(columns);
        store::EntryNumbers numbers;
        m_model->fill(m_catalog->store(), numbers);
        QCOMPARE(m_model->rowCount(), 6);
    }
    void cleanup()
    {
        m_model.reset();
        m_catalog.reset();
    }

    void narrowsOverTheShownCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QStringList>("titles");
        // list order is by title
        QTest::newRow("mat in every column keeps each row once")
            << "mat"
            << "Alle"
            << QStringList{"Mathilde", "Matrix", "Straße der Ölmühlen", "The Matrix Reloaded"};
        QTest::newRow("genre drama only in the genre column")
            << "drama"
            << "Genre" << QStringList{"Amélie", "Mathilde"};
        QTest::newRow("the running time's suffix is searched")
            << "min."
            << "Alle" << QStringList{"Matrix", "Straße der Ölmühlen"};
        QTest::newRow("euro sign finds every priced cell")
            << QString::fromUtf8("€") << "Alle"
            << QStringList{
                   "Amélie", "Mathilde", "Matrix", "Straße der Ölmühlen", "The Matrix Reloaded",
                   "Zorro"};
        QTest::newRow("formatted price, not the stored one")
            << "3.46"
            << "Alle" << QStringList{"Straße der Ölmühlen"};
        QTest::newRow("accented letters in upper case")
            << QString::fromUtf8("AMÉ") << "Alle" << QStringList{"Amélie"};
        QTest::newRow("umlaut typed in lower case")
            << QString::fromUtf8("ölm") << "Titel" << QStringList{"Straße der Ölmühlen"};
        QTest::newRow("sharp s upper-cases to SS")
            << QString::fromUtf8("straß") << "Titel" << QStringList{"Straße der Ölmühlen"};
        QTest::newRow("selector caption is exact") << "drama"
                                                   << "genre" << QStringList{};
        QTest::newRow("selector text naming no column") << "a"
                                                        << "Irgendwas" << QStringList{};
        QTest::newRow("nothing found") << "xyz"
                                       << "Alle" << QStringList{};
        QTest::newRow("hidden key column is not searched") << "10"
                                                           << "Alle" << QStringList{};
    }
    void narrowsOverTheShownCells()
    {
        QFETCH(QString, text);
        QFETCH(QString, selector);
        QFETCH(QStringList, titles);
        const int index = selector == QStringLiteral("Alle") ? 0 : 3;
        const auto kept = ListSearch::narrow(*m_model, text, ListSearch::scopeFor(index, selector));
        QCOMPARE(titlesOf(kept), titles);
    }

    void narrowingNarrowsTheShownRowsOnly()
    {
        const ListSearch::Scope all = ListSearch::scopeFor(0, QStringLiteral("Alle"));
        m_model->showOnly(ListSearch::narrow(*m_model, QStringLiteral("matr"), all));
        QCOMPARE(m_model->rowCount(), 2);
        // a shorter text on the narrowed rows cannot bring removed rows back
        const auto kept = ListSearch::narrow(*m_model, QStringLiteral("mat"), all);
        QCOMPARE(titlesOf(kept), (QStringList{"Matrix", "The Matrix Reloaded"}));
        // an empty text keeps what is shown
        QCOMPARE(ListSearch::narrow(*m_model, QString(), all).size(), size_t(2));
        m_model->showAll();
        QCOMPARE(ListSearch::narrow(*m_model, QStringLiteral("mat"), all).size(), size_t(4));
    }

    void selectorScope()
    {
        QVERIFY(ListSearch::scopeFor(0, QStringLiteral("Alle")).allColumns);
        // an edited selector text counts as a caption even while item 0 is current
        QCOMPARE(ListSearch::scopeFor(0, QStringLiteral("Genre")).allColumns, false);
        QCOMPARE(ListSearch::scopeFor(-1, QStringLiteral("Alle")).caption, QStringLiteral("Alle"));
    }

    void upperCaseFollowsTheLocale()
    {
        const LocaleUpper german(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(german.upperContains(QStringLiteral("the matrix"), QStringLiteral("MAT")));
        QVERIFY(german.upperContains(QString::fromUtf8("Größe"), QString::fromUtf8("GRÖSSE")));
        QVERIFY(!german.upperContains(QStringLiteral("abc"), QString::fromUtf8("Ä")));
        const LocaleUpper turkish(QLocale(QLocale::Turkish, QLocale::Turkey));
        // the quick way for ASCII must not bypass a locale that upper-cases i otherwise
        QCOMPARE(turkish(QStringLiteral("film")) == QStringLiteral("FILM"),
                 turkish.upperContains(QStringLiteral("film"), QStringLiteral("FILM")));
    }

    void typeAheadKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("altGr");
        QTest::addColumn<bool>("hasRows");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("letters collect")
            << "St" << false << true << int(TypeAhead::Action::Search) << "St";
        QTest::newRow("digits collect")
            << "12" << false << true << int(TypeAhead::Action::Search) << "12";
        QTest::newRow("blank after a letter")
            << "a " << false << true << int(TypeAhead::Action::Restart) << "a ";
        QTest::newRow("leading blank is dropped")
            << " " << false << true << int(TypeAhead::Action::Restart) << "";
        QTest::newRow("umlaut is ignored")
            << QString::fromUtf8("aä") << false << true << int(TypeAhead::Action::Ignore) << "a";
        QTest::newRow("sharp s is ignored")
            << QString::fromUtf8("ß") << false << true << int(TypeAhead::Action::Ignore) << "";
        QTest::newRow("punctuation is ignored")
            << "-" << false << true << int(TypeAhead::Action::Ignore) << "";
        QTest::newRow("AltGr ignores letters")
            << "q" << true << true << int(TypeAhead::Action::Ignore) << "";
        QTest::newRow("Enter opens") << "\r" << false << true << int(TypeAhead::Action::Open) << "";
        QTest::newRow("AltGr ignores Enter")
            << "\r" << true << true << int(TypeAhead::Action::Ignore) << "";
        QTest::newRow("empty list collects nothing")
            << "s" << false << false << int(TypeAhead::Action::Restart) << "";
    }
    void typeAheadKeys()
    {
        QFETCH(QString, typed);
        QFETCH(bool, altGr);
        QFETCH(bool, hasRows);
        QFETCH(int, action);
        QFETCH(QString, prefix);
        TypeAhead t;
        TypeAhead::Action last = TypeAhead::Action::Ignore;
        for (QChar c : typed)
            last = t.type(c, altGr, hasRows);
        QCOMPARE(int(last), action);
        QCOMPARE(t.prefix(), prefix);
        t.reset();
        QVERIFY(t.prefix().isEmpty());
    }

    void typeAheadFindsTheFirstTitleWithThePrefix()
    {
        const QStringList titles{"Alien",  "Stalker",    "Star Wars",
                                 "Straße", "Terminator", "tote Zeit"};
        QCOMPARE(TypeAhead::find(titles, QStringLiteral("st")), 1);
        QCOMPARE(TypeAhead::find(titles, QStringLiteral("STAR")), 2);
        QCOMPARE(TypeAhead::find(titles, QStringLiteral("Star ")), 2);
        QCOMPARE(TypeAhead::find(titles, QStringLiteral("STRAS")), -1); // ß counts as one character
        QCOMPARE(TypeAhead::find(titles, QStringLiteral("t")), 4);
        QCOMPARE(TypeAhead::find(titles, QStringLiteral("to")), 5);
        QCOMPARE(TypeAhead::find(titles, QStringLiteral("x")), -1);
        QCOMPARE(TypeAhead::find(titles, QString()), -1);
        QCOMPARE(TypeAhead::find({}, QStringLiteral("a")), -1);

        QCOMPARE(TypeAhead::findInList(*m_model, QStringLiteral("ma")), 1); // Mathilde
        QCOMPARE(TypeAhead::findInList(*m_model, QStringLiteral("matr")), 2);
        m_model->setColumns({{QStringLiteral("Genre"), 100}});
        QCOMPARE(TypeAhead::findInList(*m_model, QStringLiteral("a")), -1);
    }
};

QTEST_GUILESS_MAIN(TestListSearch)
#include "tst_listsearch.moc"
