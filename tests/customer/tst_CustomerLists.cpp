#include "CustomerFixture.h"
#include "DataGrid.h"
#include "MDI.h"
#include "ScriptedMsgBox.h"
#include "TestRegistry.h"
#include "frmCustomerEntry.h"
#include "frmEquipmentEntry.h"
#include "frmTelemarketEntry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The machine and call lists below the customer's fields, and their buttons.
class tst_CustomerLists : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listsShowTheCustomersRecords();
    void headerRowNamesNoRecord_data();
    void headerRowNamesNoRecord();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void addAndEditHandOverTheRecord();

private:
    std::unique_ptr<CustomerFixture> m_fx;
    qint64 m_canon = 0, m_xerox = 0, m_call = 0;
};

void tst_CustomerLists::init()
{
    m_fx = std::make_unique<CustomerFixture>();
    TempDatabase &db = m_fx->db();
    db.addCustomer("Acme", { { "Address1", "1 Main St" } });
    // Stored later but entered earlier: the lists follow DateEntered, not the ID.
    m_xerox = db.addMachine("Acme",
        { { "Brand", "Xerox" }, { "Model", "W7" }, { "SN", "X1" }, { "Provider", "Dealer" },
            { "DatePurchased", "2003-04-05" }, { "MonthlyVolume", "5000" }, { "Satisfied", "No" },
            { "Notes", "tab\there" }, { "DateEntered", "2005-02-01 00:00:00" } });
    m_canon = db.addMachine("acme",
        { { "Brand", "Canon" }, { "Model", "IR" }, { "SN", "C9" }, { "DateLeased", "2004-01-05" },
            { "LeaseTerm", "36" }, { "LeaseEnds", "2007-01-05" }, { "MonthlyPayment", 1234.5 },
            { "Satisfied", "Yes" }, { "DateEntered", "2004-03-02 14:05:00" } });
    db.addMachine("Other", { { "Brand", "Sharp" } });
    m_call = db.addCall("Acme",
        { { "DateofCall", "2006-06-01" }, { "Telemarketer", "Kim" },
            { "NextCallBack", "2006-12-01" }, { "Interest", "toner" },
            { "DateEntered", "2006-06-01 10:00:00" } });
}

void tst_CustomerLists::cleanup()
{
    m_fx.reset();
}

void tst_CustomerLists::listsShowTheCustomersRecords()
{
    frmCustomerEntry *form = m_fx->openOn("Acme");
    const DataGrid &machines = *form->vsfgEquipment;
    QCOMPARE(gridHeaders(machines),
        (QStringList { "Brand", "Model", "Serial No.", "Provider", "Date Purchased", "Date Leased",
            "Lease Term", "Lease Ends", "Volume", "Payment", "Satisfied", "Notes", "Date Entered",
            "ID" }));
    // Oldest first; a machine without a lease has empty lease cells and keeps its ID last;
    // the payment is a plain number here.
    QCOMPARE(gridRows(machines),
        (QStringList {
            QString("Canon|IR|C9|||1/5/2004|36|1/5/2007||1234.5|Yes||3/2/2004 2:05:00 PM|%1")
                .arg(m_canon),
            QString("Xerox|W7|X1|Dealer|4/5/2003||||5000||No|tab here|2/1/2005|%1")
                .arg(m_xerox) }));
    QCOMPARE(machines.displayText(1, 9), QString("1234.5"));
    QCOMPARE(machines.fixedCols(), 2);

    const DataGrid &calls = *form->vsfgTelemarket;
    QCOMPARE(gridHeaders(calls),
        (QStringList {
            "Date Of Call", "Telemarketer", "Call Back", "Interest", "Date Added", "ID" }));
    QCOMPARE(gridRows(calls),
        QStringList {
            QString("6/1/2006|Kim|12/1/2006|toner|6/1/2006 10:00:00 AM|%1").arg(m_call) });
    QCOMPARE(calls.fixedCols(), 2);
    // Widths fitted to the content: the longest cell is not cut off.
    QVERIFY(machines.columnWidth(12)
        >= machines.fontMetrics().horizontalAdvance("3/2/2004 2:05:00 PM"));

    // The screenshot a reviewer compares with the designed window.
    clickCell(*form->vsfgEquipment, 1, 3);
    m_fx->saveScreenshot("customer-entry.png");
}

