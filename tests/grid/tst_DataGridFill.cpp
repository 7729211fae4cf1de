#include "DataGrid.h"
#include "GridFixture.h"
#include "TestRegistry.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

// How a fill reaches the view: once, when it ends, without waiting for the event loop; the
// rows' height; the fixed columns following the grid's selection rules.
class tst_DataGridFill : public QObject
{
    Q_OBJECT
private slots:
    void fillShownOnceAtItsEnd_data();
    void fillShownOnceAtItsEnd();
    void emptyingEndsAFill();
    void rowsAsTallAsTheirText();
    void fixedColumnsFollowSelectionRules_data();
    void fixedColumnsFollowSelectionRules();
};

namespace {

QStringList lines(int count)
{
    QStringList all { "Name\tCity" };
    for (int i = 1; i <= count; ++i)
        all << QString("Name %1\tCity %2").arg(i).arg(count - i);
    return all;
}

} // namespace

void tst_DataGridFill::fillShownOnceAtItsEnd_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("repaint") << "refresh";
    QTest::newRow("current cell set") << "current";
    QTest::newRow("sorted") << "sort";
    QTest::newRow("rows fitted") << "fitRows";
}

void tst_DataGridFill::fillShownOnceAtItsEnd()
{
    QFETCH(QString, end);
    DataGrid grid;
    watchModel(grid);
    grid.setCols(2);
    grid.addItem("old\trow");
    grid.refresh();
    grid.setRows(0);

    QSignalSpy inserted(grid.model(), &QAbstractItemModel::rowsInserted);
    grid.beginFill();
    for (const QString &line : lines(50))
        grid.addItem(line);
    grid.setFixedRows(1);
    // Everything the window reads is there at once; the view has heard nothing yet.
    QCOMPARE(grid.rows(), 51);
    QCOMPARE(grid.textMatrix(50, 0), QString("Name 50"));
    QCOMPARE(grid.model()->rowCount(), 0);
    QCOMPARE(inserted.size(), 0);

    if (end == "refresh") {
        grid.refresh();
    } else if (end == "current") {
        grid.setCurrentCell(50, 1);
        QCOMPARE(grid.row(), 50);
    } else if (end == "sort") {
        grid.model()->sort(1, Qt::AscendingOrder);
        QCOMPARE(grid.textMatrix(1, 1), QString("City 0"));
    } else {
        grid.setAutoSizeMode(DataGrid::SizeRows);
        grid.autoSize(0, 1);
    }
    QCOMPARE(grid.model()->rowCount(), 50);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted[0][1].toInt(), 0);
    QCOMPARE(inserted[0][2].toInt(), 49);
    // The fill is over: a row added now shows at once.
    grid.addItem("late\trow");
    QCOMPARE(grid.model()->rowCount(), 51);
    QCOMPARE(inserted.size(), 2);
}

void tst_DataGridFill::emptyingEndsAFill()
{
    // A fill cut short (the database failed half-way) is over once the grid is emptied.
    DataGrid grid;
    watchModel(grid);
    grid.setCols(2);
    grid.beginFill();
    for (const QString &line : lines(3))
        grid.addItem(line);
    grid.setRows(1);
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.model()->rowCount(), 0);
    grid.setRows(0);
    grid.addItem("Name\tCity");
    QCOMPARE(grid.model()->rowCount(), 1);
    // Also when it was cut short before its first row.
    grid.setRows(0);
    grid.beginFill();
    grid.setRows(0);
    grid.addItem("Name\tCity");
    QCOMPARE(grid.model()->rowCount(), 1);
}

void tst_DataGridFill::rowsAsTallAsTheirText()
{
    auto grid = filledGrid(lines(30), 2, 1);
    auto *frozen = grid->findChild<QTableView *>("fixedColumns");
    const int text = grid->fontMetrics().height();
    QVERIFY2(grid->rowHeight(3) > text && grid->rowHeight(3) <= text + 6,
        qPrintable(QString("row %1, text %2").arg(grid->rowHeight(3)).arg(text)));
    QCOMPARE(frozen->rowHeight(3), grid->rowHeight(3));

    // A larger font makes taller rows, in the fixed columns as well.
    QFont larger = grid->font();
    larger.setPointSize(larger.pointSize() * 2);
    grid->setFont(larger);
    QVERIFY(grid->rowHeight(3) > QFontMetrics(larger).height());
    QCOMPARE(frozen->rowHeight(3), grid->rowHeight(3));
}

void tst_DataGridFill::fixedColumnsFollowSelectionRules_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("behavior");
    QTest::addColumn<int>("selectedCells");

    QTest::newRow("whole rows") << int(QAbstractItemView::SingleSelection)
                                << int(QAbstractItemView::SelectRows) << 3;
    QTest::newRow("single cells") << int(QAbstractItemView::SingleSelection)
                                  << int(QAbstractItemView::SelectItems) << 1;
    QTest::newRow("no selection") << int(QAbstractItemView::NoSelection)
                                  << int(QAbstractItemView::SelectItems) << 0;
}

void tst_DataGridFill::fixedColumnsFollowSelectionRules()
{
    QFETCH(int, mode);
    QFETCH(int, behavior);
    auto grid = filledGrid({ "A\tB\tC", "a1\tb1\tc1", "a2\tb2\tc2" }, 3, 2);
    auto *frozen = grid->findChild<QTableView *>("fixedColumns");
    // Changed after the grid was built, as a window does with its lists.
    grid->setSelectionMode(QAbstractItemView::SelectionMode(mode));
    grid->setSelectionBehavior(QAbstractItemView::SelectionBehavior(behavior));
    QTest::mouseClick(frozen->viewport(), Qt::LeftButton, {}, cellCentre(*frozen, 2, 1));
    QCOMPARE(int(frozen->selectionMode()), mode);
    QCOMPARE(int(frozen->selectionBehavior()), behavior);
    QTEST(int(grid->selectionModel()->selectedIndexes().size()), "selectedCells");
}

CORVANE_TEST(tst_DataGridFill)
#include "tst_DataGridFill.moc"
