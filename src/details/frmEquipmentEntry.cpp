#include "frmEquipmentEntry.h"

#include "CellText.h"
#include "Database.h"
#include "DatePicker.h"
#include "FormFrame.h"
#include "Formats.h"
#include "MaskedEdit.h"
#include "ProgramValues.h"
#include "Recordset.h"
#include "TypedList.h"
#include "WindowNotifier.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The width of the text columns a machine is stored in.
constexpr int ColumnWidth = 50;

// A list of the values stored so far, in which a new value may be typed.
QComboBox *typedList(QComboBox *list)
{
    // A new brand joins the list only when the window is loaded again.
    makeTypedList(list);
    list->lineEdit()->setMaxLength(ColumnWidth);
    return list;
}

QLineEdit *textBox(QLineEdit *box)
{
    box->setMaxLength(ColumnWidth);
    return box;
}

QString textOf(const Recordset &row, const char *column)
{
    return cellText(row.field(QLatin1String(column)));
}

} // namespace

frmEquipmentEntry::frmEquipmentEntry(QWidget *parent)
    : EntryForm({ QStringLiteral("Equipment"), QStringLiteral("Equipment Entry"),
                    QStringLiteral("Equipment information has not been saved. Do you want to "
                                   "save it now?"),
                    QStringLiteral("You must select a Brand before saving."),
                    QStringLiteral("The selected Equipment is no longer stored; it may have been "
                                   "deleted. The window now holds a new machine for the "
                                   "customer."),
                    QStringLiteral("The equipment could not be saved.") },
        parent)
{
    setObjectName(QStringLiteral("frmEquipmentEntry"));
    buildFields();
    chainTabOrder({ cmbBrand, txtModel, txtSN, cmbProvider, optPurchased, optLeased, dtDate,
        txtLeaseTerm, dtLeaseEnds, txtMonthlyPayment, txtMonthlyVolume, cmbSatisfied, txtNotes,
        btnOK, btnCancel });
    connectEvents();
    resize(twipsToPixels(5460), twipsToPixels(6720));
}

void frmEquipmentEntry::buildFields()
{
    cmbBrand = typedList(
        placeField<QComboBox>("cmbBrand", 780, WideField, ListHeight, "lblBrand", "Brand:"));
    txtModel = textBox(
        placeField<QLineEdit>("txtModel", 1170, WideField, TextHeight, "lblModel", "Model:"));
    txtSN = textBox(
        placeField<QLineEdit>("txtSN", 1530, WideField, TextHeight, "lblSN", "Serial Number:"));
    cmbProvider = typedList(placeField<QComboBox>(
        "cmbProvider", 1890, WideField, ListHeight, "lblProvider", "Provider"));

    optPurchased = placeCaptioned<QRadioButton>(
        this, "optPurchased", QStringLiteral("Purchased"), FieldLeft, 2280, 1215, 255);
    optLeased = placeCaptioned<QRadioButton>(
        this, "optLeased", QStringLiteral("Leased"), FieldLeft + 1320, 2280, 1215, 255);
    m_purchase = new QButtonGroup(this);
    m_purchase->addButton(optPurchased);
    m_purchase->addButton(optLeased);

    dtDate = placeField<DatePicker>(
        "dtDate", 2640, ShortField, ListHeight, "lblDate", "Date Purch./Leased:");
    txtLeaseTerm = textBox(placeField<QLineEdit>(
        "txtLeaseTerm", 3030, ShortField, TextHeight, "lblLeaseTerm", "Lease Term:"));
    dtLeaseEnds = placeField<DatePicker>(
        "dtLeaseEnds", 3390, ShortField, ListHeight, "lblLeaseEnds", "Lease Ends:");
    txtMonthlyPayment = placeField<MaskedEdit>(
        "txtMonthlyPayment", 3780, ShortField, TextHeight, "lblMonthlyPayment", "Monthly Payment:");
    txtMonthlyPayment->setFormat(QStringLiteral("$#,##0.00;($#,##0.00)"));
    txtMonthlyPayment->setPromptChar(QLatin1Char('_'));
    txtMonthlyVolume = textBox(placeField<QLineEdit>(
        "txtMonthlyVolume", 4140, ShortField, TextHeight, "lblMonthlyVolume", "Monthly Volume:"));
    cmbSatisfied = typedList(placeField<QComboBox>(
        "cmbSatisfied", 4500, ShortField, ListHeight, "lblSatisfied", "Satisfied:"));
    txtNotes = placeField<QPlainTextEdit>("txtNotes", 4890, WideField, 1095, "lblNotes", "Notes:");
    txtNotes->setTabChangesFocus(true);

    addButtons(6165);
}

void frmEquipmentEntry::connectEvents()
{
    auto mark = [this] { markChanged(); };
    for (QComboBox *list : { cmbBrand, cmbProvider, cmbSatisfied }) {
        connect(list, &QComboBox::editTextChanged, this, mark);
        connect(list, &QComboBox::activated, this, mark);
    }
    for (DatePicker *picker : { dtDate, dtLeaseEnds }) {
        connect(picker, &QDateEdit::dateChanged, this, mark);
        connect(picker, &DatePicker::clicked, this, mark);
    }
    for (QLineEdit *box : { txtModel, txtSN, txtLeaseTerm, txtMonthlyVolume })
        connect(box, &QLineEdit::textChanged, this, mark);
    connect(txtNotes, &QPlainTextEdit::textChanged, this, mark);
    connect(txtMonthlyPayment, &MaskedEdit::contentChanged, this, mark);
    for (QRadioButton *option : { optPurchased, optLeased })
        connect(option, &QRadioButton::clicked, this, [this] { opt_Click(); });
    selectAllOnFocus({ txtModel, txtSN, txtLeaseTerm, txtMonthlyVolume, txtMonthlyPayment });
}

