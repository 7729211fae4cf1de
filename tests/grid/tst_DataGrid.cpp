#include "DataGrid.h"
#include "GridFixture.h"
#include "TestRegistry.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

// What a grid holds and shows: its states, its cells, formats, alignment, fitted widths and
// fixed columns.
class tst_DataGrid : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void states_data();
    void states();
    void addItemCells_data();
    void addItemCells();
    void rowCounts_data();
    void rowCounts();
    void setTextMatrix();
    void displayFormat();
    void alignment_data();
    void alignment();
    void fixedColumnsStayInPlace();
    void userResize_data();
    void userResize();
    void autoSizeFitsWidestText_data();
    void autoSizeFitsWidestText();
    void hundredThousandRows();
};

void tst_DataGrid::states_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("headerShown");
    QTest::addColumn<int>("viewRows");
    QTest::addColumn<QString>("firstShown");

    QTest::newRow("no rows") << QStringList() << 0 << 0 << false << 0 << QString();
    QTest::newRow("a fixed row makes an empty header")
        << QStringList() << 1 << 1 << true << 0 << QString();
    QTest::newRow("header only") << QStringList { "Name\tCity" } << 1 << 1 << true << 0
                                 << QString();
    QTest::newRow("fixed header over data")
        << QStringList { "Name\tCity", "Acme\tSalem", "Baker\tBend" } << 1 << 3 << true << 2
        << "Acme";
    QTest::newRow("no fixed row: all data")
        << QStringList { "Name\tCity", "Acme\tSalem" } << 0 << 2 << false << 2 << "Name";
}

void tst_DataGrid::states()
{
    QFETCH(QStringList, lines);
    QFETCH(int, fixedRows);
    QFETCH(int, viewRows);
    DataGrid grid;
    watchModel(grid);
    grid.setCols(2);
    for (const QString &line : lines)
        grid.addItem(line);
    grid.setFixedRows(fixedRows);
    grid.refresh();
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QTEST(grid.rows(), "rows");
    QCOMPARE(grid.fixedRows(), fixedRows);
    QTEST(grid.horizontalHeader()->isVisible(), "headerShown");
    QCOMPARE(grid.model()->rowCount(), viewRows);
    if (viewRows > 0)
        QTEST(grid.model()->index(0, 0).data().toString(), "firstShown");
    if (!lines.isEmpty() && grid.horizontalHeader()->isVisible())
        QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QString("City"));
}

void tst_DataGrid::addItemCells_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("one per column") << 3 << "a\tb\tc" << QStringList { "a", "b", "c" };
    QTest::newRow("missing cells empty") << 3 << "a" << QStringList { "a", "", "" };
    QTest::newRow("extra cells dropped") << 2 << "a\tb\tc\td" << QStringList { "a", "b" };
    QTest::newRow("empty line") << 2 << "" << QStringList { "", "" };
    QTest::newRow("empty cells kept in place") << 3 << "\t\tc" << QStringList { "", "", "c" };
    QTest::newRow("trailing tab") << 3 << "a\t" << QStringList { "a", "", "" };
    QTest::newRow("blanks kept") << 2 << " a \t b" << QStringList { " a ", " b" };
}

void tst_DataGrid::addItemCells()
{
    QFETCH(int, cols);
    QFETCH(QString, line);
    QFETCH(QStringList, cells);
    DataGrid grid;
    grid.setCols(cols);
    grid.addItem(line);
    // As UTF-8: kept in Latin-1 (the first three) or not (the last).
    const QStringList leads { "", "é", QString("ÿ") + QChar(0x80), "Ł" };
    for (const QString &lead : leads)
        grid.addUtf8Item((lead + line).toUtf8());
    QCOMPARE(grid.rows(), 1 + leads.size());
    for (int row = 0; row < grid.rows(); ++row)
        for (int col = 0; col < cols; ++col)
            QCOMPARE(grid.textMatrix(row, col),
                col == 0 && row > 0 ? leads[row - 1] + cells[col] : cells[col]);
    // A dropped cell does not come back when the grid gets more columns.
    grid.setCols(cols + 1);
    QCOMPARE(grid.textMatrix(0, cols), QString());
    QCOMPARE(grid.textMatrix(1, cols), QString());
    // An edit of a row kept as bytes takes any text and leaves the other cells alone.
    grid.setTextMatrix(1, cols, "ß");
    QCOMPARE(grid.textMatrix(1, cols), QString("ß"));
    for (int col = 0; col < cols; ++col)
        QCOMPARE(grid.textMatrix(1, col), cells[col]);
}

