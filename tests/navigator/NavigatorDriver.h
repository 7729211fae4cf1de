#pragma once

#include "SearchCriteria.h"

#include <QStringList>

class frmNavigator;
class DataGrid;

// Sets the navigator's controls as a user would leave them for a search.
void setCriteria(frmNavigator &form, const SearchCriteria &criteria);
// Column col of every data row of a grid, top to bottom.
QStringList column(const DataGrid &grid, int col);
