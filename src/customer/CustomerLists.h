#pragma once

#include <QObject>

class DataGrid;
class frmCustomerEntry;

// The customer window's lists of the customer's machines and calls, and their Add, Edit and
// Delete buttons, which hand a record to the equipment or call window or delete it.
class CustomerLists : public QObject
{
    Q_OBJECT
public:
    explicit CustomerLists(frmCustomerEntry &form);

    // Refill a list for the name in the window's name box, read fresh from the database.
    void fillMachines();
    void fillCalls();

private:
    void addMachine();
    void editMachine();
    void deleteMachine();
    void addCall();
    void editCall();
    void deleteCall();

    // The ID in the last column of the list's current row; empty when the header row or no
    // row is current.
    static QString currentId(const DataGrid &grid);
    bool askDelete(const char *what) const;

    frmCustomerEntry &m_form;
};
