#pragma once

#include <QObject>

class WindowRegistry;

// The shell's answers to the windows' requests: it knows every window kind, so it opens the one
// asked for through the registry and hands it the arguments. The windows themselves know only
// their own family and the notifier.
class WindowRequests : public QObject
{
    Q_OBJECT
public:
    WindowRequests(WindowRegistry &registry, QObject *parent);

private:
    void showCustomer(const QString &name);
    void editMachine(const QString &id, const QString &customer);
    void editCall(const QString &id, const QString &customer);
    void showReportOptions(const QString &sql);

    WindowRegistry &m_registry;
};
