#include "GridRow.h"

#include <QStringList>

GridRow GridRow::fromTabSeparated(const QString &line, int maxCells)
{
    GridRow row;
    row.m_text = line;
    row.m_maxCells = std::max(maxCells, 0);
    return row;
}

int GridRow::cellCount() const
{
    split();
    return int(m_ends.size());
}

QStringView GridRow::cell(int col) const
{
    if (col < 0 || col >= cellCount())
        return {};
    const int from = begin(col);
    return QStringView(m_text).sliced(from, m_ends[col] - from);
}

void GridRow::cells(int first, int count, QStringView *out) const
{
    if (m_split) {
        for (int i = 0; i < count; ++i)
            out[i] = cell(first + i);
        return;
    }
    const QStringView text(m_text);
    const int last = std::min(first + count, m_maxCells);
    qsizetype from = 0;
    int col = 0;
    for (; col < last && from <= text.size(); ++col) {
        qsizetype tab = text.indexOf(QLatin1Char('\t'), from);
        if (tab < 0)
            tab = text.size();
        if (col >= first)
            out[col - first] = text.sliced(from, tab - from);
        from = tab + 1;
    }
    for (int c = std::max(col, first); c < first + count; ++c)
        out[c - first] = QStringView();
}

void GridRow::split() const
{
    if (m_split)
        return;
    m_split = true;
    m_ends.clear();
    if (m_maxCells == 0)
        return;
    qsizetype from = 0;
    while (int(m_ends.size()) < m_maxCells) {
        const qsizetype tab = m_text.indexOf(QLatin1Char('\t'), from);
        if (tab < 0) {
            m_ends.push_back(int(m_text.size()));
            break;
        }
        m_ends.push_back(int(tab));
        from = tab + 1;
    }
}

void GridRow::setCell(int col, const QString &text)
{
    if (col < 0)
        return;
    QStringList cells;
    const int count = std::max(cellCount(), col + 1);
    cells.reserve(count);
    for (int c = 0; c < count; ++c)
        cells << (c == col ? text : cell(c).toString());
    // The ends, not the tabs, mark the cells, so a cell's own text may hold a tab.
    m_text.clear();
    m_ends.clear();
    for (const QString &c : cells) {
        if (!m_ends.empty())
            m_text += QLatin1Char('\t');
        m_text += c;
        m_ends.push_back(int(m_text.size()));
    }
}

void GridRow::truncate(int cells)
{
    cells = std::max(cells, 0);
    if (!m_split) {
        m_maxCells = std::min(m_maxCells, cells);
        return;
    }
    if (cells >= cellCount())
        return;
    m_ends.resize(size_t(cells));
    m_text.truncate(m_ends.empty() ? 0 : m_ends.back());
}
