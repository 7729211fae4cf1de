#include "GridFit.h"

#include "DataGridModel.h"
#include "TextWidthGauge.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <vector>

namespace {

// Room left beside the widest text of a fitted column.
constexpr int FitMargin = 4;

} // namespace

GridFit::GridFit(QTableView &view, const DataGridModel &model)
    : m_view(view)
    , m_model(model)
{ }

void GridFit::columns(int firstCol, int lastCol, bool roomForSortMark)
{
    QHeaderView *header = m_view.horizontalHeader();
    const int cellMargin
        = 2 * (m_view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &m_view) + 1)
        + FitMargin;
    int headerMargin
        = 2 * m_view.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + FitMargin;
    if (roomForSortMark)
        headerMargin += m_view.style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header)
            + m_view.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);

    // A formatted column is measured as it shows, everything else as it is stored.
    const int firstData = m_model.fixedRows();
    const int dataCount = m_model.gridRows() - firstData;
    const int columns = lastCol - firstCol + 1;
    std::vector<std::vector<QString>> shown(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        if (m_model.colFormat(firstCol + c).isEmpty())
            continue;
        shown[size_t(c)].reserve(size_t(dataCount));
        for (int i = 0; i < dataCount; ++i)
            shown[size_t(c)].push_back(m_model.displayText(firstData + i, firstCol + c));
    }
    // Every row is read once, all its cells together: reading the grid column by column
    // would go through memory nineteen times over.
    TextWidthGauge cellGauge(m_view.font());
    std::vector<int> estimates(static_cast<size_t>(columns) * size_t(std::max(dataCount, 0)));
    std::vector<int> rowEstimates(static_cast<size_t>(columns));
    for (int i = 0; i < dataCount; ++i) {
        const GridRow &row = m_model.rowAt(firstData + i);
        if (row.isLine() && row.isLatin1()) {
            cellGauge.estimateCells(
                row.latin1Line(), row.lineCells(), firstCol, columns, rowEstimates.data());
        } else if (row.isLine()) {
            cellGauge.estimateCells(
                row.utf16Line(), row.lineCells(), firstCol, columns, rowEstimates.data());
        } else {
            row.visitCells(firstCol, columns,
                [&](int c, auto cell) { rowEstimates[size_t(c)] = cellGauge.estimate(cell); });
        }
        for (int c = 0; c < columns; ++c) {
            const std::vector<QString> &formatted = shown[size_t(c)];
            estimates[size_t(c) * size_t(dataCount) + size_t(i)] = formatted.empty()
                ? rowEstimates[size_t(c)]
                : cellGauge.estimate(formatted[size_t(i)]);
        }
    }
    std::vector<int> widest(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        widest[size_t(c)] = cellGauge.widest(
            estimates.data() + size_t(c) * size_t(dataCount), dataCount, [&](int i) {
                const std::vector<QString> &formatted = shown[size_t(c)];
                return formatted.empty() ? m_model.cell(firstData + i, firstCol + c)
                                         : formatted[size_t(i)];
            });
    }

    const TextWidthGauge headerGauge(header->font());
    for (int c = 0; c < columns; ++c) {
        const int col = firstCol + c;
        int width = widest[size_t(c)] + cellMargin;
        // Row 0 is measured as a header as well: windows fill it first and fix it afterwards.
        if (m_model.gridRows() > 0)
            width = std::max(width, headerGauge.exact(m_model.cell(0, col)) + headerMargin);
        m_view.setColumnWidth(col, std::max(width, header->minimumSectionSize()));
    }
}

void GridFit::rows(int firstCol, int lastCol)
{
    const int lineHeight = m_view.fontMetrics().lineSpacing();
    const int standard = m_view.verticalHeader()->defaultSectionSize();
    const int margin = std::max(standard - lineHeight, 0);
    for (int r = m_model.fixedRows(); r < m_model.gridRows(); ++r) {
        qsizetype lines = 1;
        m_model.rowAt(r).visitCells(firstCol, lastCol - firstCol + 1,
            [&](int, auto cell) { lines = std::max(lines, cell.count(QLatin1Char('\n')) + 1); });
        const int height = lines > 1 ? int(lines) * lineHeight + margin : standard;
        const int viewRow = r - m_model.fixedRows();
        if (m_view.rowHeight(viewRow) != height)
            m_view.setRowHeight(viewRow, height);
    }
}
