#pragma once

#include "PreparedStatement.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <deque>
#include <vector>

// The rows of an open statement, read one at a time as the caller moves on; the search reads
// 100,000 of them. Before a change is written the rest of the rows are taken into memory and
// the statement released: while a statement still reads, the engine holds back the commit of
// every change on the connection.
class RowCursor
{
public:
    struct Row
    {
        qint64 rowId = 0;
        QVector<QVariant> values;
    };

    using Kinds = std::vector<PreparedStatement::ColumnKind>;

    // Takes over the statement and moves to its first row. rowIdColumn is the hidden column
    // that holds the row's id, or -1.
    RowCursor(PreparedStatement statement, Kinds kinds, int rowIdColumn);
    RowCursor(const RowCursor &) = delete;
    RowCursor &operator=(const RowCursor &) = delete;

    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool onRow() const { return !m_eof && !m_bof; }

    void moveNext();
    QVariant value(int column) const;
    qint64 rowId() const;

    void buffer();
    // After a change is stored: the row as the table now holds it.
    void replaceCurrent(Row row);
    // After a row is added: it becomes the current row, ahead of the one that was current.
    void insertCurrent(Row row);

    static Row readRow(const PreparedStatement &statement, const Kinds &kinds, int rowIdColumn);

private:
    void step();

    PreparedStatement m_statement;
    Kinds m_kinds;
    int m_rowIdColumn;
    bool m_buffered = false;
    std::deque<Row> m_rows; // the current row first, once buffered
    bool m_eof = false;
    bool m_bof = false;
};
