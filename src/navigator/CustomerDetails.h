#pragma once

#include <QString>

class DataGrid;

// The navigator's lower grids for the customer of the current row: its machines by brand,
// model and serial number, the payment as an amount of money, and its calls by date.
void fillCustomerMachines(DataGrid &grid, const QString &customer);
void fillCustomerCalls(DataGrid &grid, const QString &customer);
