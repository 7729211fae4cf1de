#pragma once

class DataGridModel;
class QTableView;

// Fits a grid's columns to their widest text, or its rows to their number of lines. Columns
// are measured as the cells show them (through the column's display format), with the fixed
// row measured as a header.
class GridFit
{
public:
    GridFit(QTableView &view, const DataGridModel &model);

    void columns(int firstCol, int lastCol, bool roomForSortMark);
    // The view must know all of the model's rows.
    void rows(int firstCol, int lastCol);

private:
    QTableView &m_view;
    const DataGridModel &m_model;
};
