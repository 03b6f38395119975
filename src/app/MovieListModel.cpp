#include "app/MovieListModel.h"

#include "app/ColumnVocabulary.h"
#include "app/ListQuery.h"
#include "entry/EntryRules.h"
#include "store/CatalogDatabase.h"
#include "store/CatalogStore.h"
#include "store/EntryNumbers.h"
#include "store/StoreError.h"

#include <QBrush>
#include <QColor>
#include <QRegularExpression>
#include <QSize>

#include <algorithm>

namespace korvel::app {

namespace {
const QColor kLent(196, 200, 225);
const QColor kCream(255, 251, 240);
const QColor kWhite(255, 255, 255);

// Resolves the catalog columns of the shown captions once per query, then reads rows.
class RowReader
{
  public:
    RowReader(store::RecordSet& rs, const QStringList& captions) : m_rs(rs)
    {
        m_key = rs.fieldIndex(QStringLiteral("nummer"));
        m_visible = rs.fieldIndex(QStringLiteral("visiblenr"));
        for (const QString& caption : captions) {
            m_fields.push_back(rs.fieldIndex(ColumnVocabulary::getdbfieldname(caption)));
            m_kinds.push_back(ColumnVocabulary::cellKindOf(caption));
        }
    }

    int key() const
    {
        return entry::EntryRules::toWholeNumber(m_rs.text(m_key)).value_or(MovieListModel::kNoKey);
    }
    std::optional<int> visibleNumber() const
    {
        return entry::EntryRules::toWholeNumber(m_rs.text(m_visible));
    }
    void readCells(QStringList& cells) const
    {
        cells.clear();
        cells.reserve(qsizetype(m_fields.size()));
        for (size_t i = 0; i < m_fields.size(); ++i)
            cells.append(ColumnVocabulary::listCell(m_kinds[i], m_rs.text(m_fields[i])));
    }

  private:
    store::RecordSet& m_rs;
    int m_key = -1;
    int m_visible = -1;
    std::vector<int> m_fields;
    std::vector<ColumnVocabulary::CellKind> m_kinds;
};
} // namespace

MovieListModel::MovieListModel(QObject* parent) : QAbstractTableModel(parent)
{
    setColumns(designColumns(), designKeyCaption());
    m_statusText = statusTextFor(0);
}

QString MovieListModel::designKeyCaption()
{
    return QStringLiteral("keines");
}
QString MovieListModel::restoredKeyCaption()
{
    return QStringLiteral("keine");
}

QList<MovieListModel::Column> MovieListModel::designColumns()
{
    QList<Column> out;
    for (const auto& c : ColumnVocabulary::designColumns())
        out.append({c.caption, c.width});
    return out;
}

void MovieListModel::setColumns(const QList<Column>& shown, const QString& keyCaption)
{
    beginResetModel();
    m_columns = shown;
    m_captions.clear();
    for (const Column& c : shown)
        m_captions << c.caption;
    m_alignments.clear();
    for (int i = 0; i < m_captions.size(); ++i)
        m_alignments.push_back(
            int(ColumnVocabulary::columnAlignment(m_captions, i) | Qt::AlignVCenter));
    m_keyCaption = keyCaption;
    m_rows.clear();
    m_shown.clear();
    m_narrowed = false;
    endResetModel();
}

int MovieListModel::columnWidth(int column) const
{
    if (column < 1 || column > m_columns.size())
        return 0;
    return m_columns[column - 1].width;
}

void MovieListModel::setColumnWidth(int column, int width)
{
    if (column < 1 || column > m_columns.size())
        return;
    m_columns[column - 1].width = width;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int MovieListModel::getfieldpos(const QString& caption) const
{
    return ColumnVocabulary::getfieldpos(m_captions, caption);
}

int MovieListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_narrowed ? m_shown.size() : m_rows.size());
}

int MovieListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size()) + 1;
}

