#pragma once

#include <QString>
#include <QStringList>

class DataGrid;

// A grid of one customer's machines or calls. The navigator and the customer window list the
// same fields in the same order; their headers, order, fixed columns and formats differ.
struct DetailList
{
    QStringList headers;
    // A SELECT with one mark, bound to the customer's name.
    QString sql;
    // The record's fields, one a cell, in column order.
    QStringList fields;
    int fixedCols = 0;
    int formatCol = -1;
    QString format = QString();
};

// The fields of a machine row and of a call row, the record's ID last.
const QStringList &machineFields();
const QStringList &callFields();

// Refills the grid: header row, one row per record read fresh from the database, then the
// columns centred and fitted and the header row fixed.
void fillDetailGrid(DataGrid &grid, const DetailList &list, const QString &customer);
