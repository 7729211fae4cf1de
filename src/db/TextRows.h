#pragma once

#include "PreparedStatement.h"

#include <QByteArrayView>
#include <QString>

// The rows of a SELECT as the engine stores them, for windows that only show what they read:
// each column as its UTF-8 text, valid until the next row, with no value made for it. A grid of
// 100,000 rows is filled at the pace of the engine this way; Recordset makes a QVariant of
// every field, which is what editing needs but costs as much again as reading the rows.
class TextRows
{
public:
    TextRows(TextRows &&other) noexcept = default;
    TextRows &operator=(TextRows &&) = delete;

    // Moves to the next row, the first one included; false after the last. Throws DbError.
    bool next();
    int columnCount() const;
    bool isNull(int column) const;
    // Empty for Null as for empty text; isNull tells them apart.
    QByteArrayView text(int column) const;
    // A column that holds a number; 0 for Null.
    qint64 number(int column) const;

private:
    friend class Database;
    explicit TextRows(PreparedStatement statement);

    PreparedStatement m_statement;
    int m_columns;
};