QVariant MovieListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const Row& row = m_rows[size_t(allRowIndex(index.row()))];
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 0)
            return row.key == kNoKey ? QString() : QString::number(row.key);
        return row.cells.value(index.column() - 1);
    case KeyRole:
        return row.key;
    case Qt::BackgroundRole:
        if (m_lent.contains(row.key))
            return QBrush(kLent);
        return QBrush(index.row() % 2 == 0 ? kCream : kWhite);
    case Qt::TextAlignmentRole:
        if (index.column() == 0)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return int(ColumnVocabulary::columnAlignment(m_captions, index.column() - 1) |
                   Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant MovieListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return section == 0 ? m_keyCaption : m_captions[section - 1];
    case Qt::TextAlignmentRole:
        return section == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                            : int(ColumnVocabulary::columnAlignment(m_captions, section - 1) |
                                  Qt::AlignVCenter);
    default:
        return {};
    }
}

bool MovieListModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    if (!m_narrowed) {
        m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + count);
    } else {
        // drop the rows from the full list too and renumber the shown indexes behind them
        std::vector<int> gone(m_shown.begin() + row, m_shown.begin() + row + count);
        std::sort(gone.begin(), gone.end());
        m_shown.erase(m_shown.begin() + row, m_shown.begin() + row + count);
        for (int& s : m_shown)
            s -= int(std::lower_bound(gone.begin(), gone.end(), s) - gone.begin());
        for (auto it = gone.rbegin(); it != gone.rend(); ++it)
            m_rows.erase(m_rows.begin() + *it);
    }
    endRemoveRows();
    return true;
}

void MovieListModel::setRows(std::vector<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_shown.clear();
    m_narrowed = false;
    endResetModel();
}

void MovieListModel::clear()
{
    setRows({});
}

void MovieListModel::fill(store::CatalogStore& store, store::EntryNumbers& numbers)
{
    store::RecordSet& h = store.haupt();
    h.close();
    h.setSqlLine(0, ListQuery::selectLine());
    if (h.sql().size() == 1)
        h.addSql(ListQuery::designOrderLine());
    clear();

    // The list query as it stands, but selecting only the columns the list shows: the rows
    // and their order are the same, and the engine need not carry whole entries (the
    // descriptions and pictures) through the sort.
    QStringList sql = h.sql();
    QStringList fields{QStringLiteral("nummer"), QStringLiteral("visiblenr")};
    for (const QString& caption : m_captions)
        fields << ColumnVocabulary::getdbfieldname(caption);
    // a name the engine does not know must fail as it fails on the list query itself (a
    // quoted unknown name would be read as a text literal)
    QStringList known;
    for (const auto& c : store.database().columns(QStringLiteral("haupt")))
        known << c.name;
    for (QString& f : fields) {
        const qsizetype at = known.indexOf(
            QRegularExpression(QRegularExpression::anchoredPattern(QRegularExpression::escape(f)),
                               QRegularExpression::CaseInsensitiveOption));
        if (at < 0)
            throw store::StoreError(
                QStringLiteral("Die Spalte \"%1\" ist in der Abfrage \"haupt\" nicht vorhanden.")
                    .arg(f));
        f = store::quoteIdentifier(known[at]);
    }
    sql[0] = QStringLiteral("select %1 from haupt").arg(fields.join(QStringLiteral(", ")));
    store::RecordSet list(store.database(), QStringLiteral("movielist"), sql);
    for (auto it = h.bindings().cbegin(); it != h.bindings().cend(); ++it)
        list.bind(it.key(), it.value());

    std::vector<Row> rows;
    list.open();
    const RowReader reader(list, m_captions);
    while (!list.atEnd()) {
        Row& row = rows.emplace_back();
        row.key = reader.key();
        reader.readCells(row.cells);
        if (const auto n = reader.visibleNumber())
            numbers.addnumber(*n);
        list.next();
    }
    list.close();
    // every entry of the catalog is in the list: the count is the fill's own
    m_statusText = statusTextFor(int(rows.size()));
    h.close();
    setRows(std::move(rows));
    emit statusTextChanged(m_statusText);
}

