#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <memory>
#include <vector>

// The rows of a grid, compactly: every row's cells as UTF-8 in large shared blocks, the cells
// of a row parted by a byte that UTF-8 text never holds (so a cell may hold a tab or a line
// break), and per row only where its text lies. A grid of a hundred thousand customers costs
// little more than its text this way, where a string per row cost twice the text in UTF-16
// and as much again in allocations. Cells are decoded when read: the rows on show, a column
// being sorted, the texts measured when columns are fitted. Sorting reorders where the rows
// lie and never moves their text.
class GridRowStore
{
public:
    int size() const { return int(m_rows.size()); }
    // Rows added are empty; rows taken away are gone. Emptied, the store gives back its blocks.
    void resize(int rows);
    // A row from tab-separated text; only its first maxCells cells are kept.
    void append(QStringView tabSeparated, int maxCells);
    // The same from UTF-8, as the engine gives text: copied as it stands.
    void appendUtf8(QByteArrayView tabSeparated, int maxCells);
    // The rows of tail after these, taking its blocks over without copying them.
    void splice(GridRowStore &&tail);

    // Empty beyond the row's last cell.
    QString cell(int row, int col) const;
    // The row's cells, tab-separated.
    QString line(int row) const;
    // Cells first..first+count-1 of a row into out, decoded into buffer, which out views and
    // which is reused from call to call: reading every row of a large grid this way allocates
    // nothing after the first rows.
    void cells(int row, int first, int count, QString &buffer, QStringView *out) const;
    // Sets one cell; the row keeps at least col+1 cells.
    void setCell(int row, int col, QStringView text);
    // Every row keeps its first `cells` cells.
    void truncate(int cells);
    // Rows from `first` on are put in the order given: the row at first+order[i] goes to
    // first+i.
    void reorder(int first, const std::vector<int> &order);

    // What the rows take in memory, in bytes.
    qint64 bytes() const;

private:
    struct Ref
    {
        quint32 block = 0;
        quint32 offset = 0;
        quint32 size = 0;
    };
    struct Block
    {
        std::unique_ptr<char[]> data;
        quint32 capacity = 0;
        quint32 used = 0;
    };

    // Room for at most `bytes` bytes of a new row; commit() then says how many were written.
    char *reserve(qsizetype bytes);
    Ref commit(char *end);
    // The row just written at [begin, written) as tab-separated UTF-8 kept to its first
    // maxCells cells.
    void appendWritten(char *begin, char *written, int maxCells);
    // A row's cells as stored.
    QByteArrayView text(int row) const;

    std::vector<Block> m_blocks;
    std::vector<Ref> m_rows;
};
