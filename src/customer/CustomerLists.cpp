#include "CustomerLists.h"

#include "DataGrid.h"
#include "Database.h"
#include "DetailGrid.h"
#include "ErrorGuard.h"
#include "FormParts.h"
#include "MDI.h"
#include "MainMod.h"
#include "MsgBox.h"
#include "frmCustomerEntry.h"
#include "frmEquipmentEntry.h"
#include "frmTelemarketEntry.h"

#include <QComboBox>
#include <QPushButton>

namespace {

// Both lists in the order the records were stored, the first two columns kept in view.
const DetailList &machines()
{
    static const DetailList list = {
        .headers = { "Brand", "Model", "Serial No.", "Provider", "Date Purchased", "Date Leased",
            "Lease Term", "Lease Ends", "Volume", "Payment", "Satisfied", "Notes", "Date Entered",
            "ID" },
        .sql = QStringLiteral("SELECT * FROM Equipment WHERE Customer = ? ORDER BY DateEntered"),
        .fields = machineFields(),
        .fixedCols = 2,
    };
    return list;
}

const DetailList &calls()
{
    static const DetailList list = {
        .headers = { "Date Of Call", "Telemarketer", "Call Back", "Interest", "Date Added", "ID" },
        .sql = QStringLiteral("SELECT * FROM Telemarket WHERE Customer = ? ORDER BY DateEntered"),
        .fields = callFields(),
        .fixedCols = 2,
    };
    return list;
}

// Opens the entry window (an open one is reused) and hands it the record and the customer.
template <typename Entry> void openEntry(QWidget *form, const QString &id, const QString &customer)
{
    if (MDI *main = FormParts::host(form))
        main->registry().open<Entry>()->FillForm(id, customer);
}

} // namespace

CustomerLists::CustomerLists(frmCustomerEntry &form)
    : QObject(&form)
    , m_form(form)
{
    auto on = [this](QPushButton *button, void (CustomerLists::*handler)()) {
        connect(
            button, &QPushButton::clicked, this, guarded([this, handler] { (this->*handler)(); }));
    };
    on(form.btnAddEquipment, &CustomerLists::addMachine);
    on(form.btnEditEquipment, &CustomerLists::editMachine);
    on(form.btnDeleteEquipment, &CustomerLists::deleteMachine);
    on(form.btnAddTelemarket, &CustomerLists::addCall);
    on(form.btnEditTelemarket, &CustomerLists::editCall);
    on(form.btnDeleteTelemarket, &CustomerLists::deleteCall);
}

void CustomerLists::fillMachines()
{
    fillDetailGrid(*m_form.vsfgEquipment, machines(), m_form.cmbCustomer->currentText());
}

void CustomerLists::fillCalls()
{
    fillDetailGrid(*m_form.vsfgTelemarket, calls(), m_form.cmbCustomer->currentText());
}

QString CustomerLists::currentId(const DataGrid &grid)
{
    const int row = grid.row();
    if (row <= 0)
        return QString();
    return grid.textMatrix(row, grid.cols() - 1);
}

bool CustomerLists::askDelete(const char *what) const
{
    return MsgBox::show(
               QStringLiteral("Are you sure you want to delete the selected %1?").arg(what),
               QStringLiteral("Delete Confirmation"), MsgBox::YesNo)
        == MsgBox::Yes;
}

void CustomerLists::addMachine()
{
    const QString customer = m_form.cmbCustomer->currentText();
    if (!customer.isEmpty())
        openEntry<frmEquipmentEntry>(&m_form, QString(), customer);
}

void CustomerLists::editMachine()
{
    const QString customer = m_form.cmbCustomer->currentText();
    if (m_form.vsfgEquipment->row() > 0 && !customer.isEmpty())
        openEntry<frmEquipmentEntry>(&m_form, currentId(*m_form.vsfgEquipment), customer);
}

void CustomerLists::deleteMachine()
{
    if (m_form.vsfgEquipment->row() <= 0 || !askDelete("Equipment"))
        return;
    gDatabase->execute(QStringLiteral("DELETE * FROM Equipment WHERE ID = ?"),
        { currentId(*m_form.vsfgEquipment) });
    m_form.UpdateEquipmentGrid();
}

void CustomerLists::addCall()
{
    const QString customer = m_form.cmbCustomer->currentText();
    if (!customer.isEmpty())
        openEntry<frmTelemarketEntry>(&m_form, QString(), customer);
}

void CustomerLists::editCall()
{
    const QString customer = m_form.cmbCustomer->currentText();
    if (m_form.vsfgTelemarket->row() > 0 && !customer.isEmpty())
        openEntry<frmTelemarketEntry>(&m_form, currentId(*m_form.vsfgTelemarket), customer);
}

void CustomerLists::deleteCall()
{
    if (m_form.vsfgTelemarket->row() <= 0 || !askDelete("Call"))
        return;
    gDatabase->execute(QStringLiteral("DELETE * FROM Telemarket WHERE ID = ?"),
        { currentId(*m_form.vsfgTelemarket) });
    m_form.UpdateTelemarketGrid();
}
