#pragma once

#include <QObject>

class QTableView;

// Keeps the first columns of a table view in place while it scrolls sideways: a second view
// over the same model and selection shows only those columns, laid over the left edge of the
// grid's cells, scrolling up and down with it and drawn like the header.
class FrozenColumns : public QObject
{
    Q_OBJECT
public:
    explicit FrozenColumns(QTableView *grid);
    ~FrozenColumns() override;

    QTableView *view() const { return m_view; }
    int count() const { return m_count; }
    void setCount(int count);
    // Width of the frozen columns; 0 when there are none.
    int width() const;
    // Brings the frozen view in line with the grid's columns, widths and header.
    void sync();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    // Selection mode and behaviour as the grid has them now.
    void followSelectionRules();

    QTableView *m_grid;
    QTableView *m_view;
    // Compared with, never called: while the grid is destroyed, the view is half gone and its
    // viewport still reports its last events here.
    QObject *m_viewport = nullptr;
    int m_count = 0;
};
