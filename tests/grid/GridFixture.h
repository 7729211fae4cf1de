#pragma once

#include <QPoint>
#include <QStringList>
#include <memory>

class DataGrid;
class QTableView;

// Checks every change of the grid's model against the rules views rely on.
void watchModel(DataGrid &grid);
// A grid filled the way the windows fill theirs: header row, data rows, one fixed row; shown
// on screen so that geometry and mouse events are real.
std::unique_ptr<DataGrid> filledGrid(const QStringList &lines, int cols, int fixedCols = 0);
// Centre of a data cell (grid row and column) in the coordinates of the view's viewport.
QPoint cellCentre(const QTableView &view, int gridRow, int col, int fixedRows = 1);
// Column col of every data row, top to bottom.
QStringList gridColumn(const DataGrid &grid, int col);
