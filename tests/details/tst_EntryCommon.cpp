#include "DetailsFixture.h"
#include "MaskedEdit.h"
#include "TestRegistry.h"
#include "frmEquipmentEntry.h"
#include "frmTelemarketEntry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// What the machine and the call window do alike: the required field, the close step, and a
// record handed to a window that is open already (Add or Edit pressed again in the customer
// window) or one no longer stored. Neither window stores over another record, drops a change
// without asking, or stores a row without a customer.
class tst_EntryCommon : public DetailsFixture
{
    Q_OBJECT
private slots:
    void requiredField_data();
    void requiredField();
    void pendingChange_data();
    void pendingChange();
    void newRequestOnStoredRecord_data() { kinds(); }
    void newRequestOnStoredRecord();
    void recordNoLongerStored_data();
    void recordNoLongerStored();

private:
    void kinds();
};

namespace {

// What the tests need of either window: its required field and one free text.
struct Window
{
    QString table, requiredColumn, textColumn, question, requiredMessage;
    std::function<EntryForm *(DetailsFixture &, const QString &, const QString &)> fill;
    std::function<QString(EntryForm *)> required, text;
    std::function<void(EntryForm *, const QString &)> setRequired, setText;
    // Stores a row of Acme's with this free text.
    std::function<qint64(DetailsFixture &, const QString &)> add;
};

Window equipment()
{
    auto form = [](EntryForm *f) { return static_cast<frmEquipmentEntry *>(f); };
    return { "Equipment", "Brand", "Model",
        "Equipment information has not been saved. Do you want to save it now?",
        "You must select a Brand before saving.",
        [](DetailsFixture &f, const QString &id, const QString &customer) -> EntryForm * {
            return f.open<frmEquipmentEntry>(id, customer);
        },
        [form](EntryForm *f) { return form(f)->cmbBrand->currentText(); },
        [form](EntryForm *f) { return form(f)->txtModel->text(); },
        [form](EntryForm *f, const QString &t) { form(f)->cmbBrand->setEditText(t); },
        [form](EntryForm *f, const QString &t) { form(f)->txtModel->setText(t); },
        [](DetailsFixture &f, const QString &text) {
            return f.db().addMachine("Acme", { { "Model", text } });
        } };
}

Window telemarket()
{
    auto form = [](EntryForm *f) { return static_cast<frmTelemarketEntry *>(f); };
    return { "Telemarket", "Telemarketer", "Interest",
        "Telemarket information has not been saved. Do you want to save it now?",
        "You must enter a Telemarketer before saving.",
        [](DetailsFixture &f, const QString &id, const QString &customer) -> EntryForm * {
            return f.open<frmTelemarketEntry>(id, customer);
        },
        [form](EntryForm *f) { return form(f)->txtTelemarketer->text(); },
        [form](EntryForm *f) { return form(f)->txtInterest->toPlainText(); },
        [form](EntryForm *f, const QString &t) { form(f)->txtTelemarketer->setText(t); },
        [form](EntryForm *f, const QString &t) { form(f)->txtInterest->setPlainText(t); },
        [](DetailsFixture &f, const QString &text) {
            return f.db().addCall("Acme", { { "Interest", text } });
        } };
}

Window windowFor(const QString &kind)
{
    return kind == "equipment" ? equipment() : telemarket();
}

} // namespace

void tst_EntryCommon::kinds()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("equipment") << "equipment";
    QTest::newRow("telemarket") << "telemarket";
}

// The required field checked, blanks counting as given, and a row the engine refuses (a
// customer name longer than the column): the message shows, the window stays open with its
// change, and nothing is stored.
void tst_EntryCommon::requiredField_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("required");
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QString>("refusal"); // the title of the message refusing the save
    const QString tooLong(51, 'n');
    for (const char *kind : { "equipment", "telemarket" }) {
        auto row = [&](const char *name) -> QTestData & {
            return QTest::addRow("%s: %s", kind, name) << QString(kind);
        };
        row("empty refused") << ""
                             << "Acme"
                             << "Not Enough Information";
        row("blanks pass") << "  "
                           << "Acme"
                           << "";
        row("as typed") << "Konica minolta"
                        << "Acme"
                        << "";
        row("engine refuses") << "someone" << tooLong << "Corvane";
    }
}

