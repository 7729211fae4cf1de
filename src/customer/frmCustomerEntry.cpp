#include "frmCustomerEntry.h"

#include <QComboBox>

frmCustomerEntry::frmCustomerEntry(QWidget *parent)
    : ChildForm(parent)
    , cmbCustomer(new QComboBox(this))
{
    setObjectName(QStringLiteral("frmCustomerEntry"));
    setWindowTitle(QStringLiteral("Customer Entry/Edit"));
    cmbCustomer->setObjectName(QStringLiteral("cmbCustomer"));
    cmbCustomer->setEditable(true);
}

void frmCustomerEntry::FillForm() { }

void frmCustomerEntry::UpdateEquipmentGrid() { }

void frmCustomerEntry::UpdateTelemarketGrid() { }