bool MovieListModel::setOrderForColumnClick(int column, store::CatalogStore& store) const
{
    if (column < 1 || column > m_columns.size())
        return false;
    store::RecordSet& h = store.haupt();
    h.close();
    const QString field = ColumnVocabulary::getdbfieldname(m_captions[column - 1]);
    h.setSqlLine(1, ListQuery::orderLineAfterClick(h.sql(), field));
    return true;
}

void MovieListModel::sortByColumnClick(int column, store::CatalogStore& store,
                                       store::EntryNumbers& numbers)
{
    if (setOrderForColumnClick(column, store))
        fill(store, numbers);
}

bool MovieListModel::rebuildRow(int row, store::CatalogStore& store)
{
    if (row < 0 || row >= rowCount())
        return false;
    Row& r = m_rows[size_t(allRowIndex(row))];
    store::BorrowedQuery q(store.haupt(),
                           {QStringLiteral("select *from haupt where nummer = :nummer")},
                           {{QStringLiteral("nummer"), r.key}});
    if (q->atEnd())
        return false;
    RowReader(*q, m_captions).readCells(r.cells);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole});
    return true;
}

QString MovieListModel::statusTextFor(int count)
{
    return QStringLiteral("Datenbank: %1 Filme vorhanden").arg(count);
}

std::optional<QString> MovieListModel::totalmoviescount(store::CatalogStore& store)
{
    store::RecordSet& h = store.haupt();
    if (!h.isOpen())
        return std::nullopt;
    int count = 0;
    {
        store::BorrowedQuery all(h, {ListQuery::selectLine()});
        count = all->recordCount();
    }
    h.open();
    return statusTextFor(count);
}

int MovieListModel::keyOfRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return kNoKey;
    return m_rows[size_t(allRowIndex(row))].key;
}

int MovieListModel::rowOfKey(int key) const
{
    const int n = rowCount();
    for (int row = 0; row < n; ++row)
        if (m_rows[size_t(allRowIndex(row))].key == key)
            return row;
    return -1;
}

QStringList MovieListModel::rowCells(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    return m_rows[size_t(allRowIndex(row))].cells;
}

QString MovieListModel::cell(int row, int shownColumn) const
{
    return rowCells(row).value(shownColumn);
}

void MovieListModel::removeKeys(const QList<int>& keys)
{
    const QSet<int> gone(keys.cbegin(), keys.cend());
    // from the bottom up, one contiguous run of shown rows at a time
    int row = rowCount() - 1;
    while (row >= 0) {
        if (!gone.contains(keyOfRow(row))) {
            --row;
            continue;
        }
        int first = row;
        while (first > 0 && gone.contains(keyOfRow(first - 1)))
            --first;
        removeRows(first, row - first + 1);
        row = first - 1;
    }
}

void MovieListModel::setLentKeys(const QSet<int>& keys)
{
    m_lent = keys;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole});
}

void MovieListModel::showOnly(std::vector<int> allRowIndexes)
{
    beginResetModel();
    // each row at most once, and only rows that exist
    std::vector<char> seen(m_rows.size(), 0);
    const int n = int(m_rows.size());
    allRowIndexes.erase(std::remove_if(allRowIndexes.begin(), allRowIndexes.end(),
                                       [&](int i) {
                                           if (i < 0 || i >= n || seen[size_t(i)])
                                               return true;
                                           seen[size_t(i)] = 1;
                                           return false;
                                       }),
                        allRowIndexes.end());
    m_shown = std::move(allRowIndexes);
    m_narrowed = true;
    endResetModel();
}

void MovieListModel::showAll()
{
    if (!m_narrowed)
        return;
    beginResetModel();
    m_shown.clear();
    m_narrowed = false;
    endResetModel();
}

} // namespace korvel::app
