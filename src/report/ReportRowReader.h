#pragma once

#include <QDateTime>
#include <QStringList>
#include <memory>

class ReportReading;
class ReportRowSource;
class ReportTable;

// Every row of a report's table once, from the first to the last, for a job that writes them
// all to a file. The rows come through a reader of their own on the table's source, which
// gives the same rows in the same order as the pages: going through the table instead would
// read every block into its cache only to let it go again, and push out the blocks of the
// pages on show. A source that cannot be read twice is read through the table.
class ReportRowReader
{
public:
    explicit ReportRowReader(ReportTable &table);
    ~ReportRowReader();
    ReportRowReader(const ReportRowReader &) = delete;
    ReportRowReader &operator=(const ReportRowReader &) = delete;

    // Moves to the next row; false after the last. Throws what the source throws.
    bool next();
    // The current row's value in a column as text, and the moment it stands for where it is a
    // date (as ReportTable::dateValue gives it).
    QString text(int column) const { return m_values.value(column); }
    QDateTime dateValue(int column) const;

private:
    ReportTable &m_table;
    std::unique_ptr<ReportRowSource> m_own;
    std::unique_ptr<ReportReading> m_reading; // of m_own
    int m_row = -1;
    QStringList m_values;
};