void tst_DataGrid::rowCounts_data()
{
    QTest::addColumn<int>("newRows");
    QTest::addColumn<int>("expectedFixed");
    QTest::addColumn<QStringList>("firstColumn");

    QTest::newRow("more rows appended empty") << 5 << 1 << QStringList { "h", "a", "b", "", "" };
    QTest::newRow("fewer drop the last") << 2 << 1 << QStringList { "h", "a" };
    QTest::newRow("header alone") << 1 << 1 << QStringList { "h" };
    QTest::newRow("none lowers the fixed row") << 0 << 0 << QStringList();
}

void tst_DataGrid::rowCounts()
{
    QFETCH(int, newRows);
    QFETCH(QStringList, firstColumn);
    DataGrid grid;
    watchModel(grid);
    grid.setCols(1);
    for (const char *text : { "h", "a", "b" })
        grid.addItem(QString::fromLatin1(text));
    grid.setFixedRows(1);
    grid.setRows(newRows);
    QCOMPARE(grid.rows(), newRows);
    QTEST(grid.fixedRows(), "expectedFixed");
    for (int row = 0; row < newRows; ++row)
        QCOMPARE(grid.textMatrix(row, 0), firstColumn[row]);
    grid.refresh();
    QCOMPARE(grid.model()->rowCount(), std::max(newRows - 1, 0));
}

void tst_DataGrid::setTextMatrix()
{
    DataGrid grid;
    grid.setCols(3);
    grid.addItem("a\tb\tc");
    grid.setTextMatrix(0, 1, "two\twords");
    grid.setTextMatrix(0, 7, "ignored");
    grid.setTextMatrix(4, 0, "ignored");
    QCOMPARE(grid.textMatrix(0, 0), QString("a"));
    QCOMPARE(grid.textMatrix(0, 1), QString("two\twords"));
    QCOMPARE(grid.textMatrix(0, 2), QString("c"));
    QCOMPARE(grid.textMatrix(0, 7), QString());
    QCOMPARE(grid.textMatrix(4, 0), QString());
}

void tst_DataGrid::displayFormat()
{
    auto grid = filledGrid({ "Brand\tPayment", "K\t1234.5", "P\t", "Z\tn/a" }, 2);
    grid->setColFormat(1, "$#,###.##");
    QCOMPARE(grid->textMatrix(1, 1), QString("1234.5"));
    QCOMPARE(grid->displayText(1, 1), QString("$1,234.5"));
    QCOMPARE(grid->model()->index(0, 1).data().toString(), QString("$1,234.5"));
    QCOMPARE(grid->displayText(2, 1), QString());
    QCOMPARE(grid->displayText(3, 1), QString("n/a"));
    QCOMPARE(grid->displayText(0, 1), QString("Payment"));
    QCOMPARE(grid->displayText(1, 0), QString("K"));
}

void tst_DataGrid::alignment_data()
{
    QTest::addColumn<int>("fixedCols");
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("header");
    QTest::addColumn<int>("expected");

    const int vcentre = Qt::AlignVCenter;
    const int right = Qt::AlignRight;
    const int left = Qt::AlignLeft;
    // Column 0 was given left-top, column 1 centred; their fixed cells right, and column 2
    // nothing: numbers go right, text left.
    QTest::newRow("data cell") << 0 << 1 << false << int(Qt::AlignCenter);
    QTest::newRow("header cell") << 0 << 1 << true << (right | vcentre);
    QTest::newRow("explicit vertical kept") << 0 << 0 << false << int(Qt::AlignLeft | Qt::AlignTop);
    QTest::newRow("fixed column data cell") << 2 << 1 << false << (right | vcentre);
    QTest::newRow("general number") << 0 << 2 << false << (right | vcentre);
    QTest::newRow("general text header") << 0 << 2 << true << (left | vcentre);
}

