#include "DatePicker.h"
#include "DetailsFixture.h"
#include "MaskedEdit.h"
#include "TestRegistry.h"
#include "frmEquipmentEntry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The machine window as the customer window opens it, driven through its widgets, with the
// rows it stores read back from the database.
class tst_EquipmentEntry : public DetailsFixture
{
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void savesPurchasedOrLeased_data();
    void savesPurchasedOrLeased();
    void purchasedClearsStoredLease();
    void storedRowsWithGaps_data();
    void storedRowsWithGaps();
    void changeMarkingAndSelection();

private:
    void seed() override;
    frmEquipmentEntry *openNew() { return open<frmEquipmentEntry>("", "Acme"); }
    frmEquipmentEntry *openStored(qint64 id)
    {
        return open<frmEquipmentEntry>(QString::number(id), "Acme");
    }
    bool isOpen() { return main().registry().find<frmEquipmentEntry>(); }
};

namespace {

const QString Table = QStringLiteral("Equipment");
const QString Question
    = QStringLiteral("Equipment information has not been saved. Do you want to save it now?");

QStringList entries(const QComboBox *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->itemText(i);
    return all;
}

QVariantMap leasedRow()
{
    return { { "Brand", "Canon" }, { "Model", "IR-1" }, { "DateLeased", QDate(2023, 4, 1) },
        { "LeaseTerm", "36 months" }, { "LeaseEnds", QDate(2026, 3, 31) },
        { "MonthlyPayment", 1234.5 }, { "Satisfied", "Yes" },
        { "DateEntered", QDateTime(QDate(2023, 4, 2), QTime(9, 30)) } };
}

} // namespace

// Brands and providers the lists are built from: a second case of a brand, gaps.
void tst_EquipmentEntry::seed()
{
    db().addMachine("Acme", { { "Brand", "Xerox" }, { "Provider", "Office Co" } });
    db().addMachine("Baker", { { "Brand", "canon" }, { "Provider", "" } });
    db().addMachine("Baker", { { "Brand", QVariant() }, { "Provider", "Copy Land" } });
}

