#pragma once

#include "EntryForm.h"

class DatePicker;
class QLineEdit;
class QPlainTextEdit;

// The window in which the user records one telemarketing call to a customer, or edits one: the
// next call-back follows the date of the call by the configured number of months.
class frmTelemarketEntry : public EntryForm
{
    Q_OBJECT
public:
    explicit frmTelemarketEntry(QWidget *parent = nullptr);

    void load() override;

    // Shows the stored row with this ID (decimal text), or a new record when the ID is empty,
    // for the named customer.
    void FillForm(const QString &id, const QString &customer);

    DatePicker *dtDate, *dtCallBack;
    QLineEdit *txtTelemarketer;
    QPlainTextEdit *txtInterest;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFields();
    void connectEvents();
    // The call-back date: the date of the call plus gCallBackMonths calendar months.
    void setCallBack();
    void dtDate_Change();

    bool requiredFieldPresent() const override;
    void resetFields() override;
    void showRow(const Recordset &row) override;
    void writeRow(Recordset &row) const override;
    void refreshCustomerList() override;

    bool m_settingCallBack = false; // the rule sets the date, the user did not change it
};