void tst_DataGrid::alignment()
{
    QFETCH(int, fixedCols);
    QFETCH(int, col);
    QFETCH(bool, header);
    auto grid = filledGrid({ "A\tB\tC", "x\ty\t42" }, 3, fixedCols);
    grid->setColAlignment(0, Qt::AlignLeft | Qt::AlignTop);
    grid->setColAlignment(1, Qt::AlignCenter);
    for (int c : { 0, 1 })
        grid->setFixedAlignment(c, Qt::AlignRight);
    const QAbstractItemModel *model = grid->model();
    const QVariant alignment = header
        ? model->headerData(col, Qt::Horizontal, Qt::TextAlignmentRole)
        : model->index(0, col).data(Qt::TextAlignmentRole);
    QTEST(alignment.toInt(), "expected");
}

void tst_DataGrid::fixedColumnsStayInPlace()
{
    QStringList lines { "Brand\tModel\tSerial\tProvider\tNotes\tID" };
    for (int i = 1; i <= 30; ++i)
        lines << QString("Brand %1\tModel %1\tSN-%1\tProvider %1\t%2\t%1")
                     .arg(i)
                     .arg(QString(60, 'n'));
    auto grid = filledGrid(lines, 6, 2);
    auto *frozen = grid->findChild<QTableView *>("fixedColumns");
    QVERIFY(frozen && frozen->isVisible());
    QCOMPARE(frozen->width(), grid->columnWidth(0) + grid->columnWidth(1));
    QCOMPARE(frozen->mapTo(grid.get(), QPoint(0, 0)).x(), grid->viewport()->x());
    QVERIFY(frozen->isColumnHidden(2));
    QVERIFY(!frozen->isColumnHidden(1));

    // Scrolled fully to the right the scrolling columns move, the fixed ones do not.
    QScrollBar *sideways = grid->horizontalScrollBar();
    QVERIFY(sideways->maximum() > 0);
    sideways->setValue(sideways->maximum());
    QVERIFY(grid->columnAt(frozen->width() + 1) > 2);
    QCOMPARE(frozen->columnAt(1), 0);
    QCOMPARE(frozen->columnAt(frozen->width() - 1), 1);

    // Down and up together.
    grid->verticalScrollBar()->setValue(10);
    QCOMPARE(frozen->verticalScrollBar()->value(), 10);
    QCOMPARE(frozen->rowAt(1), grid->rowAt(1));

    // Moving to a scrolling column puts it beside the fixed ones, not under them.
    grid->setCurrentCell(11, 2);
    QCOMPARE(grid->columnViewportPosition(2), frozen->width());

    // A click on a fixed cell makes it current like any other.
    QTest::mouseClick(frozen->viewport(), Qt::LeftButton, {}, cellCentre(*frozen, 12, 1));
    QCOMPARE(grid->row(), 12);
    QCOMPARE(grid->col(), 1);

    grid->setFixedCols(0);
    QVERIFY(!frozen->isVisible());
}

void tst_DataGrid::userResize_data()
{
    QTest::addColumn<bool>("columns");
    QTest::addColumn<bool>("rows");
    QTest::newRow("both") << true << true;
    QTest::newRow("columns only") << true << false;
    QTest::newRow("neither") << false << false;
}

