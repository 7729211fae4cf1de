#pragma once

#include "ChildForm.h"

#include <QList>

class CustomerLists;
class TextListModel;
class DataGrid;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The window in which a customer is created, looked up by name, edited and saved, with the
// customer's machines and calls listed below its fields. The text of cmbCustomer is the key:
// every change of it loads that customer.
class frmCustomerEntry : public ChildForm
{
    Q_OBJECT
public:
    explicit frmCustomerEntry(QWidget *parent = nullptr);
    ~frmCustomerEntry() override;

    void load() override;
    bool queryUnload() override;

    // Loads the customer named by the text of cmbCustomer, refreshes both lists, marks it saved.
    void FillForm();
    // Refill the machine list and the call list for the name in cmbCustomer.
    void UpdateEquipmentGrid();
    void UpdateTelemarketGrid();

    // Replaces the name list with every stored name, leaving the name box empty and unchanged
    // in its events; the caller sets the name it wants shown.
    void fillCustomerList();
    // Empties every field and both lists and marks the window saved (after a save or a delete).
    void clearWindow();
    // True while the window holds nothing that has not been stored.
    bool isSaved() const { return Saved; }

    QGroupBox *Frame1, *Frame2, *Frame3;
    QComboBox *cmbCustomer, *cmbType;
    QLineEdit *txtAddress1, *txtAddress2, *txtCity, *txtState, *txtZip, *txtPhone, *txtFax,
        *txtWebsite;
    QLineEdit *txtContact1, *txtContact1Title, *txtContact1Phone, *txtContact1Fax,
        *txtContact1Email;
    QLineEdit *txtContact2, *txtContact2Title, *txtContact2Phone, *txtContact2Fax,
        *txtContact2Email;
    QPushButton *btnSave, *btnExit, *btnDelete, *btnRename;
    DataGrid *vsfgEquipment, *vsfgTelemarket;
    QPushButton *btnAddEquipment, *btnEditEquipment, *btnDeleteEquipment;
    QPushButton *btnAddTelemarket, *btnEditTelemarket, *btnDeleteTelemarket;

private:
    void buildCustomerFrame();
    QLineEdit *placeContact(int row, const char *name, const char *captionName, const char *caption,
        const QString &spoken = QString());
    void setTabOrder();
    void connectEvents();

    // The 8 address boxes and the 10 contact boxes, in the order the table's columns stand.
    QList<QLineEdit *> addressBoxes() const;
    QList<QLineEdit *> contactBoxes() const;
    void markSaved(bool saved);
    void showCaption();
    struct Filling;

    void btnSave_Click();
    // Stores the customer and clears the window; false when the engine refused (told already).
    bool SaveCustomer();
    void storeCustomer();
    void btnExit_Click();
    void btnDelete_Click();
    void btnRename_Click();

    TextListModel *m_names;
    CustomerLists *m_lists;
    bool Saved = true;
    int m_filling = 0;
};
