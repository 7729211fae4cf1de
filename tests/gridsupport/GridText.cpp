#include "GridText.h"

#include "DataGrid.h"

#include <QTest>

QStringList gridRows(const DataGrid &grid)
{
    QStringList all;
    for (int r = grid.fixedRows(); r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.cols(); ++c)
            cells << grid.textMatrix(r, c);
        all << cells.join('|');
    }
    return all;
}

QStringList gridHeaders(const DataGrid &grid)
{
    QStringList all;
    for (int c = 0; c < grid.cols(); ++c)
        all << grid.textMatrix(0, c);
    return all;
}

QStringList gridColumn(const DataGrid &grid, int col)
{
    QStringList cells;
    for (int row = grid.fixedRows(); row < grid.rows(); ++row)
        cells << grid.textMatrix(row, col);
    return cells;
}

QPoint cellCentre(const QTableView &view, int gridRow, int col, int fixedRows)
{
    return view.visualRect(view.model()->index(gridRow - fixedRows, col)).center();
}

void clickCell(DataGrid &grid, int row, int col, bool twice)
{
    grid.scrollTo(grid.model()->index(row - grid.fixedRows(), col));
    const QPoint at = cellCentre(grid, row, col, grid.fixedRows());
    if (twice)
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at);
}
