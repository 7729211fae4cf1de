#include "GridFixture.h"

#include "DataGrid.h"

#include <QAbstractItemModelTester>
#include <QTest>

void watchModel(DataGrid &grid)
{
    // Parented to the grid, it checks every change of the model for as long as the grid lives.
    new QAbstractItemModelTester(
        grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest, &grid);
}

std::unique_ptr<DataGrid> filledGrid(const QStringList &lines, int cols, int fixedCols)
{
    auto grid = std::make_unique<DataGrid>();
    watchModel(*grid);
    grid->resize(420, 220);
    grid->setRows(0);
    grid->setCols(cols);
    grid->setFixedCols(fixedCols);
    grid->beginFill();
    // Every other row as the database gives it, in UTF-8: kept in Latin-1 when it can be, so
    // that sorting and fitting meet both kinds of row side by side.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i % 2)
            grid->addUtf8Item(lines[i].toUtf8());
        else
            grid->addItem(lines[i]);
    }
    grid->autoSize(0, cols - 1);
    grid->setFixedRows(1);
    grid->refresh();
    grid->show();
    if (!QTest::qWaitForWindowExposed(grid.get()))
        qWarning("grid window not exposed");
    // Shown alone the grid takes the focus, and with it a current cell; in a window the focus
    // starts elsewhere.
    grid->clearFocus();
    grid->setCurrentCell(-1, -1);
    return grid;
}
