#include "frmTelemarketEntry.h"

#include "CellText.h"
#include "DatePicker.h"
#include "FormFrame.h"
#include "Formats.h"
#include "ProgramValues.h"
#include "Recordset.h"
#include "WindowNotifier.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// This window never stores a call without its dates; a row stored so elsewhere shows today.
QDate dateOrToday(const QVariant &value)
{
    const QDate date = value.toDate();
    return date.isValid() ? date : QDate::currentDate();
}

} // namespace

frmTelemarketEntry::frmTelemarketEntry(QWidget *parent)
    : EntryForm({ QStringLiteral("Telemarket"), QStringLiteral("Telemarket Entry"),
                    QStringLiteral("Telemarket information has not been saved. Do you want to "
                                   "save it now?"),
                    QStringLiteral("You must enter a Telemarketer before saving."),
                    QStringLiteral("The selected Call is no longer stored; it may have been "
                                   "deleted. The window now holds a new call for the "
                                   "customer."),
                    QStringLiteral("The call could not be saved.") },
        parent)
{
    setObjectName(QStringLiteral("frmTelemarketEntry"));
    buildFields();
    connectEvents();
    resize(twipsToPixels(5460), twipsToPixels(4110));
}

void frmTelemarketEntry::buildFields()
{
    dtDate
        = placeField<DatePicker>("dtDate", 780, ShortField, ListHeight, "lblDate", "Date of Call:");
    txtTelemarketer = placeField<QLineEdit>(
        "txtTelemarketer", 1170, WideField, TextHeight, "lblTelemarketer", "Telemarketer:");
    txtTelemarketer->setMaxLength(50);
    dtCallBack = placeField<DatePicker>(
        "dtCallBack", 1530, ShortField, ListHeight, "lblCallBack", "Next Call Back:");
    txtInterest = placeField<QPlainTextEdit>(
        "txtInterest", 1920, WideField, 1455, "lblInterest", "Interest:");
    txtInterest->setTabChangesFocus(true);
    addButtons(3555);

    chainTabOrder({ dtDate, txtTelemarketer, dtCallBack, txtInterest, btnOK, btnCancel });
}

void frmTelemarketEntry::connectEvents()
{
    connect(dtDate, &QDateEdit::dateChanged, this, [this] { dtDate_Change(); });
    connect(dtDate, &DatePicker::clicked, this, [this] { dtDate_Change(); });
    // Leaving the date of the call sets the call-back again; see eventFilter.
    dtDate->installEventFilter(this);

    auto mark = [this] { markChanged(); };
    auto markUnlessRule = [this] {
        if (!m_settingCallBack)
            markChanged();
    };
    connect(dtCallBack, &QDateEdit::dateChanged, this, markUnlessRule);
    connect(dtCallBack, &DatePicker::clicked, this, mark);
    connect(txtTelemarketer, &QLineEdit::textChanged, this, mark);
    connect(txtInterest, &QPlainTextEdit::textChanged, this, mark);
    selectAllOnFocus({ txtTelemarketer });
}

bool frmTelemarketEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == dtDate && event->type() == QEvent::FocusOut) {
        // Its own calendar and a switch to another program take the focus without the user
        // leaving the date.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            setCallBack();
    }
    return EntryForm::eventFilter(watched, event);
}

void frmTelemarketEntry::load()
{
    EntryForm::load();
    resetFields();
    dtDate->setFocus();
    markSaved();
}

void frmTelemarketEntry::resetFields()
{
    txtTelemarketer->clear();
    txtInterest->clear();
    dtDate->setDate(QDate::currentDate());
    setCallBack();
}

void frmTelemarketEntry::setCallBack()
{
    m_settingCallBack = true;
    dtCallBack->setDate(addMonths(dtDate->date(), gCallBackMonths));
    m_settingCallBack = false;
}

void frmTelemarketEntry::dtDate_Change()
{
    setCallBack();
    markChanged();
}

void frmTelemarketEntry::FillForm(const QString &id, const QString &customer)
{
    handOver(id, customer);
}

void frmTelemarketEntry::showRow(const Recordset &row)
{
    dtDate->setDate(dateOrToday(row.field(QStringLiteral("DateofCall"))));
    txtTelemarketer->setText(cellText(row.field(QStringLiteral("Telemarketer"))));
    // After the date of the call, whose change computed a call-back: the stored one holds.
    dtCallBack->setDate(dateOrToday(row.field(QStringLiteral("NextCallBack"))));
    txtInterest->setPlainText(cellText(row.field(QStringLiteral("Interest"))));
}

bool frmTelemarketEntry::requiredFieldPresent() const
{
    // Only the empty text is refused; a telemarketer of blanks is stored as typed.
    return !txtTelemarketer->text().isEmpty();
}

void frmTelemarketEntry::writeRow(Recordset &row) const
{
    row.setField(QStringLiteral("Customer"), textValue(txtCustomer->text()));
    row.setField(QStringLiteral("DateofCall"), dtDate->date());
    row.setField(QStringLiteral("Telemarketer"), textValue(txtTelemarketer->text()));
    row.setField(QStringLiteral("NextCallBack"), dtCallBack->date());
    row.setField(QStringLiteral("Interest"), textValue(txtInterest->toPlainText()));
}

void frmTelemarketEntry::refreshCustomerList()
{
    if (WindowNotifier *news = notifier())
        emit news->callsChanged(txtCustomer->text());
}
