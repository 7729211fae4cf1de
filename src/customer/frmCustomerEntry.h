#pragma once

#include "ChildForm.h"

class QComboBox;

// The window in which a customer is created, looked up by name, edited and saved, with the
// customer's machines and calls listed below its fields.
// (Outline: the window itself is being built; the operations below are the ones other windows call.)
class frmCustomerEntry : public ChildForm
{
    Q_OBJECT
public:
    explicit frmCustomerEntry(QWidget *parent = nullptr);

    // Loads the customer named by the text of cmbCustomer, refreshes both lists, marks it saved.
    void FillForm();
    // Refill the machine list and the call list for the name in cmbCustomer.
    void UpdateEquipmentGrid();
    void UpdateTelemarketGrid();

    QComboBox *cmbCustomer;
};
