#pragma once

#include "GridRow.h"

#include <QAbstractTableModel>
#include <vector>

// What a DataGrid holds: its rows of text, the fixed (header) row and columns, and per column
// the alignment and display format. Grid rows count the fixed row; the view's rows are the
// data rows only, with the fixed row as its header.
//
// Filling a grid adds rows one by one, often a hundred thousand of them. Between beginFill and
// finishFill the rows added are held back from the view and then told to it in one insertion;
// outside a fill each row is told at once. Everything read through the grid-row functions of
// this class is current at once; the view's row count is what it has been told.
class DataGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DataGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Sorts the data rows, stable; the fixed row stays where it is.
    void sort(int column, Qt::SortOrder order) override;

    int gridRows() const { return int(m_rows.size()); }
    void setGridRows(int count);
    int gridCols() const { return m_cols; }
    void setGridCols(int count);
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int count); // 0 or 1
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int count);

    void appendRow(const QString &tabSeparated);
    void appendUtf8Row(const QByteArray &tabSeparated);
    QString cell(int row, int col) const;
    const GridRow &rowAt(int row) const { return m_rows[size_t(row)]; }
    void setCell(int row, int col, const QString &text);
    QString displayText(int row, int col) const;

    void setColAlignment(int col, Qt::Alignment alignment);
    void setFixedAlignment(int col, Qt::Alignment alignment);
    void setColFormat(int col, const QString &format);
    QString colFormat(int col) const;

    // Grid row of a view index, -1 for an invalid one, and back.
    int gridRow(const QModelIndex &index) const;
    QModelIndex indexOf(int row, int col) const;

    // Holds back rows added from now on until finishFill, which tells the view of them all.
    void beginFill();
    void finishFill();
    bool filling() const { return m_filling; }

private:
    struct Column
    {
        Qt::Alignment alignment;
        Qt::Alignment fixedAlignment;
        QString format;
    };

    int dataRows() const { return gridRows() - m_fixedRows; }
    Qt::Alignment alignmentOf(int row, int col) const;
    void rowsAdded();
    void announceRows();
    void columnChanged(int col);

    std::vector<GridRow> m_rows;
    std::vector<Column> m_columns;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    int m_announced = 0; // data rows the view knows of; the others are added in an open fill
    bool m_filling = false;
};
