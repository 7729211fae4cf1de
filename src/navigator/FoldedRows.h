#pragma once

#include "FoldedValues.h"

#include <QHash>
#include <vector>

class TextRows;

// The searched columns of one table's rows: for each row the numbers of its columns' folded
// values, which the table keeps once each, so a word is looked for in each value once and not
// in each row that repeats it.
//
// Rows are found by rowid: those read in rowid order by a binary search, the ones put later
// (a row changed or added since) through a table of their own. A changed or deleted row's
// place stays, dead, until the dead places are worth copying the live ones into new room.
class FoldedRows
{
public:
    // The customer group of a row that joins no customer.
    static constexpr qint32 NoGroup = -1;

    // The columns of a row from firstColumn on are the searched ones.
    FoldedRows(int firstColumn, int columns);

    // A row read in rowid order, with its group.
    void append(qint64 rowid, qint32 group, const TextRows &row);
    // A row added or changed since: it replaces what was kept.
    void put(qint64 rowid, qint32 group, const TextRows &row);
    // A row that is no more.
    void remove(qint64 rowid);
    // Room for this many rows in all, so that reading them does not copy what was read before
    // each time the room runs out.
    void reserve(qsizetype rows);
    // Lets go of the room kept for growing, once the rows are all read.
    void squeeze();

    // The places of rows, the dead ones included.
    qsizetype places() const { return qsizetype(m_rowids.size()); }
    bool live(qsizetype place) const { return m_groups[size_t(place)] != Dead; }
    qint64 rowid(qsizetype place) const { return m_rowids[size_t(place)]; }
    qint32 group(qsizetype place) const { return m_groups[size_t(place)]; }

    // For each place, bit w set when the folded needle w occurs in one of its columns.
    std::vector<quint8> masks(const std::vector<QByteArray> &needles) const;
    // The memory held, in bytes.
    qsizetype bytes() const;

private:
    static constexpr qint32 Dead = -2;

    void appendPlace(qint64 rowid, qint32 group, const TextRows &row);
    // The place of a live row, -1 for none.
    qsizetype find(qint64 rowid) const;
    void compactWhenWorthIt();

    int m_firstColumn;
    int m_columns;
    FoldedValues m_values;
    // m_columns value numbers for each place.
    std::vector<quint32> m_cells;
    std::vector<qint64> m_rowids;
    std::vector<qint32> m_groups;
    // Places before this one are in rowid order.
    qsizetype m_ordered = 0;
    QHash<qint64, quint32> m_later;
    qsizetype m_dead = 0;
};
