#include "CustomerFixture.h"
#include "DataGrid.h"
#include "Database.h"
#include "MDI.h"
#include "Recordset.h"
#include "ScriptedMsgBox.h"
#include "TestRegistry.h"
#include "frmCustomerEntry.h"
#include "frmNavigator.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

namespace {

// Opens the list's popup and picks an entry in it with the keyboard, as a user does.
void pickFromPopup(QComboBox *list, const QString &entry)
{
    list->showPopup();
    QAbstractItemView *view = list->view();
    view->setCurrentIndex(view->model()->index(list->findText(entry), 0));
    QTest::keyClick(view, Qt::Key_Return);
}

} // namespace

// The customer window as a user works in it: typing, picking, saving and closing.
class tst_CustomerEntry : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensOnceWithNamesAndTabOrder();
    void typingLooksUpEveryLetter();
    void pickingFromTheListLoads();
    void editsMarkTheCaption();
    void passingThroughIsNoChange_data();
    void passingThroughIsNoChange();
    void saveStoresAndClears_data();
    void saveStoresAndClears();
    void resaveKeepsDateEntered();
    void closeQuestion_data();
    void closeQuestion();
    void everyCloseAttemptRefreshesTheNavigator();
    void refusedSaveKeepsTheWindow();

private:
    std::unique_ptr<CustomerFixture> m_fx;
};

void tst_CustomerEntry::init()
{
    m_fx = std::make_unique<CustomerFixture>();
    m_fx->db().addCustomer("Acme",
        { { "Address1", "1 Main St" }, { "City", "Salem" }, { "State", "OR" }, { "Type", "Retail" },
            { "Contact2Email", "b@acme.test" }, { "DateEntered", "2004-01-05 09:30:00" } });
    m_fx->db().addCustomer("O'Brien's Copiers", { { "Address1", "2 Quay" }, { "Type", "Legal" } });
    m_fx->db().addCustomer("Zeta", { { "Type", "" } });
}

void tst_CustomerEntry::cleanup()
{
    m_fx.reset();
}

void tst_CustomerEntry::opensOnceWithNamesAndTabOrder()
{
    frmCustomerEntry *form = m_fx->openFromMenu();
    QVERIFY(form);
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit"));
    // A fixed border: the frame cannot be resized or maximised.
    QCOMPARE(form->parentWidget()->minimumSize(), form->parentWidget()->maximumSize());
    QVERIFY(!(form->parentWidget()->windowFlags() & Qt::WindowMaximizeButtonHint));
    QTRY_COMPARE(QApplication::focusWidget(), form->cmbCustomer);

    QCOMPARE(form->cmbCustomer->itemText(1), QString("O'Brien's Copiers"));
    QCOMPARE(form->cmbType->count(), 2); // the empty type is not offered
    QCOMPARE(form->vsfgEquipment->rows(), 0);

    // Opened again with unsaved changes: nothing in it changes and nothing is asked.
    CustomerFixture::typeName(form, "Acme");
    CustomerFixture::typeInto(form->txtPhone, "555");
    QCOMPARE(m_fx->openFromMenu(), form);
    QCOMPARE(form->txtPhone->text(), QString("555"));
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit *"));
    QCOMPARE(m_fx->main().area()->subWindowList().size(), 1);

    // Where a label repeats, the name tells the fields apart.
    const QList<QPair<QWidget *, QString>> names = { { form->cmbCustomer, "Customer:" },
        { form->txtState, "State" }, { form->txtContact1Title, "Contact 1 Title" },
        { form->txtContact2Fax, "Contact 2 Fax" },
        { form->vsfgTelemarket, "Telemarketing Information" } };
    for (const auto &[widget, name] : names)
        QCOMPARE(widget->accessibleName(), name);
    // Every caption is its field's buddy and shows whole.
    for (QLabel *label : form->findChildren<QLabel *>()) {
        QVERIFY2(label->buddy(), qPrintable(label->text()));
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }

    // Tab walks the fields in the order of the table's columns, then the buttons and lists.
    const QList<QWidget *> order = { form->cmbCustomer, form->txtAddress1, form->txtAddress2,
        form->txtCity, form->txtState, form->txtZip, form->txtPhone, form->txtFax, form->txtWebsite,
        form->cmbType, form->txtContact1, form->txtContact1Title, form->txtContact1Phone,
        form->txtContact1Fax, form->txtContact1Email, form->txtContact2, form->txtContact2Title,
        form->txtContact2Phone, form->txtContact2Fax, form->txtContact2Email, form->btnSave,
        form->btnExit, form->btnDelete, form->btnRename, form->vsfgEquipment, form->btnAddEquipment,
        form->btnEditEquipment, form->btnDeleteEquipment, form->vsfgTelemarket,
        form->btnAddTelemarket, form->btnEditTelemarket, form->btnDeleteTelemarket };
    form->cmbCustomer->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        QVERIFY2(now == order[i] || now->parentWidget() == order[i],
            qPrintable(QString("step %1: %2").arg(i).arg(now->objectName())));
    }
}

