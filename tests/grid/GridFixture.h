#pragma once

#include "GridText.h"

#include <QStringList>
#include <memory>

class DataGrid;

// Checks every change of the grid's model against the rules views rely on.
void watchModel(DataGrid &grid);
// A grid filled the way the windows fill theirs: header row, data rows, one fixed row; shown
// on screen so that geometry and mouse events are real.
std::unique_ptr<DataGrid> filledGrid(const QStringList &lines, int cols, int fixedCols = 0);
