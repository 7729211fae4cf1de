#include "CustomerLists.h"

#include "ControlPlacement.h"

#include "DataGrid.h"
#include "Database.h"
#include "DetailGrid.h"
#include "ErrorGuard.h"
#include "MsgBox.h"
#include "ProgramValues.h"
#include "WindowNotifier.h"
#include "frmCustomerEntry.h"

#include <QComboBox>
#include <QGroupBox>
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

// Asks for the entry window (an open one is reused), handed the record and the customer.
void openEntry(QWidget *form, void (WindowNotifier::*request)(const QString &, const QString &),
    const QString &id, const QString &customer)
{
    if (WindowNotifier *notifier = WindowNotifier::of(form))
        (notifier->*request)(id, customer);
}

} // namespace

// A list of the customer's records with Add, Edit and Delete beside it; the list and the buttons
// are named by the kind of record.
QGroupBox *CustomerLists::buildFrame(QWidget *form, const char *name, const char *caption, int top,
    const char *kind, DataGrid *&grid, QPushButton *&add, QPushButton *&edit, QPushButton *&remove)
{
    auto *frame = placeControl<QGroupBox>(form, name, 60, top, 8850, 1860);
    frame->setTitle(QLatin1String(caption));
    const QByteArray gridName = "vsfg" + QByteArray(kind);
    grid = placeControl<DataGrid>(frame, gridName.constData(), 120, 300, 7440, 1440);
    grid->setAccessibleName(QLatin1String(caption));
    grid->setSortOnHeaderClick(false);
    grid->setTypeAhead(false);
    grid->setUserResize(false, false);
    auto button = [frame, kind](const char *text, int index) {
        const QByteArray buttonName = "btn" + QByteArray(text) + kind;
        auto *widget = placeCaptioned<QPushButton>(
            frame, buttonName.constData(), QLatin1String(text), 7680, 300 + index * 480, 1050, 375);
        widget->setAutoDefault(false);
        return widget;
    };
    add = button("Add", 0);
    edit = button("Edit", 1);
    remove = button("Delete", 2);
    return frame;
}

CustomerLists::CustomerLists(frmCustomerEntry &form)
    : QObject(&form)
    , m_form(form)
    , m_machines { form.vsfgEquipment, "Equipment", "Equipment",
        [this](const QString &id, const QString &customer) {
            openEntry(&m_form, &WindowNotifier::editMachine, id, customer);
        },
        [this] { m_form.UpdateEquipmentGrid(); } }
    , m_calls { form.vsfgTelemarket, "Call", "Telemarket",
        [this](const QString &id, const QString &customer) {
            openEntry(&m_form, &WindowNotifier::editCall, id, customer);
        },
        [this] { m_form.UpdateTelemarketGrid(); } }
{
    auto on = [this](QPushButton *button, void (CustomerLists::*handler)(const List &),
                  const List &list) {
        connect(button, &QPushButton::clicked, this,
            guarded([this, handler, &list] { (this->*handler)(list); }));
    };
    on(form.btnAddEquipment, &CustomerLists::add, m_machines);
    on(form.btnEditEquipment, &CustomerLists::edit, m_machines);
    on(form.btnDeleteEquipment, &CustomerLists::remove, m_machines);
    on(form.btnAddTelemarket, &CustomerLists::add, m_calls);
    on(form.btnEditTelemarket, &CustomerLists::edit, m_calls);
    on(form.btnDeleteTelemarket, &CustomerLists::remove, m_calls);
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
    return grid.textMatrix(grid.row(), grid.cols() - 1);
}

void CustomerLists::add(const List &list)
{
    // The name as typed is handed over: the customer need not be stored yet.
    const QString customer = m_form.cmbCustomer->currentText();
    if (!customer.isEmpty())
        list.open(QString(), customer);
}

void CustomerLists::edit(const List &list)
{
    const QString customer = m_form.cmbCustomer->currentText();
    if (list.grid->row() > 0 && !customer.isEmpty())
        list.open(currentId(*list.grid), customer);
}

void CustomerLists::remove(const List &list)
{
    if (list.grid->row() <= 0)
        return;
    if (MsgBox::show(
            QStringLiteral("Are you sure you want to delete the selected %1?").arg(list.what),
            QStringLiteral("Delete Confirmation"), MsgBox::YesNo)
        != MsgBox::Yes)
        return;
    runGuarded(QStringLiteral("The selected %1 could not be deleted.")
                   .arg(QString::fromLatin1(list.what).toLower()),
        [&] {
            gDatabase->execute(QStringLiteral("DELETE * FROM %1 WHERE ID = ?").arg(list.table),
                { currentId(*list.grid) });
        });
    list.refill();
}
