#pragma once

#include <QString>

namespace korvel::store {

// A column's type as the catalog's SQL dialect names it (integer, varchar(n), memo, double,
// date, image). SQLite keeps the declared type text; memo is declared "longtext", its
// synonym, so that SQLite gives it text affinity.
struct ColumnType
{
    enum Kind { Integer, ShortText, LongText, Double, Date, Image, Other };
    Kind kind = Other;
    int width = 0; // characters, for ShortText

    // From a type as written in a statement ("VARCHAR(80)", "memo", "IMAGE") or as declared.
    static ColumnType parse(const QString& text);
    // The declaration to store in the SQLite schema.
    QString declaration() const;
    bool isText() const { return kind == ShortText || kind == LongText; }

private:
    QString m_other;
};

} // namespace korvel::store
