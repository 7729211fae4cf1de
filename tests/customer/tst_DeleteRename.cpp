#include "CustomerFixture.h"
#include "DataGrid.h"
#include "MDI.h"
#include "ScriptedMsgBox.h"
#include "TestRegistry.h"
#include "frmCustomerEntry.h"
#include "frmRenameCustomer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <sqlite3.h>

namespace {

const QString DeleteQuestion = "Are you sure you want to delete this customer and all of the "
                               "equipment and telemarket information?";

} // namespace

// Deleting a customer with everything stored under it, and giving it a new name.
class tst_DeleteRename : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void renameWindow();
    void renameRefusals_data();
    void renameRefusals();
    void renameMovesEverything_data();
    void renameMovesEverything();
    void renameReopensAClosedEntryWindow();
    void engineFailureLeavesAllAsBefore_data();
    void engineFailureLeavesAllAsBefore();

private:
    frmRenameCustomer *openRename(frmCustomerEntry *form, const QString &to);

    std::unique_ptr<CustomerFixture> m_fx;
};

void tst_DeleteRename::init()
{
    m_fx = std::make_unique<CustomerFixture>();
    TempDatabase &db = m_fx->db();
    db.addCustomer("Acme", { { "Address1", "1 Main St" } });
    db.addCustomer("Baker");
    db.addCustomer("Zeta");
    db.addMachine("Acme", { { "Brand", "Canon" } });
    db.addMachine("ACME", { { "Brand", "Xerox" } });
    db.addMachine("Baker", { { "Brand", "Sharp" } });
    db.addCall("Acme");
    db.addCall("Baker");
    // Machines and calls under a name that has no customer row.
    db.addMachine("Orphan", { { "Brand", "Ricoh" } });
    db.addCall("Orphan");
}

void tst_DeleteRename::cleanup()
{
    m_fx.reset();
}

frmRenameCustomer *tst_DeleteRename::openRename(frmCustomerEntry *form, const QString &to)
{
    QTest::mouseClick(form->btnRename, Qt::LeftButton);
    auto *rename = m_fx->main().registry().find<frmRenameCustomer>();
    if (rename) {
        CustomerFixture::clickInto(rename->txtTo);
        QTest::keyClick(rename->txtTo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(rename->txtTo, Qt::Key_Backspace);
        QTest::keyClicks(rename->txtTo, to);
    }
    return rename;
}

void tst_DeleteRename::deleteAsksFirst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("customers");
    QTest::addColumn<QStringList>("machines"); // the names left in Equipment and Telemarket
    const QStringList all { "Acme", "Baker", "Zeta" };
    // Every row of the name goes, letter case aside; nothing of anyone else.
    QTest::newRow("yes") << "acme" << int(MsgBox::Yes) << QStringList { "Baker", "Zeta" }
                         << QStringList { "baker", "orphan" };
    QTest::newRow("no") << "Acme" << int(MsgBox::No) << all
                        << QStringList { "acme", "baker", "orphan" };
    QTest::newRow("machines and calls without a customer")
        << "Orphan" << int(MsgBox::Yes) << all << QStringList { "acme", "baker" };
}

void tst_DeleteRename::deleteAsksFirst()
{
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(QStringList, customers);
    QFETCH(QStringList, machines);
    frmCustomerEntry *form = m_fx->openFromMenu();
    ScriptedMsgBox messages; // with the name box empty Delete does nothing and asks nothing
    QTest::mouseClick(form->btnDelete, Qt::LeftButton);
    CustomerFixture::typeName(form, name);
    CustomerFixture::typeInto(form->txtFax, "typed");
    const QStringList before = m_fx->tables();
    messages.expect(DeleteQuestion, "Delete Confirmation", MsgBox::Answer(answer));
    QTest::mouseClick(form->btnDelete, Qt::LeftButton);
    QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
    QCOMPARE(m_fx->namesIn("Customer"), customers);
    for (const char *table : { "Equipment", "Telemarket" })
        QCOMPARE(
            m_fx->column(QString("SELECT DISTINCT lower(Customer) FROM %1 ORDER BY 1").arg(table)),
            machines);
    if (answer == MsgBox::No) {
        QCOMPARE(m_fx->tables(), before);
        QCOMPARE(form->txtFax->text(), QString("typed"));
        QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit *"));
        return;
    }
    // The window is empty and clean; the name stays offered until the window loads again.
    QVERIFY(form->cmbCustomer->currentText().isEmpty() && form->txtFax->text().isEmpty());
    QCOMPARE(form->vsfgEquipment->rows(), 0);
    QCOMPARE(form->vsfgTelemarket->rows(), 0);
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit"));
    QCOMPARE(form->cmbCustomer->itemText(0), QString("Acme"));
}