void frmEquipmentEntry::load()
{
    EntryForm::load();
    FillLists();
    resetFields();
    cmbBrand->setFocus();
    markSaved();
}

void frmEquipmentEntry::FillLists()
{
    // A brand or provider that was never given (Null or empty) is no choice to offer.
    auto fill = [](QComboBox *list, const QString &sql, const char *column) {
        Recordset rs = gDatabase->openRecordset(sql);
        while (!rs.eof()) {
            const QString value = textOf(rs, column);
            if (!value.isEmpty())
                list->addItem(value);
            rs.moveNext();
        }
        rs.close();
    };
    fill(cmbBrand, QStringLiteral("SELECT DISTINCT Brand FROM Equipment ORDER BY Brand"), "Brand");
    fill(cmbProvider, QStringLiteral("SELECT DISTINCT Provider FROM Equipment ORDER BY Provider"),
        "Provider");
    cmbSatisfied->addItems({ QStringLiteral("Yes"), QStringLiteral("No") });
}

void frmEquipmentEntry::resetFields()
{
    for (QComboBox *list : { cmbBrand, cmbProvider, cmbSatisfied }) {
        list->setCurrentIndex(-1);
        list->setEditText(QString());
    }
    for (QLineEdit *box : { txtModel, txtSN, txtLeaseTerm, txtMonthlyVolume })
        box->clear();
    txtMonthlyPayment->setContent(QString());
    txtNotes->clear();
    optPurchased->setChecked(true);
    opt_Click();
    const QDate today = QDate::currentDate();
    dtDate->setDate(today);
    dtLeaseEnds->setDate(today);
}

void frmEquipmentEntry::FillForm(const QString &id, const QString &customer)
{
    handOver(id, customer);
}

void frmEquipmentEntry::showRow(const Recordset &row)
{
    cmbBrand->setEditText(textOf(row, "Brand"));
    txtModel->setText(textOf(row, "Model"));
    txtSN->setText(textOf(row, "SN"));
    cmbProvider->setEditText(textOf(row, "Provider"));

    const QVariant purchased = row.field(QStringLiteral("DatePurchased"));
    if (!purchased.isNull()) {
        optPurchased->setChecked(true);
        opt_Click();
        dtDate->setDate(purchased.toDate());
    }
    const QVariant leased = row.field(QStringLiteral("DateLeased"));
    if (!leased.isNull()) {
        optLeased->setChecked(true);
        opt_Click();
        dtDate->setDate(leased.toDate());
        txtLeaseTerm->setText(textOf(row, "LeaseTerm"));
        const QVariant ends = row.field(QStringLiteral("LeaseEnds"));
        if (!ends.isNull())
            dtLeaseEnds->setDate(ends.toDate());
        const QVariant payment = row.field(QStringLiteral("MonthlyPayment"));
        txtMonthlyPayment->setContent(
            payment.isNull() ? QString() : numberText(payment.toDouble()));
    }

    txtMonthlyVolume->setText(textOf(row, "MonthlyVolume"));
    cmbSatisfied->setEditText(textOf(row, "Satisfied"));
    txtNotes->setPlainText(textOf(row, "Notes"));
}

void frmEquipmentEntry::opt_Click()
{
    markChanged();
    const bool leased = optLeased->isChecked();
    for (QWidget *lease :
        std::initializer_list<QWidget *> { txtLeaseTerm, dtLeaseEnds, txtMonthlyPayment })
        lease->setEnabled(leased);
}

bool frmEquipmentEntry::requiredFieldPresent() const
{
    // Only the empty text is refused; a brand of blanks is a brand as typed.
    return !cmbBrand->currentText().isEmpty();
}

void frmEquipmentEntry::writeRow(Recordset &row) const
{
    auto text = [&row](const char *column, const QString &value) {
        row.setField(QLatin1String(column), textValue(value));
    };
    text("Customer", txtCustomer->text());
    text("Brand", cmbBrand->currentText());
    text("Model", txtModel->text());
    text("SN", txtSN->text());
    text("Provider", cmbProvider->currentText());

    // Purchased or leased is told by which of the two dates a row holds; the lease's columns
    // belong to a leased machine only.
    const bool purchased = optPurchased->isChecked();
    const QVariant none;
    row.setField(QStringLiteral("DatePurchased"), purchased ? QVariant(dtDate->date()) : none);
    row.setField(QStringLiteral("DateLeased"), purchased ? none : QVariant(dtDate->date()));
    row.setField(QStringLiteral("LeaseTerm"), purchased ? none : textValue(txtLeaseTerm->text()));
    row.setField(QStringLiteral("LeaseEnds"), purchased ? none : QVariant(dtLeaseEnds->date()));
    // A payment that is no number is stored as zero.
    row.setField(QStringLiteral("MonthlyPayment"),
        purchased ? none : QVariant(toCurrency(txtMonthlyPayment->content())));

    text("MonthlyVolume", txtMonthlyVolume->text());
    text("Satisfied", cmbSatisfied->currentText());
    text("Notes", txtNotes->toPlainText());
}

void frmEquipmentEntry::refreshCustomerList()
{
    if (WindowNotifier *news = notifier())
        emit news->machinesChanged(txtCustomer->text());
}
