#include "WindowRequests.h"

#include "FormFrame.h"
#include "ReportsMod.h"
#include "WindowRegistry.h"
#include "frmCustomerEntry.h"
#include "frmEquipmentEntry.h"
#include "frmNavReport.h"
#include "frmTelemarketEntry.h"

#include <QComboBox>

WindowRequests::WindowRequests(WindowRegistry &registry, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
{
    // Direct connections: the window is open and filled when the request returns, and an engine
    // error while opening it ends the requesting action.
    WindowNotifier *notifier = &registry.notifier();
    connect(notifier, &WindowNotifier::showCustomer, this, &WindowRequests::showCustomer,
        Qt::DirectConnection);
    connect(
        notifier, &WindowNotifier::openCustomerWindow, this,
        [this] { m_registry.open<frmCustomerEntry>(); }, Qt::DirectConnection);
    connect(notifier, &WindowNotifier::editMachine, this, &WindowRequests::editMachine,
        Qt::DirectConnection);
    connect(
        notifier, &WindowNotifier::editCall, this, &WindowRequests::editCall, Qt::DirectConnection);
    connect(notifier, &WindowNotifier::showReportOptions, this, &WindowRequests::showReportOptions,
        Qt::DirectConnection);
    connect(
        notifier, &WindowNotifier::showExport, this,
        [](const QString &sql) { ReportsMod::ShowExportReport(sql); }, Qt::DirectConnection);
}

void WindowRequests::showCustomer(const QString &name)
{
    frmCustomerEntry *entry = m_registry.open<frmCustomerEntry>();
    // An open window behind others comes to the front: a change the user cannot see would look
    // like nothing happened.
    bringToFront(entry);
    entry->cmbCustomer->setEditText(name);
    entry->FillForm();
}

void WindowRequests::editMachine(const QString &id, const QString &customer)
{
    m_registry.open<frmEquipmentEntry>()->FillForm(id, customer);
}

void WindowRequests::editCall(const QString &id, const QString &customer)
{
    m_registry.open<frmTelemarketEntry>()->FillForm(id, customer);
}

void WindowRequests::showReportOptions(const QString &sql)
{
    m_registry.open<frmNavReport>()->SetSQL(sql);
}
