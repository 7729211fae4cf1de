#pragma once

class DataGrid;
class frmCustomerEntry;
class QGroupBox;
class QPushButton;

// Puts the customer window's frames, fields, captions, lists and buttons at their designed
// places, names them for screen readers and sets the designed tab order.
class CustomerEntryLayout
{
public:
    static void build(frmCustomerEntry &w);

private:
    static void customerFrame(frmCustomerEntry &w);
    static QGroupBox *listFrame(frmCustomerEntry &w, const char *name, const char *caption, int top,
        DataGrid *&grid, const char *gridName, QPushButton *(&buttons)[3],
        const char *const names[3]);
    static void tabOrder(frmCustomerEntry &w);
};