void tst_EntryCommon::requiredField()
{
    QFETCH(QString, kind);
    QFETCH(QString, required);
    QFETCH(QString, customer);
    QFETCH(QString, refusal);
    const Window w = windowFor(kind);
    EntryForm *form = w.fill(*this, "", customer);
    w.setRequired(form, required);
    w.setText(form, "typed");
    if (!refusal.isEmpty()) {
        messages().expect(required.isEmpty()
                ? w.requiredMessage
                : QString(w.table == "Equipment" ? "The equipment could not be saved."
                                                 : "The call could not be saved.")
                    + "\n\nThe text for Customer is too long: at most 50 characters.",
            refusal);
    }
    QTest::mouseClick(form->btnOK, Qt::LeftButton);
    QVERIFY(messages().allShown());
    QCOMPARE(count(w.table), refusal.isEmpty() ? 1 : 0);
    if (refusal.isEmpty()) {
        QCOMPARE(lastRow(w.table)[w.requiredColumn].toString(), required);
    } else {
        QCOMPARE(w.text(form), QString("typed"));
        QVERIFY(!form->isSaved());
        QVERIFY(!main().area()->subWindowList().isEmpty());
    }
}

// Add pressed while the window shows a stored record: a new record for that customer, not an
// overwrite of the stored one.
void tst_EntryCommon::newRequestOnStoredRecord()
{
    QFETCH(QString, kind);
    const Window w = windowFor(kind);
    const qint64 stored = db().addMachine("Acme",
        { { "Model", "IR-1" }, { "DateLeased", QDate(2023, 1, 1) }, { "MonthlyPayment", 50.0 } });
    db().addCall("Acme", { { "Interest", "IR-1" } });

    EntryForm *form = w.fill(*this, QString::number(stored), "Acme");
    QCOMPARE(w.text(form), QString("IR-1"));
    QCOMPARE(w.fill(*this, "", "Baker"), form);
    QCOMPARE(form->txtID->text(), QString());
    QCOMPARE(form->txtCustomer->text(), QString("Baker"));
    QCOMPARE(w.text(form), QString());
    QCOMPARE(w.required(form), QString());
    QVERIFY(form->isSaved());
    if (auto *machine = qobject_cast<frmEquipmentEntry *>(form)) {
        QVERIFY(machine->optPurchased->isChecked());
        QVERIFY(!machine->txtMonthlyPayment->isEnabled());
    }

    w.setRequired(form, "new one");
    QTest::mouseClick(form->btnOK, Qt::LeftButton);
    QCOMPARE(count(w.table), 2);
    const QVariantMap kept = row(w.table, stored);
    QCOMPARE(kept["Customer"].toString(), QString("Acme"));
    QCOMPARE(kept[w.textColumn].toString(), QString("IR-1"));
    const QVariantMap added = lastRow(w.table);
    QCOMPARE(added["Customer"].toString(), QString("Baker"));
    QCOMPARE(added[w.requiredColumn].toString(), QString("new one"));
}

// A stored record with a change, and the window asked to go (close box or Cancel) or to take
// another record (Add or Edit pressed again): the question first, and each answer as it says.
void tst_EntryCommon::pendingChange_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<MsgBox::Answer>("answer");
    QTest::addColumn<QString>("required");
    QTest::addColumn<bool>("goes");
    QTest::addColumn<QString>("stored");

    for (const char *kind : { "equipment", "telemarket" }) {
        for (const char *trigger : { "close box", "Cancel", "another record" }) {
            auto row = [&](const char *name) -> QTestData & {
                return QTest::addRow("%s, %s: %s", kind, trigger, name)
                    << QString(kind) << QString(trigger);
            };
            row("yes saves") << MsgBox::Yes << "kept" << true << "changed";
            row("yes with the field missing stays") << MsgBox::Yes << "" << false << "first";
            row("no drops the change") << MsgBox::No << "kept" << true << "first";
            row("cancel keeps it as it was") << MsgBox::Cancel << "kept" << false << "first";
        }
    }
}