void tst_DeleteRename::renameWindow()
{
    frmCustomerEntry *form = m_fx->openFromMenu();
    QTest::mouseClick(form->btnRename, Qt::LeftButton); // no name: nothing opens
    QVERIFY(!m_fx->main().registry().find<frmRenameCustomer>());
    CustomerFixture::typeName(form, "Acme");
    QTest::mouseClick(form->btnRename, Qt::LeftButton);
    auto *rename = m_fx->main().registry().find<frmRenameCustomer>();
    QVERIFY(rename);
    QCOMPARE(CustomerFixture::caption(rename), QString("Rename Customer"));
    QCOMPARE(rename->parentWidget()->minimumSize(), rename->parentWidget()->maximumSize());
    QTRY_COMPARE(QApplication::focusWidget(), rename->btnOK);
    QCOMPARE(rename->txtTo->text(), QString("Acme"));
    QVERIFY(!rename->txtFrom->isEnabled());
    // OK, Cancel, then the new name: the disabled box is passed by.
    QTest::keyClick(rename->btnOK, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), rename->btnCancel);
    QTest::keyClick(rename->btnCancel, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), rename->txtTo);
    m_fx->saveScreenshot("rename-customer.png");

    // Rename again while it is open puts the window's current name in both boxes again.
    QTest::keyClicks(rename->txtTo, "changed");
    CustomerFixture::typeName(form, "Baker");
    QTest::mouseClick(form->btnRename, Qt::LeftButton);
    QCOMPARE(m_fx->main().registry().find<frmRenameCustomer>(), rename);
    QCOMPARE(rename->txtFrom->text(), QString("Baker"));
    QCOMPARE(rename->txtTo->text(), QString("Baker"));
    const QStringList before = m_fx->tables();
    QTest::mouseClick(rename->btnCancel, Qt::LeftButton);
    QVERIFY(!m_fx->main().registry().find<frmRenameCustomer>());
    QCOMPARE(m_fx->tables(), before);
}

void tst_DeleteRename::renameRefusals_data()
{
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    const QString empty = "You must enter the name you want to change it to.";
    const QString exists = "Customer Name already exists, please select another name.";
    QTest::newRow("empty") << "" << empty << "Not Enough Info";
    QTest::newRow("same name") << "Acme" << exists << "Customer Name Exists";
    QTest::newRow("letter case only") << "ACME" << exists << "Customer Name Exists";
    QTest::newRow("another customer") << "zeta" << exists << "Customer Name Exists";
    // Told in the words the customer window uses for a name too long to store.
    QTest::newRow("longer than a name can be")
        << QString(51, 'n')
        << "The customer could not be renamed.\n\nThe text for Customer is too long: at most 50 "
           "characters."
        << "Corvane";
}

void tst_DeleteRename::renameRefusals()
{
    QFETCH(QString, to);
    QFETCH(QString, message);
    QFETCH(QString, title);
    frmCustomerEntry *form = m_fx->openOn("Acme");
    const QStringList before = m_fx->tables();
    frmRenameCustomer *rename = openRename(form, to);
    ScriptedMsgBox messages;
    messages.expect(message, title);
    QTest::mouseClick(rename->btnOK, Qt::LeftButton);
    QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
    QCOMPARE(m_fx->tables(), before);
    QCOMPARE(m_fx->main().registry().find<frmRenameCustomer>(), rename);
}

void tst_DeleteRename::renameMovesEverything_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("customers");
    QTest::addColumn<int>("machines");
    QTest::newRow("customer with machines and calls")
        << "Acme"
        << "Mc'Acme" << QStringList { "Baker", "Mc'Acme", "Zeta" } << 2;
    QTest::newRow("machines and calls without a customer")
        << "Orphan"
        << "Adopted" << QStringList { "Acme", "Baker", "Zeta" } << 1;
}

