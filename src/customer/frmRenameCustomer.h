#pragma once

#include "ChildForm.h"

class QLineEdit;
class QPushButton;

// The small window in which the user gives a customer a new name; OK moves the customer, its
// machines and its calls to that name and shows the customer under it.
class frmRenameCustomer : public ChildForm
{
    Q_OBJECT
public:
    explicit frmRenameCustomer(QWidget *parent = nullptr);

    void load() override;

    QLineEdit *txtFrom, *txtTo;
    QPushButton *btnOK, *btnCancel;

private:
    void btnOK_Click();
    void closeWindow();
};
