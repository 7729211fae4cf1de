#pragma once

#include "EntryForm.h"

class DatePicker;
class MaskedEdit;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The window in which the user adds or edits one machine of a customer: purchased or leased,
// with the lease's term, end and monthly payment for a leased one.
class frmEquipmentEntry : public EntryForm
{
    Q_OBJECT
public:
    explicit frmEquipmentEntry(QWidget *parent = nullptr);

    void load() override;

    // Shows the stored row with this ID (decimal text), or a new record when the ID is empty,
    // for the named customer.
    void FillForm(const QString &id, const QString &customer);

    QComboBox *cmbBrand, *cmbProvider, *cmbSatisfied;
    QLineEdit *txtModel, *txtSN, *txtLeaseTerm, *txtMonthlyVolume;
    QRadioButton *optPurchased, *optLeased;
    DatePicker *dtDate, *dtLeaseEnds;
    MaskedEdit *txtMonthlyPayment;
    QPlainTextEdit *txtNotes;

private:
    void buildFields();
    void connectEvents();
    void FillLists();
    void opt_Click();

    bool requiredFieldPresent() const override;
    void resetFields() override;
    void showRow(const Recordset &row) override;
    void writeRow(Recordset &row) const override;
    void refreshCustomerList() override;

    QButtonGroup *m_purchase;
};
