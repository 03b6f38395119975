#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <QStringList>

#include <limits>
#include <optional>
#include <vector>

namespace korvel::store {
class CatalogStore;
class EntryNumbers;
} // namespace korvel::store

namespace korvel::app {

// The movie list's content: column 0 is the hidden key column (each row's entry key), then
// one column per shown caption. Rows hold their cells exactly as the list shows them, so
// that searching narrows the texts the user sees. Narrowing shows a subset of the rows in
// their order without touching them; showAll() brings every row back.
class MovieListModel : public QAbstractTableModel
{
    Q_OBJECT

  public:
    struct Column
    {
        QString caption;
        int width = 0;
        bool operator==(const Column&) const = default;
    };
    struct Row
    {
        int key = kNoKey;  // nummer; kNoKey for a row without one
        QStringList cells; // one per shown column
    };
    static constexpr int kNoKey = std::numeric_limits<int>::min();
    enum Role
    {
        KeyRole = Qt::UserRole + 1
    };

    explicit MovieListModel(QObject* parent = nullptr);

    // The key column's caption: "keines" in the design, "keine" when the layout is restored.
    static QString designKeyCaption();
    static QString restoredKeyCaption();
    static QList<Column> designColumns();

    // Replaces the shown columns (the rows are dropped: a fill follows).
    void setColumns(const QList<Column>& shown, const QString& keyCaption = restoredKeyCaption());
    const QList<Column>& shownColumns() const { return m_columns; }
    QStringList shownCaptions() const { return m_captions; }
    QString keyCaption() const { return m_keyCaption; }
    // The width of a model column (0 is the key column, always 0 wide).
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    // The index of the first shown column with that caption, any case; -1 when none.
    int getfieldpos(const QString& caption) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    // Fills the list from the list query of haupt in query order (line 1 becomes
    // "select *from haupt"; a query of one line gets "order by titel"), adds every entry's
    // visible number to numbers and updates the status text. haupt is closed afterwards.
    // An engine error (e.g. a column that names no catalog column) leaves the list empty
    // and is passed on.
    void fill(store::CatalogStore& store, store::EntryNumbers& numbers);
    // A click on the header of a shown column: the new order line of the list query (false
    // for the key column, which does not sort), then a fill.
    bool setOrderForColumnClick(int column, store::CatalogStore& store) const;
    void sortByColumnClick(int column, store::CatalogStore& store, store::EntryNumbers& numbers);
    // Re-reads one row from the catalog after its entry was saved; false when the entry is
    // gone. The list query is left as it was.
    bool rebuildRow(int row, store::CatalogStore& store);
    void clear();

    // "Datenbank: N Filme vorhanden" as of the last fill.
    QString statusText() const { return m_statusText; }
    static QString statusTextFor(int count);
    // totalmoviescount: counts all entries of the catalog while haupt is open, putting the
    // list query back and opening it again; nothing while haupt is closed.
    static std::optional<QString> totalmoviescount(store::CatalogStore& store);

    // Rows as shown (after narrowing).
    int keyOfRow(int row) const;
    int rowOfKey(int key) const; // -1 when not shown
    QStringList rowCells(int row) const;
    QString cell(int row, int shownColumn) const;
    // Removes the shown rows of these keys (the delete command).
    void removeKeys(const QList<int>& keys);

    // Lent rows are drawn on their own colour.
    void setLentKeys(const QSet<int>& keys);
    const QSet<int>& lentKeys() const { return m_lent; }

    // Narrowing: every row of the last fill, and which of them are shown.
    const std::vector<Row>& allRows() const { return m_rows; }
    // Shows only these rows of allRows(), in the given order.
    void showOnly(std::vector<int> allRowIndexes);
    void showAll();
    bool isNarrowed() const { return m_narrowed; }
    int allRowIndex(int row) const { return m_narrowed ? m_shown[size_t(row)] : row; }

  signals:
    void statusTextChanged(const QString& text);

  private:
    void setRows(std::vector<Row> rows);

    QList<Column> m_columns;
    QStringList m_captions;
    std::vector<int> m_alignments; // per shown column
    QString m_keyCaption;
    std::vector<Row> m_rows;
    std::vector<int> m_shown; // indexes into m_rows while narrowed
    bool m_narrowed = false;
    QSet<int> m_lent;
    QString m_statusText;
};

} // namespace korvel::app
