#include "FoldedRows.h"

#include "TextRows.h"

#include <algorithm>

FoldedRows::FoldedRows(int firstColumn, int columns)
    : m_firstColumn(firstColumn)
    , m_columns(columns)
{ }

void FoldedRows::appendPlace(qint64 rowid, qint32 group, const TextRows &row)
{
    // Null is searched as empty text: no word is found in either.
    for (int column = m_firstColumn; column < m_firstColumn + m_columns; ++column)
        m_cells.push_back(m_values.of(row.text(column)));
    m_rowids.push_back(rowid);
    m_groups.push_back(group);
}

void FoldedRows::append(qint64 rowid, qint32 group, const TextRows &row)
{
    if (m_later.isEmpty() && (m_rowids.empty() || m_rowids.back() < rowid)) {
        appendPlace(rowid, group, row);
        m_ordered = places();
        return;
    }
    put(rowid, group, row);
}

qsizetype FoldedRows::find(qint64 rowid) const
{
    if (const auto later = m_later.constFind(rowid); later != m_later.constEnd())
        return qsizetype(*later);
    const auto end = m_rowids.begin() + m_ordered;
    const auto at = std::lower_bound(m_rowids.begin(), end, rowid);
    if (at == end || *at != rowid)
        return -1;
    const qsizetype place = at - m_rowids.begin();
    return live(place) ? place : -1;
}

void FoldedRows::remove(qint64 rowid)
{
    const qsizetype place = find(rowid);
    if (place < 0)
        return;
    m_groups[size_t(place)] = Dead;
    ++m_dead;
    m_later.remove(rowid);
}

void FoldedRows::put(qint64 rowid, qint32 group, const TextRows &row)
{
    remove(rowid);
    m_later.insert(rowid, quint32(places()));
    appendPlace(rowid, group, row);
    compactWhenWorthIt();
}

void FoldedRows::reserve(qsizetype rows)
{
    m_cells.reserve(size_t(rows) * size_t(m_columns));
    m_rowids.reserve(size_t(rows));
    m_groups.reserve(size_t(rows));
}

void FoldedRows::squeeze()
{
    m_values.squeeze();
    m_cells.shrink_to_fit();
    m_rowids.shrink_to_fit();
    m_groups.shrink_to_fit();
}

void FoldedRows::compactWhenWorthIt()
{
    const qsizetype worth = m_ordered / 4 + 4096;
    if (m_dead < worth && m_later.size() < worth)
        return;
    std::vector<quint32> order;
    for (quint32 place = 0; place < quint32(places()); ++place)
        if (live(place))
            order.push_back(place);
    std::sort(order.begin(), order.end(),
        [this](quint32 a, quint32 b) { return m_rowids[a] < m_rowids[b]; });
    std::vector<quint32> cells;
    std::vector<qint64> rowids;
    std::vector<qint32> groups;
    cells.reserve(order.size() * size_t(m_columns));
    rowids.reserve(order.size());
    groups.reserve(order.size());
    for (const quint32 place : order) {
        const auto first = m_cells.begin() + qsizetype(place) * m_columns;
        cells.insert(cells.end(), first, first + m_columns);
        rowids.push_back(m_rowids[place]);
        groups.push_back(m_groups[place]);
    }
    m_cells = std::move(cells);
    m_rowids = std::move(rowids);
    m_groups = std::move(groups);
    m_ordered = places();
    m_later.clear();
    m_dead = 0;
}

std::vector<quint8> FoldedRows::masks(const std::vector<QByteArray> &needles) const
{
    const std::vector<quint8> valueMasks = m_values.masks(needles);
    std::vector<quint8> result(m_rowids.size(), 0);
    const quint32 *cell = m_cells.data();
    for (quint8 &mask : result)
        for (int column = 0; column < m_columns; ++column)
            mask |= valueMasks[*cell++];
    return result;
}

qsizetype FoldedRows::bytes() const
{
    return m_values.bytes() + qsizetype(m_cells.capacity() * sizeof(quint32))
        + qsizetype(m_rowids.capacity() * sizeof(qint64))
        + qsizetype(m_groups.capacity() * sizeof(qint32))
        + m_later.capacity() * qsizetype(sizeof(qint64) + sizeof(quint32) + 8);
}
