#pragma once

#include "ChildForm.h"

#include <QObject>
#include <QString>

// The one object the windows talk through, so that no window family needs another's header.
// Requests ask the shell, which knows every window, to open a window of another family and hand
// it the arguments; news tells the windows that subscribed what another window has done. Every
// connection is direct: a handler has run when its signal returns, in the order the windows
// always acted, and an engine error in it ends the sender's action as well.
class WindowNotifier : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The notifier of the main window that holds the form (see WindowRegistry::of); null
    // where there is no main window.
    static WindowNotifier *of(const QWidget *form);

    // Connects a loaded window to news for as long as it stays loaded: a window that has
    // closed no longer answers, also before it is actually deleted.
    template <typename Signal, typename Slot>
    void subscribe(ChildForm *form, Signal signal, Slot slot)
    {
        const QMetaObject::Connection news = connect(this, signal, form, slot);
        connect(form, &ChildForm::unloaded, this, [news] { disconnect(news); });
    }

signals:
    // Requests the shell answers.
    // The customer window on this name: the name set into its name box, then FillForm.
    void showCustomer(const QString &name);
    // The customer window as it is, for a new customer.
    void openCustomerWindow();
    // The machine or the call window on a record (its ID as text, empty for a new one).
    void editMachine(const QString &id, const QString &customer);
    void editCall(const QString &id, const QString &customer);
    // The report options on a search, and the export list of a search.
    void showReportOptions(const QString &sql);
    void showExport(const QString &sql);

    // News.
    // The customer window closed while the navigator was open: what it stored may change the
    // navigator's results.
    void customerRecordsChanged(const QString &name);
    // A machine or a call of the customer was stored.
    void machinesChanged(const QString &customer);
    void callsChanged(const QString &customer);
};
