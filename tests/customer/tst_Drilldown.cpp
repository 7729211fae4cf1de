#include "CustomerFixture.h"
#include "DataGrid.h"
#include "MDI.h"
#include "TestRegistry.h"
#include "frmCustomerEntry.h"
#include "frmNavigator.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The navigator's customer grid: moving to a customer shows its machines and calls, a
// double-click opens the customer window on it.
class tst_Drilldown : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rowChangeFillsBothGrids();
    void paymentFormat_data();
    void paymentFormat();
    void doubleClickOpensTheCustomer_data();
    void doubleClickOpensTheCustomer();

private:
    std::unique_ptr<CustomerFixture> m_fx;
    frmNavigator *m_nav = nullptr;
};

void tst_Drilldown::init()
{
    m_fx = std::make_unique<CustomerFixture>();
    TempDatabase &db = m_fx->db();
    db.addCustomer("Acme", { { "Address1", "1 Main St" } });
    db.addCustomer("Baker's");
    db.addCustomer("Empty");
    db.addMachine("Acme",
        { { "Brand", "Xerox" }, { "Model", "A" }, { "SN", "2" }, { "DatePurchased", "2003-04-05" },
            { "Satisfied", "No" }, { "DateEntered", "2004-01-01 00:00:00" } });
    db.addMachine("Acme",
        { { "Brand", "Canon" }, { "Model", "B" }, { "SN", "9" }, { "DateLeased", "2004-01-05" },
            { "LeaseTerm", "36" }, { "LeaseEnds", "2007-01-05" }, { "MonthlyPayment", 1234.5 },
            { "Satisfied", "Yes" }, { "DateEntered", "2005-01-01 08:00:00" } });
    db.addMachine("Acme", { { "Brand", "Canon" }, { "Model", "A" }, { "SN", "5" } });
    db.addMachine("Baker's", { { "Brand", "Sharp" }, { "MonthlyPayment", 0.5 } });
    db.addCall("Acme", { { "DateofCall", "2006-06-01" }, { "Telemarketer", "Lee" } });
    db.addCall("Acme", { { "DateofCall", "2006-06-01" }, { "Telemarketer", "Kim" } });
    db.addCall("Acme", { { "DateofCall", "2005-01-01" }, { "Telemarketer", "Zed" } });
    m_nav = m_fx->main().registry().open<frmNavigator>();
    QTest::mouseClick(m_nav->btnFind, Qt::LeftButton);
}

void tst_Drilldown::cleanup()
{
    m_fx.reset();
}

void tst_Drilldown::rowChangeFillsBothGrids()
{
    clickCell(*m_nav->vsfgCustomers, 1, 0);
    const DataGrid &machines = *m_nav->vsfgEquipment;
    QCOMPARE(gridHeaders(machines),
        (QStringList { "Brand", "Model", "Serial No.", "Provider", "Date Purchased", "Date Leased",
            "Lease Term", "Lease Ends", "Monthy Volume", "Monthly Payment", "Satisfied", "Notes",
            "Date Entered", "ID" }));
    // By brand, model and serial number; a machine without a lease has empty lease cells.
    QStringList brands;
    for (const QString &row : gridRows(machines))
        brands << row.section('|', 0, 2);
    QCOMPARE(brands, (QStringList { "Canon|A|5", "Canon|B|9", "Xerox|A|2" }));
    QCOMPARE(gridRows(machines).at(2), QString("Xerox|A|2||4/5/2003||||||No||1/1/2004|1"));
    QCOMPARE(machines.fixedCols(), 0);

    const DataGrid &calls = *m_nav->vsfgTelemarket;
    QCOMPARE(gridHeaders(calls),
        (QStringList {
            "Date of Call", "Telemarketer", "Next Call Back", "Interest", "Date Entered", "ID" }));
    QStringList callers;
    for (const QString &row : gridRows(calls))
        callers << row.section('|', 0, 1);
    QCOMPARE(callers, (QStringList { "1/1/2005|Zed", "6/1/2006|Kim", "6/1/2006|Lee" }));

    // No current row (the header row cannot be current): the details stay.
    const QStringList shown = gridRows(machines);
    m_nav->vsfgCustomers->setCurrentCell(0, 0);
    QCOMPARE(m_nav->vsfgCustomers->row(), -1);
    QCOMPARE(gridRows(machines), shown);
    QCOMPARE(calls.rows(), 4);

    // A customer with nothing: headers only, fitted to the header texts.
    clickCell(*m_nav->vsfgCustomers, 3, 0);
    QCOMPARE(m_nav->vsfgCustomers->textMatrix(m_nav->vsfgCustomers->row(), 0), QString("Empty"));
    QCOMPARE(machines.rows(), 1);
    QCOMPARE(calls.rows(), 1);
    QVERIFY(machines.columnWidth(9) >= machines.fontMetrics().horizontalAdvance("Monthly Payment"));
}