void tst_CustomerEntry::typingLooksUpEveryLetter()
{
    frmCustomerEntry *form = m_fx->openFromMenu();
    m_fx->db().addMachine("Acme", { { "Brand", "Canon" } });
    QLineEdit *edit = form->cmbCustomer->lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton);
    const QList<QPair<QString, QString>> steps
        = { { "a", "" }, { "c", "" }, { "m", "" }, { "e", "1 Main St" }, { " ", "" }, { "2", "" } };
    for (const auto &[key, address] : steps) {
        QTest::keyClicks(edit, key);
        QCOMPARE(form->txtAddress1->text(), address);
        QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit"));
    }
    QCOMPARE(form->cmbCustomer->currentText(), QString("acme 2"));
    // A name that is not stored still shows both lists, with their headers only.
    QCOMPARE(form->vsfgEquipment->rows(), 1);
    QCOMPARE(form->vsfgTelemarket->rows(), 1);
    // Letter case aside the name is the stored one; nothing was added to the list.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(form->txtCity->text(), QString("Salem"));
    QCOMPARE(form->cmbType->currentText(), QString("Retail"));
    QCOMPARE(form->txtContact2Email->text(), QString("b@acme.test"));
    QCOMPARE(form->vsfgEquipment->rows(), 2);
    QCOMPARE(form->cmbCustomer->count(), 3);
    // A name with apostrophes is looked up like any other.
    CustomerFixture::typeName(form, "O'Brien's Copiers");
    QCOMPARE(form->txtAddress1->text(), QString("2 Quay"));
    // Emptying the name keeps the fields but drops the lists.
    CustomerFixture::typeInto(form->txtFax, "1");
    CustomerFixture::typeName(form, "");
    QCOMPARE(form->txtAddress1->text(), QString("2 Quay"));
    QCOMPARE(form->txtFax->text(), QString("1"));
    QCOMPARE(form->vsfgEquipment->rows(), 1);
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit"));
}

void tst_CustomerEntry::pickingFromTheListLoads()
{
    frmCustomerEntry *form = m_fx->openFromMenu();
    QTest::keyClicks(form->txtPhone, "typed before the name");
    form->cmbCustomer->setFocus();
    QTest::keyClick(form->cmbCustomer, Qt::Key_Down);
    QCOMPARE(form->cmbCustomer->currentText(), QString("Acme"));
    QCOMPARE(form->txtAddress1->text(), QString("1 Main St"));
    // Edits made before the name changed are dropped without a question.
    QVERIFY(form->txtPhone->text().isEmpty());
    QTest::keyClick(form->cmbCustomer, Qt::Key_Down);
    QCOMPARE(form->txtAddress1->text(), QString("2 Quay"));
    QCOMPARE(form->cmbType->currentText(), QString("Legal"));
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit"));
}

void tst_CustomerEntry::editsMarkTheCaption()
{
    frmCustomerEntry *form = m_fx->openOn("Acme");
    for (QWidget *field :
        QList<QWidget *> { form->txtZip, form->txtContact2Title, form->cmbType }) {
        form->FillForm();
        QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit"));
        CustomerFixture::typeInto(field, "x");
        QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit *"));
    }
    // Focus selects the whole text of a box, so that typing replaces it.
    QTest::mouseClick(form->txtCity, Qt::LeftButton, {}, QPoint(3, 3));
    QTRY_COMPARE(form->txtCity->selectedText(), QString("Salem"));
}