void tst_EntryCommon::pendingChange()
{
    QFETCH(QString, kind);
    QFETCH(QString, trigger);
    QFETCH(MsgBox::Answer, answer);
    QFETCH(QString, required);
    QFETCH(bool, goes);
    QFETCH(QString, stored);
    const Window w = windowFor(kind);
    const qint64 first = w.add(*this, "first");
    const qint64 second = w.add(*this, "second");
    auto isOpen = [&] { return !main().area()->subWindowList().isEmpty(); };

    // A stored record opened and closed unchanged closes without a word.
    DetailsFixture::closeBox(w.fill(*this, QString::number(first), "Acme"));
    QTRY_VERIFY(!isOpen());

    EntryForm *form = w.fill(*this, QString::number(first), "Acme");
    w.setRequired(form, required);
    w.setText(form, "changed");
    messages().expect(w.question, "Information Not Saved", answer);
    if (answer == MsgBox::Yes && required.isEmpty())
        messages().expect(w.requiredMessage, "Not Enough Information");
    if (trigger == "another record") {
        w.fill(*this, QString::number(second), "Acme");
        QCOMPARE(form->txtID->text(), QString::number(goes ? second : first));
        QCOMPARE(w.text(form), goes ? QString("second") : QString("changed"));
        QCOMPARE(form->isSaved(), goes);
    } else {
        if (trigger == "Cancel")
            QTest::mouseClick(form->btnCancel, Qt::LeftButton);
        else
            DetailsFixture::closeBox(form);
        QTRY_COMPARE(isOpen(), !goes);
        if (!goes)
            QCOMPARE(w.text(form), QString("changed"));
    }
    QVERIFY(messages().allShown());
    QCOMPARE(row(w.table, first)[w.textColumn].toString(), stored);
    QCOMPARE(count(w.table), 2);
    if (!goes)
        QVERIFY(DetailsFixture::caption(form).endsWith(" *"));
}

void tst_EntryCommon::recordNoLongerStored_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("id");
    for (const char *kind : { "equipment", "telemarket" }) {
        QTest::addRow("%s: deleted", kind) << QString(kind) << "999";
        QTest::addRow("%s: no number", kind) << QString(kind) << "12; DROP TABLE Customer";
    }
}

void tst_EntryCommon::recordNoLongerStored()
{
    QFETCH(QString, kind);
    QFETCH(QString, id);
    const Window w = windowFor(kind);
    const QString message = kind == "equipment"
        ? "The selected Equipment is no longer stored; it may have been deleted. The window now "
          "holds a new machine for the customer."
        : "The selected Call is no longer stored; it may have been deleted. The window now holds "
          "a new call for the customer.";
    messages().expect(message, "Record Not Found");
    EntryForm *form = w.fill(*this, id, "Acme");
    QVERIFY(messages().allShown());
    QCOMPARE(form->txtID->text(), QString());
    QCOMPARE(form->txtCustomer->text(), QString("Acme"));
    QVERIFY(form->isSaved());

    w.setRequired(form, "someone");
    QTest::mouseClick(form->btnOK, Qt::LeftButton);
    QCOMPARE(count(w.table), 1);
    QCOMPARE(lastRow(w.table)["Customer"].toString(), QString("Acme"));
    QCOMPARE(count("Customer"), 0); // the statement was a value, not SQL
}

CORVANE_TEST(tst_EntryCommon)
#include "tst_EntryCommon.moc"
