#include "TextRows.h"

#include <sqlite3.h>

TextRows::TextRows(PreparedStatement statement)
    : m_statement(std::move(statement))
    , m_columns(sqlite3_column_count(m_statement.handle()))
{ }

bool TextRows::next()
{
    return m_statement.step();
}

int TextRows::columnCount() const
{
    return m_columns;
}

bool TextRows::isNull(int column) const
{
    return m_statement.active() && sqlite3_column_type(m_statement.handle(), column) == SQLITE_NULL;
}

QByteArrayView TextRows::text(int column) const
{
    sqlite3_stmt *stmt = m_statement.handle();
    if (!stmt)
        return {};
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    return QByteArrayView(data, sqlite3_column_bytes(stmt, column));
}

qint64 TextRows::number(int column) const
{
    return m_statement.number(column);
}
