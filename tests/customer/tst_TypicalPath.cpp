#include "CustomerFixture.h"
#include "DataGrid.h"
#include "MDI.h"
#include "MaskedEdit.h"
#include "ScriptedMsgBox.h"
#include "TestRegistry.h"
#include "frmCustomerEntry.h"
#include "frmEquipmentEntry.h"
#include "frmNavigator.h"
#include "frmTelemarketEntry.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

// A user's round trip through the windows: find a customer in the navigator, open it, change a
// machine's monthly payment, close the customer window and see the navigator search again.
class tst_TypicalPath : public QObject
{
    Q_OBJECT
private slots:
    void findOpenEditAndClose();
    void callAddedFromTheList();
};

namespace {

int columnOf(const DataGrid &grid, const QString &header)
{
    for (int c = 0; c < grid.cols(); ++c) {
        if (grid.textMatrix(0, c) == header)
            return c;
    }
    return -1;
}

int rowOf(const DataGrid &grid, int col, const QString &text)
{
    for (int r = grid.fixedRows(); r < grid.rows(); ++r) {
        if (grid.textMatrix(r, col) == text)
            return r;
    }
    return -1;
}

} // namespace

void tst_TypicalPath::findOpenEditAndClose()
{
    CustomerFixture fx;
    ScriptedMsgBox messages;
    TempDatabase &db = fx.db();
    db.addCustomer("Acme Copiers", { { "City", "Salem" }, { "Zip", "97301" } });
    db.addCustomer("Acme Toner", { { "City", "Bend" } });
    db.addCustomer("Baker Office", { { "City", "Salem" } });
    const qint64 machine = db.addMachine("Acme Copiers",
        { { "Brand", "Ricoh" }, { "Model", "MP 400" }, { "DateLeased", "2024-01-05" },
            { "LeaseTerm", "36" }, { "LeaseEnds", "2027-01-05" }, { "MonthlyPayment", 120.0 } });
    db.addCall("Acme Copiers", { { "DateofCall", "2026-01-10" }, { "Telemarketer", "Kim" } });

    // The navigator from the menu: a city and a word, then Search.
    fx.main().findChild<QAction *>("CustomerNavigator")->trigger();
    auto *nav = fx.main().registry().find<frmNavigator>();
    QVERIFY(nav);
    nav->cmbCity->setCurrentIndex(nav->cmbCity->findText("Salem"));
    QTest::keyClicks(nav->txtSearch, "acme");
    QTest::mouseClick(nav->btnFind, Qt::LeftButton);
    QCOMPARE(nav->vsfgCustomers->rows(), 2); // the header and Acme Copiers alone
    QCOMPARE(nav->vsfgCustomers->textMatrix(1, 0), QString("Acme Copiers"));

    // Moving to the row shows its machine and its call.
    clickCell(*nav->vsfgCustomers, 1, 1);
    QCOMPARE(nav->vsfgEquipment->rows(), 2);
    QCOMPARE(nav->vsfgTelemarket->rows(), 2);

    // A double-click opens the customer window on that customer.
    clickCell(*nav->vsfgCustomers, 1, 1, true);
    auto *customer = fx.main().registry().find<frmCustomerEntry>();
    QVERIFY(customer);
    QCOMPARE(customer->cmbCustomer->currentText(), QString("Acme Copiers"));
    QCOMPARE(CustomerFixture::caption(customer), QString("Customer Entry/Edit"));
    QCOMPARE(customer->vsfgEquipment->rows(), 2);

    // Edit on the machine opens the equipment window on its ID.
    clickCell(*customer->vsfgEquipment, 1, 2);
    QTest::mouseClick(customer->btnEditEquipment, Qt::LeftButton);
    auto *equipment = fx.main().registry().find<frmEquipmentEntry>();
    QVERIFY(equipment);
    QCOMPARE(equipment->txtID->text(), QString::number(machine));
    QCOMPARE(equipment->txtCustomer->text(), QString("Acme Copiers"));

    // The payment changed and OK: stored, the customer's list refilled, the window gone.
    CustomerFixture::clickInto(equipment->txtMonthlyPayment);
    QTest::keyClick(equipment->txtMonthlyPayment, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(equipment->txtMonthlyPayment, "135.25");
    QTest::mouseClick(equipment->btnOK, Qt::LeftButton);
    QVERIFY(!fx.main().registry().find<frmEquipmentEntry>());
    QCOMPARE(fx.column("SELECT MonthlyPayment FROM Equipment WHERE ID = ?", { machine }),
        QStringList { "135.25" });
    const int payment = columnOf(*customer->vsfgEquipment, "Payment");
    QVERIFY(payment >= 0);
    QVERIFY(customer->vsfgEquipment->displayText(1, payment).contains("135.25"));

    // Closing the customer window asks nothing (its own fields were not changed) and makes
    // the navigator search again: its detail grids are emptied and the customer is still found.
    nav->vsfgCustomers->setCurrentCell(1, 1);
    QVERIFY(nav->vsfgEquipment->rows() > 0);
    QVERIFY(qobject_cast<QMdiSubWindow *>(customer->parentWidget())->close());
    QVERIFY(!fx.main().registry().find<frmCustomerEntry>());
    QCOMPARE(nav->vsfgEquipment->rows(), 0);
    QVERIFY(rowOf(*nav->vsfgCustomers, 0, "Acme Copiers") > 0);
    QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
}

// Add on the call list opens the call window for the customer shown; OK stores the call and
// the customer window's list shows it at once.
void tst_TypicalPath::callAddedFromTheList()
{
    CustomerFixture fx;
    ScriptedMsgBox messages;
    fx.db().addCustomer("Acme Copiers");
    frmCustomerEntry *customer = fx.openFromMenu();
    CustomerFixture::typeName(customer, "acme copiers");
    QCOMPARE(customer->vsfgTelemarket->rows(), 1); // the header alone

    QTest::mouseClick(customer->btnAddTelemarket, Qt::LeftButton);
    auto *call = fx.main().registry().find<frmTelemarketEntry>();
    QVERIFY(call);
    CustomerFixture::clickInto(call->txtTelemarketer);
    QTest::keyClicks(call->txtTelemarketer, "Kim");
    QTest::mouseClick(call->btnOK, Qt::LeftButton);

    QVERIFY(!fx.main().registry().find<frmTelemarketEntry>());
    QCOMPARE(fx.column("SELECT Customer FROM Telemarket WHERE Telemarketer = ?", { "Kim" }),
        QStringList { "acme copiers" });
    QCOMPARE(customer->vsfgTelemarket->rows(), 2);
    QCOMPARE(customer->vsfgTelemarket->textMatrix(1, 1), QString("Kim"));
    QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
}

CORVANE_TEST(tst_TypicalPath)
#include "tst_TypicalPath.moc"
