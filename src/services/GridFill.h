#pragma once

#include <QStringList>

class DataGrid;

// The windows fill their grids the same way: emptied, the column count, a header row, one row
// per record (filled by the caller with addItem), then every column centred, the widths fitted
// to the content, row 0 made the one fixed row, and a repaint.
void beginGridFill(DataGrid &grid, const QStringList &headers);
void finishGridFill(DataGrid &grid);
