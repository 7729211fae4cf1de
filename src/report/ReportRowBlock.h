#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

// Consecutive rows of a report table kept compactly: every value as UTF-8 in one buffer with a
// 64-bit end offset each, so that a block costs little more than its text. A table holds its
// rows in blocks so that it can let go of the rows no page on show needs, a block at a time.
class ReportRowBlock
{
public:
    explicit ReportRowBlock(int columns);

    // A row at the end; values it lacks are empty, values beyond the columns are left out.
    // dates holds, by column, the moment a date value stands for (invalid for the others;
    // empty when the row holds no date).
    void append(const QStringList &values, const QList<QDateTime> &dates);
    // For a subreport's table: the row just appended is linked to its entry by key. Rows come
    // in key order, so the rows of one key are one run.
    void linkLast(const QByteArray &key);
    // Gives back the room kept for more rows once the block is full.
    void seal();

    int rows() const { return m_rows; }
    QString text(int row, int column) const;
    // The moment the value stands for, or an invalid one (see ReportTable::dateValue).
    QDateTime dateValue(int row, int column) const;
    // The rows of the block linked by key, as [first, end); empty when there are none.
    std::pair<int, int> linked(const QByteArray &key) const;
    // What the block holds in memory, in bytes.
    qint64 bytes() const;
    // A digest of every value, to tell rows read again from those read before.
    size_t digest() const { return m_digest; }

private:
    struct Run
    {
        QByteArray key;
        int first = 0;
    };

    int m_columns;
    int m_rows = 0;
    std::string m_text;
    std::vector<qint64> m_ends; // where each value ends in m_text, row by row
    std::vector<Run> m_runs;
    // The date values, in the order of their rows and columns: by row * columns + column, the
    // moment in milliseconds from the start of Julian day 0. Kept with the rows, they go when
    // the rows go.
    std::vector<std::pair<qint64, qint64>> m_dates;
    size_t m_digest = 0;
};