void tst_Drilldown::paymentFormat_data()
{
    QTest::addColumn<int>("customerRow");
    QTest::addColumn<int>("machineRow");
    QTest::addColumn<QString>("shown");
    QTest::newRow("thousands") << 1 << 2 << "$1,234.5";
    QTest::newRow("no payment") << 1 << 1 << "";
    QTest::newRow("under one") << 2 << 1 << "$.5";
}

void tst_Drilldown::paymentFormat()
{
    QFETCH(int, customerRow);
    QFETCH(int, machineRow);
    QFETCH(QString, shown);
    clickCell(*m_nav->vsfgCustomers, customerRow, 0);
    QCOMPARE(m_nav->vsfgEquipment->displayText(machineRow, 9), shown);
    // Only the payment takes the format; "Satisfied" shows what is stored.
    QVERIFY(!m_nav->vsfgEquipment->displayText(machineRow, 10).startsWith('$'));
}

void tst_Drilldown::doubleClickOpensTheCustomer_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("name");
    QTest::newRow("customer row") << "row"
                                  << "Baker's";
    QTest::newRow("header row") << "header"
                                << "";
    QTest::newRow("below the last row") << "empty"
                                        << "";
    QTest::newRow("window open on another customer") << "reuse"
                                                     << "Baker's";
    QTest::newRow("Enter on a customer row") << "enter"
                                             << "Baker's";
}

void tst_Drilldown::doubleClickOpensTheCustomer()
{
    QFETCH(QString, where);
    QFETCH(QString, name);
    DataGrid &grid = *m_nav->vsfgCustomers;
    frmCustomerEntry *open = nullptr;
    if (where == "reuse" || where == "enter") {
        open = m_fx->openOn("Acme");
        CustomerFixture::typeInto(open->txtFax, "dropped");
    }
    clickCell(grid, 2, 0);
    if (where == "row" || where == "reuse") {
        clickCell(grid, 2, 0, true);
    } else if (where == "enter") {
        QTest::keyClick(&grid, Qt::Key_Return);
    } else if (where == "header") {
        const QPoint at(grid.horizontalHeader()->sectionViewportPosition(0) + 5, 5);
        QTest::mouseDClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {}, at);
    } else {
        m_nav->parentWidget()->showMaximized();
        QApplication::processEvents();
        const int last = grid.model()->rowCount() - 1;
        const QPoint below(5, grid.rowViewportPosition(last) + grid.rowHeight(last) + 3);
        QVERIFY(below.y() < grid.viewport()->height());
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, below);
    }
    auto *form = m_fx->main().registry().find<frmCustomerEntry>();
    QVERIFY(form);
    if (open)
        QCOMPARE(form, open);
    // In front, also where it was open behind the navigator.
    QCOMPARE(m_fx->main().area()->activeSubWindow()->widget(), form);
    QCOMPARE(form->cmbCustomer->currentText(), name);
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit"));
    if (name.isEmpty()) {
        QCOMPARE(form->vsfgEquipment->rows(), 0);
    } else {
        QVERIFY(form->txtFax->text().isEmpty());
        QCOMPARE(gridRows(*form->vsfgEquipment).size(), 1);
    }
    int entryWindows = 0;
    for (QMdiSubWindow *frame : m_fx->main().area()->subWindowList())
        entryWindows += qobject_cast<frmCustomerEntry *>(frame->widget()) != nullptr;
    QCOMPARE(entryWindows, 1);
}

CORVANE_TEST(tst_Drilldown)
#include "tst_Drilldown.moc"