void tst_CustomerLists::headerRowNamesNoRecord_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("gridName");
    for (const char *list : { "Equipment", "Telemarket" })
        for (const char *action : { "Edit", "Delete" })
            QTest::addRow("%s %s", action, list)
                << QString("btn%1%2").arg(action, list) << QString("vsfg%1").arg(list);
}

void tst_CustomerLists::headerRowNamesNoRecord()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, gridName);
    frmCustomerEntry *form = m_fx->openOn("Acme");
    auto *grid = form->findChild<DataGrid *>(gridName);
    grid->setCurrentCell(0, 0);
    QCOMPARE(grid->row(), -1);
    const QStringList before = m_fx->tables();
    ScriptedMsgBox messages; // expects none
    QTest::mouseClick(form->findChild<QPushButton *>(buttonName), Qt::LeftButton);
    QVERIFY(messages.shown().isEmpty());
    QCOMPARE(m_fx->tables(), before);
    QCOMPARE(m_fx->main().area()->subWindowList().size(), 1);
}

void tst_CustomerLists::deleteAsksFirst_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("yes");
    const QString question = "Are you sure you want to delete the selected %1?";
    for (bool yes : { false, true }) {
        QTest::addRow("equipment %d", yes) << "Equipment" << question.arg("Equipment") << yes;
        QTest::addRow("call %d", yes) << "Telemarket" << question.arg("Call") << yes;
    }
}

void tst_CustomerLists::deleteAsksFirst()
{
    QFETCH(QString, list);
    QFETCH(QString, question);
    QFETCH(bool, yes);
    frmCustomerEntry *form = m_fx->openOn("Acme");
    CustomerFixture::typeInto(form->txtFax, "unsaved");
    auto *grid = form->findChild<DataGrid *>("vsfg" + list);
    const QStringList before = gridRows(*grid);
    clickCell(*grid, 1, 3);
    QCOMPARE(grid->row(), 1);
    const QString id = grid->textMatrix(1, grid->cols() - 1);
    ScriptedMsgBox messages;
    messages.expect(question, "Delete Confirmation", yes ? MsgBox::Yes : MsgBox::No);
    QTest::mouseClick(form->findChild<QPushButton *>("btnDelete" + list), Qt::LeftButton);
    QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
    const QStringList ids
        = m_fx->column(QString("SELECT ID FROM %1 WHERE ID = ?").arg(list), { id });
    QCOMPARE(ids.size(), yes ? 0 : 1);
    // Refilled: with the last call gone the header row stays alone.
    QCOMPARE(gridRows(*grid), yes ? before.mid(1) : before);
    // The other list and the customer's fields are untouched, and still unsaved.
    QCOMPARE(form->txtFax->text(), QString("unsaved"));
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit *"));
}

void tst_CustomerLists::addAndEditHandOverTheRecord()
{
    frmCustomerEntry *form = m_fx->openFromMenu();
    // With the name box empty Add does nothing.
    QTest::mouseClick(form->btnAddEquipment, Qt::LeftButton);
    QTest::mouseClick(form->btnAddTelemarket, Qt::LeftButton);
    QCOMPARE(m_fx->main().area()->subWindowList().size(), 1);
    CustomerFixture::typeName(form, "Not Stored Yet");
    QTest::mouseClick(form->btnAddEquipment, Qt::LeftButton);
    auto *machine = m_fx->main().registry().find<frmEquipmentEntry>();
    QVERIFY(machine);
    QVERIFY(machine->txtModel->text().isEmpty());
    QTest::mouseClick(form->btnAddTelemarket, Qt::LeftButton);
    auto *call = m_fx->main().registry().find<frmTelemarketEntry>();
    QVERIFY(call);
    // Edit hands over the record of its own list's current row.
    CustomerFixture::typeName(form, "Acme");
    clickCell(*form->vsfgEquipment, 2, 3);
    QTest::mouseClick(form->btnEditEquipment, Qt::LeftButton);
    QCOMPARE(m_fx->main().registry().find<frmEquipmentEntry>(), machine);
    QCOMPARE(machine->txtModel->text(), QString("W7"));
    clickCell(*form->vsfgTelemarket, 1, 2);
    QTest::mouseClick(form->btnEditTelemarket, Qt::LeftButton);
    QCOMPARE(call->txtTelemarketer->text(), QString("Kim"));
}

CORVANE_TEST(tst_CustomerLists)
#include "tst_CustomerLists.moc"