void tst_DataGrid::userResize()
{
    QFETCH(bool, columns);
    QFETCH(bool, rows);
    auto grid = filledGrid({ "A\tB", "1\t2", "3\t4" }, 2, 1);
    grid->setUserResize(columns, rows);
    auto *frozen = grid->findChild<QTableView *>("fixedColumns");
    const auto expected
        = [](bool on) { return on ? QHeaderView::Interactive : QHeaderView::Fixed; };
    QCOMPARE(grid->horizontalHeader()->sectionResizeMode(1), expected(columns));
    QCOMPARE(frozen->horizontalHeader()->sectionResizeMode(0), expected(columns));
    QCOMPARE(grid->verticalHeader()->sectionResizeMode(0), expected(rows));
    // Rows are resized by their header's handles: it shows, slim, only when they may be.
    QCOMPARE(grid->verticalHeader()->isVisible(), rows);
    if (rows)
        QVERIFY(grid->verticalHeader()->width() < 16);
    // The fixed columns move with the cells beside the row header.
    QCOMPARE(frozen->mapTo(grid.get(), QPoint(0, 0)).x(), grid->viewport()->x());
}

void tst_DataGrid::autoSizeFitsWidestText_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("widest");

    QTest::newRow("header widest")
        << QStringList { "A long header text", "x", "y" } << QString() << "A long header text";
    QTest::newRow("cell widest") << QStringList { "H", "short", "a much longer cell text", "mid" }
                                 << QString() << "a much longer cell text";
    QTest::newRow("widest is the shown text")
        << QStringList { "P", "1234567.5", "12" } << "$#,###.##"
        << "$1,234,567.5";
    QTest::newRow("Latin-1 letters by their own advances")
        << QStringList { "H", "short", "ÆÆÆÆÆÆÆÆÆÆÆÆ" } << QString() << "ÆÆÆÆÆÆÆÆÆÆÆÆ";
    QTest::newRow("longest line of several")
        << QStringList { "H", "ab\na rather long line\nc" } << QString() << "a rather long line";
}

void tst_DataGrid::autoSizeFitsWidestText()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, format);
    QFETCH(QString, widest);
    DataGrid grid;
    grid.setCols(2);
    for (const QString &line : lines)
        grid.addUtf8Item((line + "\tx").toUtf8());
    grid.setColFormat(0, format);
    grid.setFixedRows(1);
    grid.setAutoSizeMode(DataGrid::SizeColumns);
    grid.autoSize(0, 1);
    const int needed = grid.fontMetrics().horizontalAdvance(widest);
    QVERIFY2(grid.columnWidth(0) > needed,
        qPrintable(QString("%1 <= %2").arg(grid.columnWidth(0)).arg(needed)));
    QVERIFY(grid.columnWidth(0) < needed + 40);
    QVERIFY(grid.columnWidth(0) > grid.columnWidth(1));
}

void tst_DataGrid::hundredThousandRows()
{
    constexpr int Rows = 100000;
    constexpr int Cols = 19;
    DataGrid grid;
    grid.setCols(Cols);
    QStringList header;
    for (int c = 0; c < Cols; ++c)
        header << QString("Column %1").arg(c);
    grid.addItem(header.join('\t'));
    for (int r = 1; r <= Rows; ++r) {
        QStringList cells;
        for (int c = 0; c < Cols; ++c)
            cells << QString("r%1c%2").arg(r).arg(c);
        if (r == 77777)
            cells[5] = QString(80, 'W');
        grid.addItem(cells.join('\t'));
    }
    grid.autoSize(0, Cols - 1);
    grid.setFixedRows(1);
    grid.refresh();

    QCOMPARE(grid.rows(), Rows + 1);
    QCOMPARE(grid.model()->rowCount(), Rows);
    QCOMPARE(grid.textMatrix(0, 18), QString("Column 18"));
    QCOMPARE(grid.textMatrix(1, 0), QString("r1c0"));
    QCOMPARE(grid.textMatrix(54321, 7), QString("r54321c7"));
    QCOMPARE(grid.textMatrix(Rows, 18), QString("r100000c18"));
    QCOMPARE(grid.model()->index(Rows - 1, 3).data().toString(), QString("r100000c3"));
    QVERIFY(grid.columnWidth(5) > grid.fontMetrics().horizontalAdvance(QString(80, 'W')));
    QVERIFY(grid.columnWidth(4) < grid.columnWidth(5) / 3);
}

CORVANE_TEST(tst_DataGrid)
#include "tst_DataGrid.moc"
