#include "RowCursor.h"

RowCursor::RowCursor(PreparedStatement statement, Kinds kinds, int rowIdColumn)
    : m_statement(std::move(statement))
    , m_kinds(std::move(kinds))
    , m_rowIdColumn(rowIdColumn)
{
    step();
    // Positioned on the first row; an empty result is at both ends at once.
    m_bof = m_eof;
}

void RowCursor::step()
{
    m_eof = !m_statement.step();
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
    return m_statement.value(column, m_kinds[column]);
}

qint64 RowCursor::rowId() const
{
    if (m_buffered)
        return m_rows.front().rowId;
    return m_rowIdColumn < 0 ? 0 : m_statement.number(m_rowIdColumn);
}

RowCursor::Row RowCursor::readRow(
    const PreparedStatement &statement, const Kinds &kinds, int rowIdColumn)
{
    Row row;
    row.values.reserve(int(kinds.size()));
    for (int i = 0; i < int(kinds.size()); ++i)
        row.values.append(statement.value(i, kinds[i]));
    if (rowIdColumn >= 0)
        row.rowId = statement.number(rowIdColumn);
    return row;
}

void RowCursor::buffer()
{
    if (m_buffered)
        return;
    // A refusal releases the statement; what was read before it stays readable.
    struct Done
    {
        RowCursor &cursor;
        ~Done()
        {
            cursor.m_buffered = true;
            cursor.m_eof = cursor.m_rows.empty();
        }
    } done { *this };
    while (m_statement.active() && !m_eof) {
        m_rows.push_back(readRow(m_statement, m_kinds, m_rowIdColumn));
        step();
    }
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
