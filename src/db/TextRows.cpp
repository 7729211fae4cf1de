#include "TextRows.h"

#include "EngineCall.h"

#include <sqlite3.h>

TextRows::TextRows(sqlite3 *db, sqlite3_stmt *stmt, const QString &statement)
    : m_db(db)
    , m_stmt(stmt)
    , m_statement(statement)
    , m_columns(sqlite3_column_count(stmt))
{ }

TextRows::TextRows(TextRows &&other) noexcept
    : m_db(other.m_db)
    , m_stmt(other.m_stmt)
    , m_statement(std::move(other.m_statement))
    , m_columns(other.m_columns)
{
    other.m_stmt = nullptr;
}

TextRows::~TextRows()
{
    sqlite3_finalize(m_stmt);
}

bool TextRows::next()
{
    if (!m_stmt)
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    // Released at once, so that a finished statement does not hold back later changes.
    if (rc == SQLITE_DONE) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        return false;
    }
    const DbError failure = EngineCall::error(m_db, m_statement);
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    throw failure;
}

int TextRows::columnCount() const
{
    return m_columns;
}

bool TextRows::isNull(int column) const
{
    return m_stmt && sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

QByteArrayView TextRows::text(int column) const
{
    if (!m_stmt)
        return {};
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return QByteArrayView(data, sqlite3_column_bytes(m_stmt, column));
}

qint64 TextRows::number(int column) const
{
    return m_stmt ? sqlite3_column_int64(m_stmt, column) : 0;
}
