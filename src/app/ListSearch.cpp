#include "app/ListSearch.h"

#include "app/MovieListModel.h"

namespace korvel::app {

LocaleUpper::LocaleUpper(const QLocale& locale) : m_locale(locale)
{
    const QString lower = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    m_asciiPlain = m_locale.toUpper(lower) == lower.toUpper();
}

QString LocaleUpper::operator()(const QString& text) const
{
    return m_locale.toUpper(text);
}

bool LocaleUpper::upperContains(const QString& text, const QString& needle) const
{
    if (m_asciiPlain) {
        // Most cells are plain ASCII: upper-case them into one reused buffer instead of a new
        // string per cell. A non-ASCII character sends the cell the locale's way.
        const qsizetype n = text.size();
        m_buffer.resize(n);
        QChar* out = m_buffer.data();
        const QChar* in = text.constData();
        bool ascii = true;
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = in[i].unicode();
            if (c >= 0x80) {
                ascii = false;
                break;
            }
            out[i] = QChar(c >= u'a' && c <= u'z' ? char16_t(c - 32) : c);
        }
        if (ascii)
            return QStringView(m_buffer).contains(needle);
    }
    return m_locale.toUpper(text).contains(needle);
}

namespace ListSearch {

Scope scopeFor(int selectorIndex, const QString& selectorText)
{
    if (selectorIndex == 0 && selectorText == QStringLiteral("Alle"))
        return {};
    return {false, selectorText};
}

std::vector<int> narrow(const MovieListModel& model, const QString& text, const Scope& scope,
                        const LocaleUpper& upper)
{
    std::vector<int> kept;
    const int shown = model.rowCount();
    if (text.isEmpty()) {
        kept.reserve(size_t(shown));
        for (int row = 0; row < shown; ++row)
            kept.push_back(model.allRowIndex(row));
        return kept;
    }
    std::vector<int> columns;
    const QStringList captions = model.shownCaptions();
    for (int i = 0; i < captions.size(); ++i)
        if (scope.allColumns || captions[i] == scope.caption)
            columns.push_back(i);
    if (columns.empty())
        return kept;

    const QString needle = upper(text);
    const std::vector<MovieListModel::Row>& rows = model.allRows();
    for (int row = 0; row < shown; ++row) {
        const int index = model.allRowIndex(row);
        const QStringList& cells = rows[size_t(index)].cells;
        for (int c : columns) {
            // a row is kept once, however many of its cells match
            if (c < cells.size() && upper.upperContains(cells[c], needle)) {
                kept.push_back(index);
                break;
            }
        }
    }
    return kept;
}

} // namespace ListSearch

TypeAhead::Action TypeAhead::type(QChar c, bool altGr, bool hasRows)
{
    if (altGr)
        return Action::Ignore;
    if (c == u'\r' || c == u'\n')
        return Action::Open;
    if (c == u' ') {
        if (!m_prefix.isEmpty())
            m_prefix += c;
        return Action::Restart;
    }
    const char16_t u = c.unicode();
    const bool letterOrDigit =
        (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
    if (!letterOrDigit)
        return Action::Ignore;
    if (!hasRows)
        return Action::Restart;
    m_prefix += c;
    return Action::Search;
}

int TypeAhead::find(const QStringList& titles, const QString& prefix, const LocaleUpper& upper)
{
    if (prefix.isEmpty())
        return -1;
    const QString wanted = upper(prefix);
    for (int i = 0; i < titles.size(); ++i)
        if (upper(titles[i].left(prefix.size())) == wanted)
            return i;
    return -1;
}

int TypeAhead::findInList(const MovieListModel& model, const QString& prefix,
                          const LocaleUpper& upper)
{
    const int column = model.getfieldpos(QStringLiteral("Titel"));
    if (column < 0 || prefix.isEmpty())
        return -1;
    const QString wanted = upper(prefix);
    const int n = model.rowCount();
    for (int row = 0; row < n; ++row) {
        const QStringList& cells = model.allRows()[size_t(model.allRowIndex(row))].cells;
        if (column < cells.size() && upper(cells[column].left(prefix.size())) == wanted)
            return row;
    }
    return -1;
}

} // namespace korvel::app
