#pragma once

#include <QEvent>
#include <QString>
#include <QTableView>
#include <functional>
#include <memory>

class DataGridModel;

// The flex grid the windows fill row by row from tab-separated text. Row and column numbers
// count fixed rows and columns too: with one fixed row, row 0 is the header and data starts at
// row 1. A grid with 0 rows shows nothing, not even a header.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    enum AutoSizeMode { SizeColumns, SizeRows };

    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    int rows() const;
    void setRows(int count); // fewer drops rows at the end, more appends empty rows
    int cols() const;
    void setCols(int count);
    int fixedRows() const;
    void setFixedRows(int count);
    int fixedCols() const;
    void setFixedCols(int count);

    // Appends one row below the last, cells from column 0 separated by tab characters.
    void addItem(const QString &tabSeparated);
    // The same from UTF-8 text, as the database gives it: a row that Latin-1 can write is kept
    // in it, in half the memory.
    void addUtf8Item(const QByteArray &tabSeparated);
    // Rows added from now on are shown together when the fill is over: at refresh(), or at
    // the first thing that needs the shown rows (setting the current cell, sorting, fitting
    // rows). Emptying the grid ends a fill too. A hundred thousand rows are then one change
    // of the view, not a hundred thousand.
    void beginFill();
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);
    // What the cell shows: its text through the column's display format.
    QString displayText(int row, int col) const;

    void setColAlignment(int col, Qt::Alignment alignment); // the data cells
    void setFixedAlignment(int col, Qt::Alignment alignment); // the fixed (header) cells
    void setColFormat(int col, const QString &format); // e.g. "$#,###.##"

    void setAutoSizeMode(AutoSizeMode mode);
    // Fits columns first..last to their widest text, fixed cells included.
    void autoSize(int firstCol, int lastCol);

    // The current cell; -1 where there is none.
    int row() const;
    int col() const;
    void setCurrentCell(int row, int col);
    // The cell under the mouse pointer; -1 where there is none, 0 for the header row.
    int mouseRow() const;
    int mouseCol() const;

    // Options of the grid as a window builds it.
    void setSortOnHeaderClick(bool on);
    void setTypeAhead(bool on);
    void setUserResize(bool columns, bool rows);
    // The milliseconds clock that times the pause ending a type-ahead prefix (tests replace it).
    void setTypeAheadClock(std::function<qint64()> msecs);

    // Draws what the grid holds now, ending a fill.
    void refresh();

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

signals:
    // After the current cell moved, by mouse, keyboard or a change of the grid's rows.
    void rowColChanged(int oldRow, int oldCol, int newRow, int newCol);
    void dblClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitRowsToFont();
    void restructure(const std::function<void()> &change, bool followRecord = false);
    void moveCurrentTo(int row, int col);
    void syncHeaders();
    void trackMouse(QWidget *source, QPoint pos, QEvent::Type type);
    void headerClicked(int col);
    void typeAhead(const QString &prefix);

    std::unique_ptr<DataGridModel> m_model;
    struct State;
    std::unique_ptr<State> d;
};
