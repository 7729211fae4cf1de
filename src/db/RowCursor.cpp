#include "RowCursor.h"

#include "EngineCall.h"

#include <sqlite3.h>

RowCursor::RowCursor(sqlite3 *db, sqlite3_stmt *stmt, const QString &statement,
    std::vector<ColumnReader::Kind> kinds, int rowIdColumn)
    : m_db(db)
    , m_stmt(stmt)
    , m_statement(statement)
    , m_kinds(std::move(kinds))
    , m_rowIdColumn(rowIdColumn)
{
    try {
        step();
    } catch (...) {
        sqlite3_finalize(m_stmt);
        throw;
    }
    // Positioned on the first row; an empty result is at both ends at once.
    m_bof = m_eof;
}

RowCursor::~RowCursor()
{
    sqlite3_finalize(m_stmt);
}

void RowCursor::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return;
    if (rc != SQLITE_DONE)
        throw EngineCall::error(m_db, m_statement);
    m_eof = true;
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
}

void RowCursor::moveNext()
{
    m_bof = false;
    if (m_buffered) {
        if (!m_rows.empty())
            m_rows.pop_front();
        m_eof = m_rows.empty();
        return;
    }
    step();
}

QVariant RowCursor::value(int column) const
{
    if (m_buffered)
        return m_rows.front().values.at(column);
    return ColumnReader::read(m_stmt, column, m_kinds[column]);
}

qint64 RowCursor::rowId() const
{
    if (m_buffered)
        return m_rows.front().rowId;
    return m_rowIdColumn < 0 ? 0 : sqlite3_column_int64(m_stmt, m_rowIdColumn);
}

RowCursor::Row RowCursor::readRow(
    sqlite3_stmt *stmt, const std::vector<ColumnReader::Kind> &kinds, int rowIdColumn)
{
    Row row;
    row.values.reserve(int(kinds.size()));
    for (int i = 0; i < int(kinds.size()); ++i)
        row.values.append(ColumnReader::read(stmt, i, kinds[i]));
    if (rowIdColumn >= 0)
        row.rowId = sqlite3_column_int64(stmt, rowIdColumn);
    return row;
}

void RowCursor::buffer()
{
    if (m_buffered)
        return;
    try {
        while (m_stmt && !m_eof) {
            m_rows.push_back(readRow(m_stmt, m_kinds, m_rowIdColumn));
            step();
        }
    } catch (...) {
        // What was read stays readable; the failed statement is released.
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        m_buffered = true;
        m_eof = m_rows.empty();
        throw;
    }
    m_buffered = true;
    m_eof = m_rows.empty();
}

void RowCursor::replaceCurrent(Row row)
{
    buffer();
    if (!m_rows.empty())
        m_rows.front() = std::move(row);
}

void RowCursor::insertCurrent(Row row)
{
    buffer();
    m_rows.push_front(std::move(row));
    m_eof = false;
    m_bof = false;
}
