#pragma once

#include "ChildForm.h"

// The window in which the user adds or edits one machine of a customer.
// (Outline: the window itself is being built; FillForm is the operation other windows call.)
class frmEquipmentEntry : public ChildForm
{
    Q_OBJECT
public:
    explicit frmEquipmentEntry(QWidget *parent = nullptr);

    // Shows the stored row with this ID (decimal text), or a new record when the ID is empty,
    // for the named customer.
    void FillForm(const QString &id, const QString &customer);
};
