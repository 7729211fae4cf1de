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
class tst_EntryCommon : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void requiredField_data();
    void requiredField();
    void failedSaveKeepsTheWindow_data() { kinds(); }
    void failedSaveKeepsTheWindow();
    void closeStep_data();
    void closeStep();
    void newRequestOnStoredRecord_data() { kinds(); }
    void newRequestOnStoredRecord();
    void anotherRecordWithChanges_data();
    void anotherRecordWithChanges();
    void recordNoLongerStored_data();
    void recordNoLongerStored();

private:
    void kinds();

    std::unique_ptr<DetailsFixture> m_f;
};

namespace {

// What the tests need of either window: its required field and one free text.
struct Window
{
    QString table, requiredColumn, textColumn, question, requiredMessage;
    std::function<EntryForm *(DetailsFixture &, const QString &, const QString &)> fill;
    std::function<QString(EntryForm *)> required, text;
    std::function<void(EntryForm *, const QString &)> setRequired, setText;
    std::function<void(EntryForm *)> ok;
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
        [form](EntryForm *f) { QTest::mouseClick(form(f)->btnOK, Qt::LeftButton); },
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
        [form](EntryForm *f) { QTest::mouseClick(form(f)->btnOK, Qt::LeftButton); },
        [](DetailsFixture &f, const QString &text) {
            return f.db().addCall("Acme", { { "Interest", text } });
        } };
}

Window windowFor(const QString &kind)
{
    return kind == "equipment" ? equipment() : telemarket();
}

} // namespace

void tst_EntryCommon::init()
{
    m_f = std::make_unique<DetailsFixture>();
}

void tst_EntryCommon::cleanup()
{
    QVERIFY2(
        m_f->messages().problems().isEmpty(), qPrintable(m_f->messages().problems().join('\n')));
    m_f.reset();
}

void tst_EntryCommon::kinds()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("equipment") << "equipment";
    QTest::newRow("telemarket") << "telemarket";
}

void tst_EntryCommon::requiredField_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("required");
    for (const char *kind : { "equipment", "telemarket" }) {
        QTest::addRow("%s: empty refused", kind) << QString(kind) << "";
        QTest::addRow("%s: blanks pass", kind) << QString(kind) << "  ";
        QTest::addRow("%s: as typed", kind) << QString(kind) << "Konica minolta";
    }
}

void tst_EntryCommon::requiredField()
{
    QFETCH(QString, kind);
    QFETCH(QString, required);
    const Window w = windowFor(kind);
    EntryForm *form = w.fill(*m_f, "", "Acme");
    w.setRequired(form, required);
    w.setText(form, "typed");
    if (required.isEmpty())
        m_f->messages().expect(w.requiredMessage, "Not Enough Information");
    w.ok(form);
    QCOMPARE(m_f->count(w.table), required.isEmpty() ? 0 : 1);
    if (required.isEmpty()) {
        QCOMPARE(w.text(form), QString("typed"));
        QVERIFY(!form->isSaved());
    } else {
        QCOMPARE(m_f->lastRow(w.table)[w.requiredColumn].toString(), required);
    }
}

// The engine refuses the row (a customer name longer than the column): the message shows, the
// window stays open with its change, and nothing is stored.
void tst_EntryCommon::failedSaveKeepsTheWindow()
{
    QFETCH(QString, kind);
    const Window w = windowFor(kind);
    EntryForm *form = w.fill(*m_f, "", QString(51, 'n'));
    w.setRequired(form, "someone");
    m_f->messages().expect("The text for Customer is too long: at most 50 characters.", "Corvane");
    w.ok(form);
    QVERIFY(m_f->messages().allShown());
    QCOMPARE(m_f->count(w.table), 0);
    QVERIFY(!form->isSaved());
    QVERIFY(!m_f->main().area()->subWindowList().isEmpty());
}

void tst_EntryCommon::closeStep_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<MsgBox::Answer>("answer");
    QTest::addColumn<QString>("required");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<QString>("stored");

    for (const char *kind : { "equipment", "telemarket" }) {
        auto row = [kind](const char *name) -> QTestData & {
            return QTest::addRow("%s: %s", kind, name) << QString(kind);
        };
        row("yes saves") << MsgBox::Yes << "kept" << false << "changed";
        row("yes with the field missing stays") << MsgBox::Yes << "" << true << "old";
        row("no drops the change") << MsgBox::No << "kept" << false << "old";
        row("cancel stays as it was") << MsgBox::Cancel << "kept" << true << "old";
    }
}

