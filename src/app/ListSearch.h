#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace korvel::app {

class MovieListModel;

// Upper case by the rules of a locale, with a quick way for pure ASCII texts when the locale
// maps a to z as plain ASCII does (it does not in Turkish, where i becomes a dotted I).
class LocaleUpper
{
  public:
    explicit LocaleUpper(const QLocale& locale = QLocale());
    QString operator()(const QString& text) const;
    // Whether text in upper case contains needle (already in upper case).
    bool upperContains(const QString& text, const QString& needle) const;

  private:
    QLocale m_locale;
    bool m_asciiPlain = true;
    mutable QString m_buffer;
};

// The quick search over the rows the movie list shows: a row stays when the text, in upper
// case, occurs in one of its cells in upper case; the cells are the texts as shown.
namespace ListSearch {

// Which columns to look at: every column, or those whose caption equals the selector's text
// exactly (an edited selector text that names no column matches nothing).
struct Scope
{
    bool allColumns = true;
    QString caption;
};

// The selector "suchen in": item 0 "Alle" with its own text means every column.
Scope scopeFor(int selectorIndex, const QString& selectorText);

// The rows of the model to keep, as indexes into allRows(), each row once, in the order the
// list shows them. An empty text keeps every shown row.
std::vector<int> narrow(const MovieListModel& model, const QString& text, const Scope& scope,
                        const LocaleUpper& upper = LocaleUpper());

} // namespace ListSearch

// The type-ahead of the movie list: letters and digits typed with less than the reset time
// between them form a prefix, and the first row whose title begins with it is selected.
class TypeAhead
{
  public:
    static constexpr int kResetMs = 600;

    enum class Action
    {
        Ignore,  // AltGr held, or a character that is neither letter nor digit nor blank
        Open,    // Enter: as a double-click on the list
        Restart, // a blank, or a letter while the list is empty: only the reset timer restarts
        Search   // the prefix grew: look for it, then restart the reset timer
    };

    // Takes one typed character. hasRows: the list has rows with cells (otherwise a letter
    // only restarts the reset timer).
    Action type(QChar c, bool altGr, bool hasRows);
    void reset() { m_prefix.clear(); }
    QString prefix() const { return m_prefix; }

    // The first of titles that begins with prefix, both compared in upper case; -1 if none.
    static int find(const QStringList& titles, const QString& prefix,
                    const LocaleUpper& upper = LocaleUpper());
    // The same over the movie list's shown rows and its "Titel" column (-1 when there is no
    // such column).
    static int findInList(const MovieListModel& model, const QString& prefix,
                          const LocaleUpper& upper = LocaleUpper());

  private:
    QString m_prefix;
};

} // namespace korvel::app
