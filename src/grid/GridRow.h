#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// One grid row kept as a single text plus the end of each cell in it. The windows add rows
// as tab-separated text, so a row shares the caller's string and costs no copy; it is split
// into cells only when a cell is first read, and a cell is read as a view into the text.
class GridRow
{
public:
    GridRow() = default;
    // Cells from tab-separated text; cells beyond maxCells are dropped.
    static GridRow fromTabSeparated(const QString &line, int maxCells);

    int cellCount() const;
    // Empty beyond the last cell.
    QStringView cell(int col) const;
    // Cells first..first+count-1 into out, in one pass over the text; the row is not kept
    // split, as fitting a large grid reads every row once and splitting them all would cost
    // as much again.
    void cells(int first, int count, QStringView *out) const;
    void setCell(int col, const QString &text);
    // While the row is the text as added, not yet split or edited: that text, whose first
    // lineCells() tab-separated cells are the row's cells.
    bool isLine() const { return !m_split; }
    QStringView line() const { return m_text; }
    int lineCells() const { return m_maxCells; }
    // Keeps the first `cells` cells.
    void truncate(int cells);

private:
    void split() const;
    int begin(int col) const { return col == 0 ? 0 : m_ends[col - 1] + 1; }

    QString m_text;
    int m_maxCells = 0; // while not split: the cells the text may hold
    mutable bool m_split = false;
    mutable std::vector<int> m_ends;
};