void tst_CustomerEntry::passingThroughIsNoChange_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text"); // what the field shows afterwards
    QTest::addColumn<bool>("saved");
    auto row = [](const char *tag, const char *name, const char *field, const char *action,
                   const QString &text, bool saved) {
        QTest::newRow(tag) << QString(name) << QString(field) << QString(action) << text << saved;
    };
    // "Lower" has the type "retail" where the list says "Retail", and text a box might tidy.
    row("tab through odd text", "Lower", "", "tab", "", true);
    row("type: Enter", "Acme", "cmbType", "enter", "Retail", true);
    row("type: pick the entry shown", "Acme", "cmbType", "pick", "Retail", true);
    row("type in other letter case", "Lower", "cmbType", "click", "retail", true);
    row("name in other letter case", "acme", "cmbCustomer", "click", "acme", true);
    // Real changes still count, and leaving the name box does not load the customer again
    // over an edit.
    row("type: pick another", "Acme", "cmbType", "pick", "Legal", false);
    row("name: passed after an edit", "Acme", "cmbCustomer", "edit first", "Acme", false);
}

void tst_CustomerEntry::passingThroughIsNoChange()
{
    QFETCH(QString, name);
    QFETCH(QString, field);
    QFETCH(QString, action);
    QFETCH(QString, text);
    QFETCH(bool, saved);
    frmCustomerEntry *form = m_fx->openFromMenu();
    // Stored after the lists were filled, so that its type differs from the listed one.
    m_fx->db().addCustomer("Lower",
        { { "Type", "retail" }, { "Address1", " 7 Elm \n Suite 2 " }, { "Zip", "\t97301 " },
            { "Website", QString(100, 'w') }, { "Contact1", "Zoë\u00A0Ünal" } });
    // Shown as the navigator's double-click shows a customer, the focus elsewhere.
    CustomerFixture::clickInto(form->txtContact2Email);
    form->cmbCustomer->setEditText(name);
    QVERIFY(form->isSaved());

    if (action == "tab") {
        form->cmbCustomer->setFocus();
        for (int i = 0; i < 20 && QApplication::focusWidget() != form->btnSave; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->btnSave);
    } else {
        auto *list = form->findChild<QComboBox *>(field);
        QWidget *box = list->lineEdit();
        if (action == "edit first")
            CustomerFixture::typeInto(form->txtFax, "9");
        CustomerFixture::clickInto(box);
        if (action == "enter")
            QTest::keyClick(box, Qt::Key_Return);
        else if (action == "pick")
            pickFromPopup(list, text);
        CustomerFixture::clickInto(form->txtContact2Email);
        QCOMPARE(list->currentText(), text);
    }
    QCOMPARE(form->isSaved(), saved);
    QCOMPARE(CustomerFixture::caption(form),
        saved ? QString("Customer Entry/Edit") : QString("Customer Entry/Edit *"));
}

void tst_CustomerEntry::saveStoresAndClears_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no name") << "";
    QTest::newRow("new customer") << "Baker & Sons";
    QTest::newRow("apostrophes") << "Ma's 'Best'";
    // A stored customer found apart from letter case takes the letters as typed.
    QTest::newRow("letter case") << "ACME";
    QTest::newRow("stored name with apostrophes") << "O'Brien's Copiers";
}

void tst_CustomerEntry::saveStoresAndClears()
{
    QFETCH(QString, name);
    frmCustomerEntry *form = m_fx->openOn(name);
    ScriptedMsgBox messages;
    CustomerFixture::typeInto(form->txtZip, "97301");
    if (name.isEmpty())
        messages.expect("Customer Name and Status are required.", "Required Fields");
    QTest::mouseClick(form->btnSave, Qt::LeftButton);
    QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
    if (name.isEmpty()) {
        QCOMPARE(form->txtZip->text(), QString("97301"));
        QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit *"));
        QCOMPARE(m_fx->column("SELECT Customer FROM Customer").size(), 3);
        return;
    }
    // The window is blank, clean and ready for the next customer; the lists are gone.
    QVERIFY(form->cmbCustomer->currentText().isEmpty() && form->txtZip->text().isEmpty());
    QCOMPARE(form->vsfgEquipment->rows(), 0);
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit"));
    // Stored under the name as typed; an empty box is stored as empty text, not Null.
    QCOMPARE(m_fx->column("SELECT Customer FROM Customer WHERE Zip = '97301' AND "
                          "Contact2Fax = ''"),
        QStringList { name });
    // Not added to the list until the window is loaded again.
    QCOMPARE(form->cmbCustomer->count(), 3);
}