void tst_EquipmentEntry::opensAsDesigned()
{
    frmEquipmentEntry *form = openNew();
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    QCOMPARE(frame->pos(), QPoint(0, 0));
    QCOMPARE(frame->minimumSize(), frame->maximumSize());
    QVERIFY(!(frame->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(DetailsFixture::caption(form), QString("Equipment Entry"));
    QVERIFY(form->isSaved());

    // Lists without the brands and providers never given, one entry per brand whatever its case.
    QCOMPARE(entries(form->cmbBrand), (QStringList { "canon", "Xerox" }));
    QCOMPARE(entries(form->cmbProvider), (QStringList { "Copy Land", "Office Co" }));
    QCOMPARE(entries(form->cmbSatisfied), (QStringList { "Yes", "No" }));
    for (QComboBox *list : { form->cmbBrand, form->cmbProvider, form->cmbSatisfied })
        QCOMPARE(list->currentText(), QString());
    QVERIFY(form->optPurchased->isChecked());
    QCOMPARE(form->dtDate->date(), QDate::currentDate());
    QCOMPARE(form->dtLeaseEnds->date(), QDate::currentDate());
    for (QWidget *lease : std::initializer_list<QWidget *> {
             form->txtLeaseTerm, form->dtLeaseEnds, form->txtMonthlyPayment })
        QVERIFY(!lease->isEnabled());
    QCOMPARE(form->txtID->text(), QString());
    QCOMPARE(form->txtCustomer->text(), QString("Acme"));
    QCOMPARE(DetailsFixture::tabOrderProblem(form,
                 { form->cmbBrand, form->txtModel, form->txtSN, form->cmbProvider,
                     form->optPurchased, form->optLeased, form->dtDate, form->txtLeaseTerm,
                     form->dtLeaseEnds, form->txtMonthlyPayment, form->txtMonthlyVolume,
                     form->cmbSatisfied, form->txtNotes, form->btnOK, form->btnCancel },
                 { "Brand:", "Model:", "Serial Number:", "Provider", "Purchased", "Leased",
                     "Date Purch./Leased:", "Lease Term:", "Lease Ends:", "Monthly Payment:",
                     "Monthly Volume:", "Satisfied:", "Notes:", "OK", "Cancel" }),
        QString());

    // One window: asking again returns the open one as it is.
    form->txtModel->setText("kept");
    QCOMPARE(main().registry().open<frmEquipmentEntry>(), form);
    QCOMPARE(form->txtModel->text(), QString("kept"));

    form->cmbBrand->setEditText("Canon");
    form->optLeased->click();
    form->txtMonthlyPayment->setContent("1234.5");
    DetailsFixture::saveScreenshot(form->parentWidget(), "equipment-entry.png");
}

void tst_EquipmentEntry::savesPurchasedOrLeased_data()
{
    QTest::addColumn<bool>("leased");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QVariant>("stored");

    QTest::newRow("purchased, payment typed before switching") << false << "99" << QVariant();
    QTest::newRow("leased, plain") << true << "1234.5" << QVariant(1234.5);
    QTest::newRow("leased, display form") << true << "($1,234.56789)" << QVariant(-1234.5679);
    QTest::newRow("leased, empty payment") << true << "" << QVariant(0.0);
    QTest::newRow("leased, letters") << true << "ask Bob" << QVariant(0.0);
}

void tst_EquipmentEntry::savesPurchasedOrLeased()
{
    QFETCH(bool, leased);
    QFETCH(QString, payment);
    QFETCH(QVariant, stored);

    frmEquipmentEntry *form = openNew();
    QTest::keyClicks(form->cmbBrand, "Ricoh");
    QTest::keyClicks(form->txtModel, "MP 301");
    QTest::keyClicks(form->cmbProvider, "New Supplier");
    form->dtDate->setDate(QDate(2024, 2, 10));
    QTest::mouseClick(form->optLeased, Qt::LeftButton);
    QVERIFY(form->txtMonthlyPayment->isEnabled());
    QTest::keyClicks(form->txtLeaseTerm, "24");
    form->dtLeaseEnds->setDate(QDate(2026, 2, 9));
    form->txtMonthlyPayment->setFocus();
    QTest::keyClicks(form->txtMonthlyPayment, payment);
    if (!leased) {
        QTest::mouseClick(form->optPurchased, Qt::LeftButton);
        QVERIFY(!form->txtMonthlyPayment->isEnabled());
        QCOMPARE(form->txtLeaseTerm->text(), QString("24"));
    }
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QTest::mouseClick(form->btnOK, Qt::LeftButton);
    QTRY_VERIFY(!isOpen());

    QCOMPARE(count(Table), 4);
    const QVariantMap saved = lastRow(Table);
    QCOMPARE(saved["Customer"].toString(), QString("Acme"));
    QCOMPARE(saved["Brand"].toString(), QString("Ricoh"));
    QCOMPARE(saved["Provider"].toString(), QString("New Supplier"));
    QCOMPARE(saved["SN"], QVariant(QString(""))); // empty text, not Null
    QVERIFY(saved["DateEntered"].toDateTime() >= before);
    QCOMPARE(saved["DatePurchased"].isNull(), leased);
    QCOMPARE(saved["DateLeased"].isNull(), !leased);
    QCOMPARE((leased ? saved["DateLeased"] : saved["DatePurchased"]).toDate(), QDate(2024, 2, 10));
    QCOMPARE(saved["LeaseTerm"], leased ? QVariant(QString("24")) : QVariant());
    QCOMPARE(saved["LeaseEnds"], leased ? QVariant(QDate(2026, 2, 9)) : QVariant());
    QCOMPARE(saved["MonthlyPayment"], stored);
}

void tst_EquipmentEntry::purchasedClearsStoredLease()
{
    const qint64 id = db().addMachine("Acme", leasedRow());
    frmEquipmentEntry *form = openStored(id);
    QVERIFY(form->optLeased->isChecked());
    QCOMPARE(form->txtLeaseTerm->text(), QString("36 months"));
    QCOMPARE(form->dtLeaseEnds->date(), QDate(2026, 3, 31));
    QCOMPARE(form->txtMonthlyPayment->content(), QString("1234.5"));
    // Entering and leaving the boxes changes how they show, not what they hold: the brand keeps
    // its own case beside the listed "canon", the payment its value.
    QTRY_VERIFY(form->cmbBrand->hasFocus());
    QTest::mouseClick(form->txtMonthlyPayment, Qt::LeftButton, {}, QPoint(3, 3));
    QTRY_COMPARE(form->txtMonthlyPayment->selectedText(), QString("1234.5"));
    QCOMPARE(form->cmbBrand->currentText(), QString("Canon"));
    QTest::mouseClick(form->txtModel, Qt::LeftButton, {}, QPoint(3, 3));
    QTRY_COMPARE(form->txtMonthlyPayment->text(), QString("$1,234.50"));
    QVERIFY(form->isSaved());

    QTest::mouseClick(form->optPurchased, Qt::LeftButton);
    QCOMPARE(DetailsFixture::caption(form), QString("Equipment Entry *"));
    QTest::mouseClick(form->btnOK, Qt::LeftButton);
    QTRY_VERIFY(!isOpen());
    const QVariantMap saved = row(Table, id);
    QCOMPARE(saved["DatePurchased"].toDate(), QDate(2023, 4, 1));
    for (const char *column : { "DateLeased", "LeaseTerm", "LeaseEnds", "MonthlyPayment" })
        QVERIFY2(saved[column].isNull(), column);
}

void tst_EquipmentEntry::storedRowsWithGaps_data()
{
    QTest::addColumn<QVariantMap>("columns");
    QTest::addColumn<bool>("leased");
    const QDateTime entered(QDate(2020, 1, 1), QTime(8, 0));
    QTest::newRow("no date at all") << QVariantMap { { "DateEntered", entered } } << false;
    QTest::newRow("leased, no lease end, no payment")
        << QVariantMap { { "DateLeased", QDate(2022, 6, 1) }, { "DateEntered", entered } } << true;
    QTest::newRow("no brand") << QVariantMap { { "Brand", QVariant() },
        { "DatePurchased", QDate::currentDate() }, { "DateEntered", entered } }
                              << false;
}

void tst_EquipmentEntry::storedRowsWithGaps()
{
    QFETCH(QVariantMap, columns);
    QFETCH(bool, leased);
    const qint64 id = db().addMachine("Acme", columns);
    frmEquipmentEntry *form = openStored(id);
    QVERIFY(form->isSaved());
    QCOMPARE(form->optLeased->isChecked(), leased);
    QCOMPARE(form->txtMonthlyPayment->content(), QString());
    QCOMPARE(form->dtLeaseEnds->date(), QDate::currentDate());
    if (!leased)
        QCOMPARE(form->dtDate->date(), QDate::currentDate());
    if (form->cmbBrand->currentText().isEmpty())
        form->cmbBrand->setEditText("Sharp");

    QTest::mouseClick(form->btnOK, Qt::LeftButton);
    QTRY_VERIFY(!isOpen());
    const QVariantMap saved = row(Table, id);
    QCOMPARE(saved["DateEntered"], QVariant(QDateTime(QDate(2020, 1, 1), QTime(8, 0))));
    if (leased) {
        QCOMPARE(saved["LeaseEnds"].toDate(), QDate::currentDate());
        QCOMPARE(saved["MonthlyPayment"], QVariant(0.0));
    } else {
        QCOMPARE(saved["DatePurchased"].toDate(), QDate::currentDate());
    }
}

void tst_EquipmentEntry::changeMarkingAndSelection()
{
    frmEquipmentEntry *form = openNew();
    // Each edit on a clean window; handing the window a record again asks about the last one.
    auto changes = [&](const std::function<void()> &edit) {
        if (!form->isSaved())
            messages().expect(Question, "Information Not Saved", MsgBox::No);
        form->FillForm("", "Acme");
        if (!form->isSaved())
            return false;
        edit();
        return !form->isSaved() && DetailsFixture::caption(form) == QString("Equipment Entry *");
    };
    QVERIFY(changes([&] { QTest::keyClicks(form->cmbSatisfied, "Y"); }));
    QVERIFY(changes([&] { QTest::keyClick(form->cmbProvider, Qt::Key_Down); }));
    QVERIFY(changes([&] { QTest::mouseClick(form->dtDate, Qt::LeftButton); }));
    QVERIFY(changes([&] { QTest::keyClicks(form->txtMonthlyVolume, "5"); }));
    QVERIFY(changes([&] { QTest::mouseClick(form->optPurchased, Qt::LeftButton); }));
    QVERIFY(changes([&] { form->dtDate->setDate(QDate(2000, 1, 1)); }));

    for (QLineEdit *box : { form->txtModel, form->txtSN, form->txtMonthlyVolume }) {
        box->setText("some text");
        form->btnOK->setFocus();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, 3));
        QTRY_COMPARE(box->selectedText(), QString("some text"));
    }
    form->txtNotes->setPlainText("notes");
    QTest::mouseClick(form->txtNotes->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    QTRY_VERIFY(form->txtNotes->hasFocus());
    QTest::qWait(10);
    QVERIFY(!form->txtNotes->textCursor().hasSelection());
}

CORVANE_TEST(tst_EquipmentEntry)
#include "tst_EquipmentEntry.moc"
