#include "GridRowStore.h"
#include "TestRegistry.h"

#include <QTest>

// The grid's rows as the store keeps them: cells read back as they were given, whichever way a
// row came in, whatever its characters, after a cell was set and after rows were handed over
// and reordered.
class tst_GridRowStore : public QObject
{
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void handedOverInOrder();
};

namespace {

// Every cell of a row, through each way of reading it: one at a time, all in one pass, the
// whole row.
QStringList readBack(const GridRowStore &store, int row, int columns)
{
    QStringList one;
    for (int c = 0; c < columns; ++c)
        one << store.cell(row, c);
    QString buffer;
    std::vector<QStringView> views(static_cast<size_t>(columns));
    store.cells(row, 0, columns, buffer, views.data());
    QStringList pass;
    for (QStringView view : views)
        pass << view.toString();
    QStringList line = store.line(row).split(QLatin1Char('\t'));
    while (line.size() < columns)
        line << QString();
    const bool same
        = one == pass && (one.join(QString()).contains(QLatin1Char('\t')) || one == line);
    return same ? one : QStringList { "read back differently:", one.join('|'), pass.join('|') };
}

} // namespace

void tst_GridRowStore::cells_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("maxCells");
    QTest::addColumn<int>("setCol"); // -1: no cell set
    QTest::addColumn<QString>("setText");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("plain") << "Acme\tSalem\t5" << 3 << -1 << QString()
                           << QStringList { "Acme", "Salem", "5" };
    QTest::newRow("cells beyond the columns dropped")
        << "Acme\tSalem\t5" << 2 << -1 << QString() << QStringList { "Acme", "Salem", "" };
    QTest::newRow("empty cells keep their places")
        << "\t\tx" << 3 << -1 << QString() << QStringList { "", "", "x" };
    QTest::newRow("letters beyond Latin-1")
        << QString::fromUtf8("Zürich\t東京\t😀 Ltd") << 3 << -1 << QString()
        << QStringList { QString::fromUtf8("Zürich"), QString::fromUtf8("東京"),
               QString::fromUtf8("😀 Ltd") };
    QTest::newRow("a cell set with a tab and a line break")
        << "a\tb\tc" << 3 << 1 << "x\ty\nz" << QStringList { "a", "x\ty\nz", "c" };
    QTest::newRow("a cell set beyond the row's cells")
        << "a" << 3 << 2 << QString::fromUtf8("é")
        << QStringList { "a", "", QString::fromUtf8("é") };
}

void tst_GridRowStore::cells()
{
    QFETCH(QString, line);
    QFETCH(int, maxCells);
    QFETCH(int, setCol);
    QFETCH(QString, setText);
    QFETCH(QStringList, expected);

    // The windows add rows as text, a search as the engine's UTF-8: both keep the same cells.
    GridRowStore store;
    store.append(line, maxCells);
    store.appendUtf8(line.toUtf8(), maxCells);
    for (int row = 0; row < 2; ++row) {
        if (setCol >= 0)
            store.setCell(row, setCol, setText);
        QCOMPARE(readBack(store, row, 3), expected);
    }
}

void tst_GridRowStore::handedOverInOrder()
{
    GridRowStore grid;
    grid.append(u"Customer\tCity", 2);
    GridRowStore found;
    for (const char *row : { "Baker\tBend\tx", "acme\tSalem\tx", "Carter\t\tx" })
        found.appendUtf8(row, 3);
    found.reorder(0, { 1, 0, 2 });
    grid.splice(std::move(found));
    QCOMPARE(found.size(), 0);
    // Rows added afterwards go after the ones handed over, and fewer columns cut every row.
    grid.append(u"Dunn\tDover", 2);
    grid.truncate(2);
    QStringList lines;
    for (int row = 0; row < grid.size(); ++row)
        lines << grid.line(row);
    QCOMPARE(lines,
        QStringList({ "Customer\tCity", "acme\tSalem", "Baker\tBend", "Carter\t", "Dunn\tDover" }));
    grid.resize(0);
    QCOMPARE(grid.bytes(), 0);
}

CORVANE_TEST(tst_GridRowStore)
#include "tst_GridRowStore.moc"