void tst_DeleteRename::renameMovesEverything()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, customers);
    QFETCH(int, machines);
    frmCustomerEntry *form = m_fx->openOn(from);
    CustomerFixture::typeInto(form->txtFax, "dropped");
    frmRenameCustomer *rename = openRename(form, to);
    QTest::mouseClick(rename->btnOK, Qt::LeftButton);

    QCOMPARE(m_fx->namesIn("Customer"), customers);
    QCOMPARE(m_fx->column("SELECT ID FROM Equipment WHERE Customer = ?", { to }).size(), machines);
    QCOMPARE(m_fx->column("SELECT ID FROM Telemarket WHERE Customer = ?", { to }).size(), 1);
    QCOMPARE(m_fx->column("SELECT ID FROM Equipment WHERE Customer = ?", { from }).size(), 0);
    QVERIFY(!m_fx->main().registry().find<frmRenameCustomer>());

    // The window shows the customer under its new name, reloaded and clean, and its list
    // holds the new name in its sorted place instead of the old one.
    QCOMPARE(form->cmbCustomer->currentText(), to);
    QVERIFY(form->txtFax->text().isEmpty());
    QCOMPARE(form->vsfgEquipment->rows(), machines + 1);
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit"));
    QStringList listed;
    for (int i = 0; i < form->cmbCustomer->count(); ++i)
        listed << form->cmbCustomer->itemText(i);
    QCOMPARE(listed, customers);
}

void tst_DeleteRename::renameReopensAClosedEntryWindow()
{
    frmCustomerEntry *form = m_fx->openOn("Baker");
    frmRenameCustomer *rename = openRename(form, "Brewer");
    form->parentWidget()->close();
    QTRY_VERIFY(!m_fx->main().registry().find<frmCustomerEntry>());
    QTest::mouseClick(rename->btnOK, Qt::LeftButton);
    frmCustomerEntry *again = m_fx->main().registry().find<frmCustomerEntry>();
    QVERIFY(again);
    QCOMPARE(again->cmbCustomer->currentText(), QString("Brewer"));
    QCOMPARE(again->vsfgEquipment->rows(), 2);
}

void tst_DeleteRename::engineFailureLeavesAllAsBefore_data()
{
    QTest::addColumn<bool>("isRename");
    QTest::addColumn<QString>("trigger");
    for (const char *table : { "Telemarket", "Customer" }) {
        QTest::addRow("delete, failing at %s", table)
            << false << QString("BEFORE DELETE ON %1").arg(table);
        QTest::addRow("rename, failing at %s", table)
            << true << QString("BEFORE UPDATE ON %1").arg(table);
    }
}

void tst_DeleteRename::engineFailureLeavesAllAsBefore()
{
    QFETCH(bool, isRename);
    QFETCH(QString, trigger);
    frmCustomerEntry *form = m_fx->openOn("Acme");
    CustomerFixture::typeInto(form->txtFax, "unsaved");
    const QByteArray fail = QString("CREATE TEMP TRIGGER fail %1 BEGIN SELECT "
                                    "RAISE(ABORT, 'forced failure'); END")
                                .arg(trigger)
                                .toUtf8();
    QCOMPARE(sqlite3_exec(m_fx->db().db().handle(), fail.constData(), nullptr, nullptr, nullptr),
        SQLITE_OK);
    const QStringList before = m_fx->tables();

    ScriptedMsgBox messages;
    frmRenameCustomer *rename = nullptr;
    if (isRename) {
        rename = openRename(form, "Renamed");
        QTest::mouseClick(rename->btnOK, Qt::LeftButton);
    } else {
        messages.expect(DeleteQuestion, "Delete Confirmation", MsgBox::Yes);
        QTest::mouseClick(form->btnDelete, Qt::LeftButton);
    }
    // The engine's refusal is told once, and all three tables are exactly as they were.
    QCOMPARE(messages.problems().size(), 1);
    QVERIFY(messages.problems().first().contains("forced failure"));
    QVERIFY(messages.problems().first().contains("\"Corvane\""));
    QCOMPARE(m_fx->tables(), before);
    // The windows are as before the action.
    QCOMPARE(form->cmbCustomer->currentText(), QString("Acme"));
    QCOMPARE(form->txtAddress1->text(), QString("1 Main St"));
    QCOMPARE(form->txtFax->text(), QString("unsaved"));
    QCOMPARE(form->vsfgEquipment->rows(), 3);
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit *"));
    if (rename) {
        QCOMPARE(m_fx->main().registry().find<frmRenameCustomer>(), rename);
        QCOMPARE(rename->txtTo->text(), QString("Renamed"));
    }
}

CORVANE_TEST(tst_DeleteRename)
#include "tst_DeleteRename.moc"
