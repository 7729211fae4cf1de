#pragma once

#include <QObject>
#include <functional>

class DataGrid;
class QGroupBox;
class QPushButton;
class QWidget;
class frmCustomerEntry;

// The customer window's lists of the customer's machines and calls, and their Add, Edit and
// Delete buttons, which hand a record to the equipment or call window or delete it.
class CustomerLists : public QObject
{
    Q_OBJECT
public:
    explicit CustomerLists(frmCustomerEntry &form);

    // A list of the customer's records in a frame of the form, with Add, Edit and Delete beside
    // it; the list and the buttons are named by the kind of record.
    static QGroupBox *buildFrame(QWidget *form, const char *name, const char *caption, int top,
        const char *kind, DataGrid *&grid, QPushButton *&add, QPushButton *&edit,
        QPushButton *&remove);

    // Refill a list for the name in the window's name box, read fresh from the database.
    void fillMachines();
    void fillCalls();

private:
    // What tells the two lists apart.
    struct List
    {
        DataGrid *grid;
        const char *what; // in the delete question
        const char *table;
        std::function<void(const QString &id, const QString &customer)> open;
        std::function<void()> refill;
    };

    void add(const List &list);
    void edit(const List &list);
    void remove(const List &list);

    // The ID in the last column of the list's current row.
    static QString currentId(const DataGrid &grid);

    frmCustomerEntry &m_form;
    const List m_machines;
    const List m_calls;
};