void tst_EntryCommon::closeStep()
{
    QFETCH(QString, kind);
    QFETCH(MsgBox::Answer, answer);
    QFETCH(QString, required);
    QFETCH(bool, staysOpen);
    QFETCH(QString, stored);
    const Window w = windowFor(kind);
    const qint64 id = w.add(*m_f, "old");
    auto isOpen = [&] { return !m_f->main().area()->subWindowList().isEmpty(); };

    // A stored record opened and closed unchanged closes without a word.
    DetailsFixture::closeBox(w.fill(*m_f, QString::number(id), "Acme"));
    QTRY_VERIFY(!isOpen());

    EntryForm *form = w.fill(*m_f, QString::number(id), "Acme");
    w.setRequired(form, required);
    w.setText(form, "changed");
    m_f->messages().expect(w.question, "Information Not Saved", answer);
    if (answer == MsgBox::Yes && required.isEmpty())
        m_f->messages().expect(w.requiredMessage, "Not Enough Information");
    DetailsFixture::closeBox(form);
    QTRY_COMPARE(isOpen(), staysOpen);
    QCOMPARE(m_f->row(w.table, id)[w.textColumn].toString(), stored);
    if (staysOpen) {
        QCOMPARE(w.text(form), QString("changed"));
        QVERIFY(DetailsFixture::caption(form).endsWith(" *"));
    }
}

// Add pressed while the window shows a stored record: a new record for that customer, not an
// overwrite of the stored one.
void tst_EntryCommon::newRequestOnStoredRecord()
{
    QFETCH(QString, kind);
    const Window w = windowFor(kind);
    const qint64 stored = m_f->db().addMachine("Acme",
        { { "Model", "IR-1" }, { "DateLeased", QDate(2023, 1, 1) }, { "MonthlyPayment", 50.0 } });
    m_f->db().addCall("Acme", { { "Interest", "IR-1" } });

    EntryForm *form = w.fill(*m_f, QString::number(stored), "Acme");
    QCOMPARE(w.text(form), QString("IR-1"));
    QCOMPARE(w.fill(*m_f, "", "Baker"), form);
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
    w.ok(form);
    QCOMPARE(m_f->count(w.table), 2);
    const QVariantMap kept = m_f->row(w.table, stored);
    QCOMPARE(kept["Customer"].toString(), QString("Acme"));
    QCOMPARE(kept[w.textColumn].toString(), QString("IR-1"));
    const QVariantMap added = m_f->lastRow(w.table);
    QCOMPARE(added["Customer"].toString(), QString("Baker"));
    QCOMPARE(added[w.requiredColumn].toString(), QString("new one"));
}

void tst_EntryCommon::anotherRecordWithChanges_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<MsgBox::Answer>("answer");
    QTest::addColumn<QString>("required");
    QTest::addColumn<bool>("handedOver");
    QTest::addColumn<QString>("storedFirst");

    for (const char *kind : { "equipment", "telemarket" }) {
        auto row = [kind](const char *name) -> QTestData & {
            return QTest::addRow("%s: %s", kind, name) << QString(kind);
        };
        row("yes saves, then shows the other") << MsgBox::Yes << "kept" << true << "changed";
        row("yes with the field missing keeps it") << MsgBox::Yes << "" << false << "first";
        row("no drops the change") << MsgBox::No << "kept" << true << "first";
        row("cancel ignores the request") << MsgBox::Cancel << "kept" << false << "first";
    }
}

void tst_EntryCommon::anotherRecordWithChanges()
{
    QFETCH(QString, kind);
    QFETCH(MsgBox::Answer, answer);
    QFETCH(QString, required);
    QFETCH(bool, handedOver);
    QFETCH(QString, storedFirst);
    const Window w = windowFor(kind);
    const bool machines = kind == "equipment";
    auto add = [&](const QString &text) {
        const QVariantMap columns { { w.textColumn, text } };
        return machines ? m_f->db().addMachine("Acme", columns)
                        : m_f->db().addCall("Acme", columns);
    };
    const qint64 first = add("first");
    const qint64 second = add("second");

    EntryForm *form = w.fill(*m_f, QString::number(first), "Acme");
    w.setText(form, "changed");
    w.setRequired(form, required);
    m_f->messages().expect(w.question, "Information Not Saved", answer);
    if (answer == MsgBox::Yes && required.isEmpty())
        m_f->messages().expect(w.requiredMessage, "Not Enough Information");
    w.fill(*m_f, QString::number(second), "Acme");

    QCOMPARE(m_f->row(w.table, first)[w.textColumn].toString(), storedFirst);
    QCOMPARE(form->txtID->text(), QString::number(handedOver ? second : first));
    QCOMPARE(w.text(form), handedOver ? QString("second") : QString("changed"));
    QCOMPARE(form->isSaved(), handedOver);
    QCOMPARE(m_f->count(w.table), 2);
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
    m_f->messages().expect(message, "Record Not Found");
    EntryForm *form = w.fill(*m_f, id, "Acme");
    QVERIFY(m_f->messages().allShown());
    QCOMPARE(form->txtID->text(), QString());
    QCOMPARE(form->txtCustomer->text(), QString("Acme"));
    QVERIFY(form->isSaved());

    w.setRequired(form, "someone");
    w.ok(form);
    QCOMPARE(m_f->count(w.table), 1);
    QCOMPARE(m_f->lastRow(w.table)["Customer"].toString(), QString("Acme"));
    QCOMPARE(m_f->count("Customer"), 0); // the statement was a value, not SQL
}

CORVANE_TEST(tst_EntryCommon)
#include "tst_EntryCommon.moc"
