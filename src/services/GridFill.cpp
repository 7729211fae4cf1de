#include "GridFill.h"

#include "DataGrid.h"

void beginGridFill(DataGrid &grid, const QStringList &headers)
{
    grid.setRows(0);
    grid.setCols(int(headers.size()));
    // The rows show in one piece when the fill ends with the repaint.
    grid.beginFill();
    grid.addItem(headers.join(QLatin1Char('\t')));
}

void finishGridFill(DataGrid &grid)
{
    const int columns = grid.cols();
    for (int col = 0; col < columns; ++col) {
        grid.setColAlignment(col, Qt::AlignCenter);
        grid.setFixedAlignment(col, Qt::AlignCenter);
    }
    grid.setAutoSizeMode(DataGrid::SizeColumns);
    grid.autoSize(0, columns - 1);
    grid.setFixedRows(1);
    grid.refresh();
}
