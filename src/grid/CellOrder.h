#pragma once

#include <QString>
#include <QStringView>
#include <Qt>
#include <vector>

// The order of a grid column's cells when the column is sorted. A column is taken as a whole,
// as a user reads it: when every cell that is not empty is a number ("12", "$1,234.50") it
// sorts by value, when every one is a date (the short date form the grids show, with or without
// a time of day) by date and time, and otherwise as text ignoring letter case. Deciding cell by
// cell would give no order at all in a mixed column ("2" < "10" as numbers, "10" < "1a" and
// "1a" < "2" as text). Empty cells come first.
class CellOrder
{
public:
    enum Kind { Numbers, Dates, Text };

    explicit CellOrder(const std::vector<QStringView> &cells);

    Kind kind() const { return m_kind; }
    // The positions of the cells in sorted order; equal cells keep the order they had.
    std::vector<int> sorted(Qt::SortOrder order) const;

private:
    bool readNumbers(const std::vector<QStringView> &cells);
    bool readDates(const std::vector<QStringView> &cells);
    void readTexts(const std::vector<QStringView> &cells);

    Kind m_kind = Text;
    std::vector<double> m_values; // numbers and dates; an empty cell is below every value
    std::vector<QString> m_texts; // case-folded; an empty cell is the empty text
};
