#include "NavigatorLayout.h"
#include "TestRegistry.h"

#include <QTest>

class tst_NavigatorLayout : public QObject
{
    Q_OBJECT
private slots:
    void resize_data();
    void resize();
    void gridsShareOneWidth();
};

namespace {
const double F1 = 2295;
}

// Each row: the outer size, then the expected frame widths, grid widths, Frame2 and
// vsfgCustomers heights, Frame3 top and height, vsfgEquipment height, Frame4 top.
void tst_NavigatorLayout::resize_data()
{
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("frameWidth");
    QTest::addColumn<double>("gridWidth");
    QTest::addColumn<double>("frame2Height");
    QTest::addColumn<double>("customersHeight");
    QTest::addColumn<double>("frame3Top");
    QTest::addColumn<double>("frame3Height");
    QTest::addColumn<double>("equipmentHeight");
    QTest::addColumn<double>("frame4Top");

    QTest::newRow("roomy") << 10000.0 << 8000.0 << 9700.0 << 9500.0 << 1862.0 << 1562.0 << 4362.0
                           << 1516.5 << 1216.5 << 5978.5;
    QTest::newRow("300 wide: no width changes")
        << 300.0 << 8000.0 << 11175.0 << 10935.0 << 1862.0 << 1562.0 << 4362.0 << 1516.5 << 1216.5
        << 5978.5;
    QTest::newRow("frames too narrow for grids")
        << 450.0 << 8000.0 << 150.0 << 10935.0 << 1862.0 << 1562.0 << 4362.0 << 1516.5 << 1216.5
        << 5978.5;
    QTest::newRow("height F1+1050: no height or top changes")
        << 10000.0 << F1 + 1050 << 9700.0 << 9500.0 << 2775.0 << 2415.0 << 5280.0 << 1455.0
        << 1095.0 << 6840.0;
    QTest::newRow("customers frame at 700 keeps its grid")
        << 10000.0 << F1 + 1050 + 1750 << 9700.0 << 9500.0 << 700.0 << 2415.0 << 3200.0 << 645.0
        << 345.0 << 3945.0;
    QTest::newRow("lower frames at 600 keep their grids")
        << 10000.0 << F1 + 650 + 2000 << 9700.0 << 9500.0 << 640.0 << 2415.0 << 3140.0 << 600.0
        << 1095.0 << 3840.0;
}

void tst_NavigatorLayout::resize()
{
    QFETCH(double, w);
    QFETCH(double, h);
    const NavigatorLayout designed = NavigatorLayout::designed();
    const NavigatorLayout l = resizedLayout(designed, w, h, F1);

    QTEST(l.customersFrame.width(), "frameWidth");
    QTEST(l.equipmentFrame.width(), "frameWidth");
    QTEST(l.telemarketFrame.width(), "frameWidth");
    QTEST(l.customersGrid.width(), "gridWidth");
    QTEST(l.customersFrame.height(), "frame2Height");
    QTEST(l.customersGrid.height(), "customersHeight");
    QTEST(l.equipmentFrame.top(), "frame3Top");
    QTEST(l.equipmentFrame.height(), "frame3Height");
    QTEST(l.equipmentGrid.height(), "equipmentHeight");
    QTEST(l.telemarketFrame.top(), "frame4Top");
    QTEST(l.telemarketFrame.height(), "frame3Height");
    QTEST(l.telemarketGrid.height(), "equipmentHeight");

    // What the resize never moves.
    QCOMPARE(l.customersFrame.topLeft(), designed.customersFrame.topLeft());
    for (const QRectF *grid : {&l.customersGrid, &l.equipmentGrid, &l.telemarketGrid})
        QCOMPARE(grid->topLeft(), QPointF(120, 240));
    QCOMPARE(l.equipmentFrame.left(), 120.0);
    QCOMPARE(l.telemarketFrame.left(), 120.0);
}

void tst_NavigatorLayout::gridsShareOneWidth()
{
    NavigatorLayout l = NavigatorLayout::designed();
    for (double w : {9000.0, 12000.0, 400.0, 15000.0}) {
        l = resizedLayout(l, w, 9000, F1);
        QCOMPARE(l.equipmentGrid.width(), l.customersGrid.width());
        QCOMPARE(l.telemarketGrid.width(), l.customersGrid.width());
    }
    // The last width that fitted stays after a too-narrow resize.
    QCOMPARE(l.customersGrid.width(), 15000.0 - 500);
}

CORVANE_TEST(tst_NavigatorLayout)
#include "tst_NavigatorLayout.moc"
