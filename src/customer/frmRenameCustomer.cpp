#include "frmRenameCustomer.h"

#include "ControlPlacement.h"
#include "CustomerRecords.h"
#include "Database.h"
#include "ErrorGuard.h"
#include "FormFrame.h"
#include "MsgBox.h"
#include "ProgramValues.h"
#include "WindowRegistry.h"
#include "frmCustomerEntry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

frmRenameCustomer::frmRenameCustomer(QWidget *parent)
    : ChildForm(parent)
{
    setObjectName(QStringLiteral("frmRenameCustomer"));
    setWindowTitle(QStringLiteral("Rename Customer"));

    txtFrom = placeControl<QLineEdit>(this, "txtFrom", 720, 120, 3195, 285);
    txtTo = placeControl<QLineEdit>(this, "txtTo", 720, 540, 3195, 285);
    placeFieldCaption(this, "Label1", QStringLiteral("From:"), 120, 135, 540, 255, txtFrom);
    placeFieldCaption(this, "Label2", QStringLiteral("To:"), 120, 555, 540, 255, txtTo);
    // Shown for reference only; the focus passes it by.
    txtFrom->setEnabled(false);

    btnOK = placeCaptioned<QPushButton>(this, "btnOK", QStringLiteral("OK"), 720, 1020, 1455, 375);
    btnCancel = placeCaptioned<QPushButton>(
        this, "btnCancel", QStringLiteral("Cancel"), 2460, 1020, 1455, 375);
    // Enter anywhere else, in "To:" for one, is OK.
    setDefaultButton(btnOK);
    setCancelButton(btnCancel);

    QWidget::setTabOrder(btnOK, btnCancel);
    QWidget::setTabOrder(btnCancel, txtFrom);
    QWidget::setTabOrder(txtFrom, txtTo);
    selectAllOnFocus({ txtTo });

    connect(btnOK, &QPushButton::clicked, this,
        guarded(QStringLiteral("The customer could not be renamed."), [this] { btnOK_Click(); }));
    connect(btnCancel, &QPushButton::clicked, this, guarded([this] { closeWindow(); }));
    resize(twipsToPixels(4095), twipsToPixels(1545));
}

void frmRenameCustomer::load()
{
    fixFrame(this);
    btnOK->setFocus();
}

void frmRenameCustomer::btnOK_Click()
{
    const QString from = txtFrom->text();
    const QString to = txtTo->text();
    if (to.isEmpty() || from.isEmpty()) {
        MsgBox::show(QStringLiteral("You must enter the name you want to change it to."),
            QStringLiteral("Not Enough Info"));
        return;
    }
    // Letter case aside: a change of case alone finds the customer itself.
    if (customerExists(*gDatabase, to)) {
        MsgBox::show(QStringLiteral("Customer Name already exists, please select another name."),
            QStringLiteral("Customer Name Exists"));
        return;
    }
    renameCustomer(*gDatabase, from, to);

    // Opened again if it was closed meanwhile; shown under the new name, its list holding the
    // new name in its sorted place.
    if (WindowRegistry *registry = WindowRegistry::of(this)) {
        frmCustomerEntry *entry = registry->open<frmCustomerEntry>();
        entry->fillCustomerList();
        entry->cmbCustomer->setEditText(to);
    }
    closeWindow();
}

void frmRenameCustomer::closeWindow()
{
    if (auto *frame = parentWidget())
        frame->close();
    else
        close();
}
