#include "EntryForm.h"

#include "Database.h"
#include "ErrorGuard.h"
#include "FormFrame.h"
#include "MsgBox.h"
#include "ProgramValues.h"
#include "Recordset.h"
#include "WindowNotifier.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <optional>

namespace {

const QString NotSavedTitle = QStringLiteral("Information Not Saved");
const QString MissingTitle = QStringLiteral("Not Enough Information");
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;

} // namespace

EntryForm::EntryForm(const Texts &texts, QWidget *parent)
    : ChildForm(parent)
    , m_texts(texts)
{
    setWindowTitle(m_texts.caption);
    txtID = placeControl<QLabel>(this, "txtID", FieldLeft, 120, ShortField, TextHeight);
    lblID = placeCaptionOf(txtID, "lblID", QStringLiteral("ID:"), 120, TextHeight);
    txtCustomer = placeControl<QLabel>(this, "txtCustomer", FieldLeft, 420, WideField, TextHeight);
    lblCustomer
        = placeCaptionOf(txtCustomer, "lblCustomer", QStringLiteral("Customer:"), 420, TextHeight);
    for (QLabel *value : { txtID, txtCustomer })
        value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QLabel *EntryForm::placeCaptionOf(
    QWidget *field, const char *name, const QString &caption, int top, int height)
{
    return placeFieldCaption(
        this, name, caption, CaptionLeft, top, CaptionWidth, std::min(height, ListHeight), field);
}

void EntryForm::load()
{
    // At the top left of the main window's client area, with a fixed border: the fields are
    // laid out for this one size.
    fixFrame(this);
    placeAtTopLeft(this);
}

void EntryForm::markChanged()
{
    Saved = false;
    setWindowTitle(m_texts.caption + QStringLiteral(" *"));
}

void EntryForm::markSaved()
{
    Saved = true;
    setWindowTitle(m_texts.caption);
}

void EntryForm::handOver(const QString &id, const QString &customer)
{
    // The record asked for is the one the user is now looking at.
    bringToFront(this);
    if (!settleChanges())
        return;

    // The row is read before anything changes, so that an engine error leaves the window as
    // it was.
    std::optional<Recordset> rs;
    bool isNumber = false;
    const qlonglong key = id.toLongLong(&isNumber);
    if (isNumber) {
        rs = gDatabase->openRecordset(
            QStringLiteral("SELECT * FROM %1 WHERE ID = ?").arg(m_texts.table), { key });
    }
    const bool stored = rs && !rs->eof();

    // Whatever the window held before goes, so that nothing of it is stored under this record.
    resetFields();
    txtID->setText(stored ? id : QString());
    if (stored)
        showRow(*rs);
    if (rs)
        rs->close();
    // A record deleted meanwhile becomes a new one for the customer asked for, never a row
    // without its customer; the user is told so.
    txtCustomer->setText(customer);
    markSaved();
    if (!stored && !id.isEmpty())
        MsgBox::show(m_texts.notFound, QStringLiteral("Record Not Found"));
}

void EntryForm::saveRecord()
{
    const QString id = txtID->text();
    if (!id.isEmpty()) {
        Recordset rs = gDatabase->openRecordset(
            QStringLiteral("SELECT * FROM %1 WHERE ID = ?").arg(m_texts.table),
            { id.toLongLong() });
        rs.edit();
        writeRow(rs);
        rs.update();
        rs.close();
    } else {
        Recordset rs
            = gDatabase->openRecordset(QStringLiteral("SELECT TOP 1 * FROM %1").arg(m_texts.table));
        rs.addNew();
        rs.setField(QStringLiteral("DateEntered"), QDateTime::currentDateTime());
        writeRow(rs);
        rs.update();
        rs.close();
    }
    markSaved();
}

QVariant EntryForm::textValue(const QString &text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

WindowNotifier *EntryForm::notifier() const
{
    // Without a main window no other window can listen: the record is stored all the same, and
    // the customer window shows it the next time it shows the customer.
    return WindowNotifier::of(this);
}

bool EntryForm::saveIfComplete()
{
    if (!requiredFieldPresent()) {
        MsgBox::show(m_texts.required, MissingTitle);
        return false;
    }
    // A refused save leaves the window as the user left it: open, changed, nothing stored.
    if (!runGuarded(m_texts.saveFailed, [this] { saveRecord(); }))
        return false;
    refreshCustomerList();
    return true;
}

bool EntryForm::settleChanges()
{
    if (Saved)
        return true;
    switch (MsgBox::show(m_texts.question, NotSavedTitle, MsgBox::YesNoCancel)) {
    case MsgBox::Yes:
        return saveIfComplete();
    case MsgBox::No:
        return true;
    default:
        return false;
    }
}

bool EntryForm::queryUnload()
{
    return settleChanges();
}

void EntryForm::addButtons(int top)
{
    btnOK = placeCaptioned<QPushButton>(
        this, "btnOK", QStringLiteral("OK"), 2040, top, ButtonWidth, ButtonHeight);
    btnCancel = placeCaptioned<QPushButton>(
        this, "btnCancel", QStringLiteral("Cancel"), 3480, top, ButtonWidth, ButtonHeight);
    setCancelButton(btnCancel);
    connect(btnOK, &QPushButton::clicked, this, guarded([this] { btnOK_Click(); }));
    connect(btnCancel, &QPushButton::clicked, this, guarded([this] { close(); }));
}

void EntryForm::chainTabOrder(const QList<QWidget *> &order)
{
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void EntryForm::btnOK_Click()
{
    if (saveIfComplete())
        close();
}