void tst_CustomerEntry::resaveKeepsDateEntered()
{
    frmCustomerEntry *form = m_fx->openOn("Acme");
    CustomerFixture::typeInto(form->txtAddress1, "9 New Rd");
    QTest::mouseClick(form->btnSave, Qt::LeftButton);
    QCOMPARE(
        m_fx->column("SELECT Address1, City, DateEntered FROM Customer WHERE Customer = 'Acme'"),
        QStringList { "9 New Rd|Salem|1/5/2004 9:30:00 AM" });

    // A new customer gets the time it was first saved.
    CustomerFixture::typeName(form, "Newco");
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QTest::mouseClick(form->btnSave, Qt::LeftButton);
    Recordset rs = m_fx->db().db().openRecordset(
        "SELECT DateEntered FROM Customer WHERE Customer = 'Newco'");
    const QDateTime entered = rs.field(0).toDateTime();
    QVERIFY(entered >= before && entered <= QDateTime::currentDateTime());
}

void tst_CustomerEntry::closeQuestion_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("stores");
    QTest::newRow("yes") << "Newco" << int(MsgBox::Yes) << true << true;
    QTest::newRow("no") << "Newco" << int(MsgBox::No) << true << false;
    QTest::newRow("cancel") << "Newco" << int(MsgBox::Cancel) << false << false;
    QTest::newRow("yes without a name") << "" << int(MsgBox::Yes) << false << false;
}

void tst_CustomerEntry::closeQuestion()
{
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, stores);
    frmCustomerEntry *form = m_fx->openOn(name);
    CustomerFixture::typeInto(form->txtPhone, "555-0100");
    ScriptedMsgBox messages;
    messages.expect("Customer information has not been saved. Do you want to save it now?",
        "Information Not Saved", MsgBox::Answer(answer));
    if (name.isEmpty())
        messages.expect("Customer Name and Status are required.", "Required Fields");
    QTest::mouseClick(form->btnExit, Qt::LeftButton);
    QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
    QCOMPARE(m_fx->main().registry().find<frmCustomerEntry>() == nullptr, closes);
    QCOMPARE(
        m_fx->column("SELECT Phone FROM Customer WHERE Phone = '555-0100'").size(), stores ? 1 : 0);
    if (!closes) {
        QCOMPARE(form->txtPhone->text(), QString("555-0100"));
        QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit *"));
        // A clean window closes with its close box without a question.
        form->FillForm();
        form->parentWidget()->close();
        QVERIFY(!m_fx->main().registry().find<frmCustomerEntry>());
    }
}

void tst_CustomerEntry::everyCloseAttemptRefreshesTheNavigator()
{
    auto *navigator = m_fx->main().registry().open<frmNavigator>();
    QTest::mouseClick(navigator->btnFind, Qt::LeftButton);
    QCOMPARE(navigator->vsfgCustomers->rows(), 4);
    frmCustomerEntry *form = m_fx->openOn("Newco");
    QTest::mouseClick(form->btnSave, Qt::LeftButton);
    // Saving alone does not refresh it; a cancelled close does.
    QCOMPARE(navigator->vsfgCustomers->rows(), 4);
    QTest::keyClicks(form->txtFax, "1");
    ScriptedMsgBox messages;
    messages.expect("Customer information has not been saved. Do you want to save it now?",
        "Information Not Saved", MsgBox::Cancel);
    form->parentWidget()->close();
    QVERIFY(messages.problems().isEmpty());
    QCOMPARE(navigator->vsfgCustomers->rows(), 5);
    QVERIFY(m_fx->main().registry().find<frmCustomerEntry>());
}

void tst_CustomerEntry::refusedSaveKeepsTheWindow()
{
    frmCustomerEntry *form = m_fx->openOn("Acme");
    CustomerFixture::typeInto(form->txtCity, QString(51, 'x')); // wider than the column
    ScriptedMsgBox messages;
    messages.expect("Customer information has not been saved. Do you want to save it now?",
        "Information Not Saved", MsgBox::Yes);
    form->parentWidget()->close();
    // The engine's refusal is shown once, the window stays open, changed and full.
    QCOMPARE(messages.shown().size(), 2);
    QVERIFY(m_fx->main().registry().find<frmCustomerEntry>());
    QCOMPARE(form->txtCity->text(), QString(51, 'x'));
    QCOMPARE(CustomerFixture::caption(form), QString("Customer Entry/Edit *"));
    QCOMPARE(
        m_fx->column("SELECT City FROM Customer WHERE Customer = 'Acme'"), QStringList { "Salem" });
}

CORVANE_TEST(tst_CustomerEntry)
#include "tst_CustomerEntry.moc"
