#include "frmEquipmentEntry.h"

#include "CellText.h"
#include "Database.h"
#include "DatePicker.h"
#include "EntryLayout.h"
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

using namespace EntryLayout;

namespace {

// The width of the text columns a machine is stored in.
constexpr int ColumnWidth = 50;

QComboBox *typedList(QWidget *parent, const char *name, int top, int width)
{
    auto *list = field<QComboBox>(parent, name, top, width, ListHeight);
    // A new brand joins the list only when the window is loaded again.
    makeTypedList(list);
    list->lineEdit()->setMaxLength(ColumnWidth);
    return list;
}

QLineEdit *textBox(QWidget *parent, const char *name, int top, int width)
{
    auto *box = field<QLineEdit>(parent, name, top, width, TextHeight);
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
                                   "customer.") },
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
    cmbBrand = typedList(this, "cmbBrand", 780, WideField);
    txtModel = textBox(this, "txtModel", 1170, WideField);
    txtSN = textBox(this, "txtSN", 1530, WideField);
    cmbProvider = typedList(this, "cmbProvider", 1890, WideField);

    optPurchased = placeControl<QRadioButton>(this, "optPurchased", FieldLeft, 2280, 1215, 255);
    optPurchased->setText(QStringLiteral("Purchased"));
    optLeased = placeControl<QRadioButton>(this, "optLeased", FieldLeft + 1320, 2280, 1215, 255);
    optLeased->setText(QStringLiteral("Leased"));
    m_purchase = new QButtonGroup(this);
    m_purchase->addButton(optPurchased);
    m_purchase->addButton(optLeased);

    dtDate = field<DatePicker>(this, "dtDate", 2640, ShortField, ListHeight);
    txtLeaseTerm = textBox(this, "txtLeaseTerm", 3030, ShortField);
    dtLeaseEnds = field<DatePicker>(this, "dtLeaseEnds", 3390, ShortField, ListHeight);
    txtMonthlyPayment = field<MaskedEdit>(this, "txtMonthlyPayment", 3780, ShortField, TextHeight);
    txtMonthlyPayment->setFormat(QStringLiteral("$#,##0.00;($#,##0.00)"));
    txtMonthlyPayment->setPromptChar(QLatin1Char('_'));
    txtMonthlyVolume = textBox(this, "txtMonthlyVolume", 4140, ShortField);
    cmbSatisfied = typedList(this, "cmbSatisfied", 4500, ShortField);
    txtNotes = field<QPlainTextEdit>(this, "txtNotes", 4890, WideField, 1095);
    txtNotes->setTabChangesFocus(true);

    addButtons(6165);

    caption(this, "lblBrand", "Brand:", cmbBrand);
    caption(this, "lblModel", "Model:", txtModel);
    caption(this, "lblSN", "Serial Number:", txtSN);
    caption(this, "lblProvider", "Provider", cmbProvider);
    caption(this, "lblDate", "Date Purch./Leased:", dtDate);
    caption(this, "lblLeaseTerm", "Lease Term:", txtLeaseTerm);
    caption(this, "lblLeaseEnds", "Lease Ends:", dtLeaseEnds);
    caption(this, "lblMonthlyPayment", "Monthly Payment:", txtMonthlyPayment);
    caption(this, "lblMonthlyVolume", "Monthly Volume:", txtMonthlyVolume);
    caption(this, "lblSatisfied", "Satisfied:", cmbSatisfied);
    caption(this, "lblNotes", "Notes:", txtNotes);
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
