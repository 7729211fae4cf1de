#pragma once

#include <QPoint>
#include <QStringList>

class DataGrid;
class QTableView;

// What a user reads off a grid and where they click it, for the tests of the grid and of the
// windows that show one. Rows and columns are the grid's own: row 0 is the header row.

// Every data row of a grid, its cells joined by '|'.
QStringList gridRows(const DataGrid &grid);
// The header row's cells.
QStringList gridHeaders(const DataGrid &grid);
// Column col of every data row, top to bottom.
QStringList gridColumn(const DataGrid &grid, int col);
// Centre of a data cell (grid row and column) in the coordinates of the view's viewport.
QPoint cellCentre(const QTableView &view, int gridRow, int col, int fixedRows = 1);
// Clicks (or double-clicks) the middle of a cell, scrolling it into view first.
void clickCell(DataGrid &grid, int row, int col, bool twice = false);
