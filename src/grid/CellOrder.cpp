#include "CellOrder.h"

#include "DateCellReader.h"
#include "Formats.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

constexpr double EmptyValue = -std::numeric_limits<double>::infinity();

template <typename Key> std::vector<int> sortedBy(const std::vector<Key> &keys, Qt::SortOrder order)
{
    std::vector<int> positions(keys.size());
    std::iota(positions.begin(), positions.end(), 0);
    if (order == Qt::AscendingOrder) {
        std::stable_sort(positions.begin(), positions.end(),
            [&keys](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    } else {
        std::stable_sort(positions.begin(), positions.end(),
            [&keys](int a, int b) { return keys[size_t(b)] < keys[size_t(a)]; });
    }
    return positions;
}

} // namespace

CellOrder::CellOrder(const std::vector<QStringView> &cells)
{
    // Each kind is tried on the whole column and given up at its first misfit, which in a
    // text column is mostly the first cell.
    if (readNumbers(cells))
        m_kind = Numbers;
    else if (readDates(cells))
        m_kind = Dates;
    else
        readTexts(cells);
}

std::vector<int> CellOrder::sorted(Qt::SortOrder order) const
{
    return m_kind == Text ? sortedBy(m_texts, order) : sortedBy(m_values, order);
}

bool CellOrder::readNumbers(const std::vector<QStringView> &cells)
{
    m_values.clear();
    m_values.reserve(cells.size());
    for (QStringView cell : cells) {
        const QStringView trimmed = cell.trimmed();
        if (trimmed.isEmpty()) {
            m_values.push_back(EmptyValue);
            continue;
        }
        const std::optional<double> value = numericValue(trimmed);
        if (!value)
            return false;
        m_values.push_back(*value);
    }
    return true;
}

bool CellOrder::readDates(const std::vector<QStringView> &cells)
{
    DateCellReader reader;
    m_values.clear();
    m_values.reserve(cells.size());
    for (QStringView cell : cells) {
        qint64 moment = 0;
        if (cell.trimmed().isEmpty())
            m_values.push_back(EmptyValue);
        else if (reader.read(cell, moment))
            m_values.push_back(double(moment)); // exact: far below 2^53
        else
            return false;
    }
    return true;
}

void CellOrder::readTexts(const std::vector<QStringView> &cells)
{
    m_values = {};
    m_texts.reserve(cells.size());
    for (QStringView cell : cells)
        m_texts.push_back(cell.trimmed().isEmpty() ? QString() : cell.toString().toCaseFolded());
}
