#include "CustomerEntryLayout.h"

#include "DataGrid.h"
#include "FormParts.h"
#include "frmCustomerEntry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace FormParts;

namespace {

// The rows of the customer fields, in twips inside their frame.
constexpr int RowTop = 300;
constexpr int RowPitch = 360;
constexpr int BoxHeight = 285;
constexpr int ListHeight = 315;
constexpr int rowTop(int row)
{
    return RowTop + row * RowPitch;
}

} // namespace

void CustomerEntryLayout::build(frmCustomerEntry &w)
{
    customerFrame(w);
    static const char *const machineButtons[3]
        = { "btnAddEquipment", "btnEditEquipment", "btnDeleteEquipment" };
    static const char *const callButtons[3]
        = { "btnAddTelemarket", "btnEditTelemarket", "btnDeleteTelemarket" };
    QPushButton *machines[3];
    QPushButton *calls[3];
    w.Frame2 = listFrame(w, "Frame2", "Equipment Information", 3990, w.vsfgEquipment,
        "vsfgEquipment", machines, machineButtons);
    w.Frame3 = listFrame(w, "Frame3", "Telemarketing Information", 5880, w.vsfgTelemarket,
        "vsfgTelemarket", calls, callButtons);
    w.btnAddEquipment = machines[0];
    w.btnEditEquipment = machines[1];
    w.btnDeleteEquipment = machines[2];
    w.btnAddTelemarket = calls[0];
    w.btnEditTelemarket = calls[1];
    w.btnDeleteTelemarket = calls[2];
    tabOrder(w);
    w.resize(twipsToPixels(8970), twipsToPixels(7755));
}

void CustomerEntryLayout::customerFrame(frmCustomerEntry &w)
{
    w.Frame1 = placeControl<QGroupBox>(&w, "Frame1", 60, 0, 8850, 3960);
    w.Frame1->setTitle(QStringLiteral("Customer Information"));
    QWidget *f = w.Frame1;

    // The left column: the customer and its address.
    constexpr int labelLeft = 120, labelWidth = 960, left = 1140, width = 3060;
    w.cmbCustomer = placeControl<QComboBox>(f, "cmbCustomer", left, rowTop(0), width, ListHeight);
    w.txtAddress1 = placeControl<QLineEdit>(f, "txtAddress1", left, rowTop(1), width, BoxHeight);
    w.txtAddress2 = placeControl<QLineEdit>(f, "txtAddress2", left, rowTop(2), width, BoxHeight);
    w.txtCity = placeControl<QLineEdit>(f, "txtCity", left, rowTop(3), 1560, BoxHeight);
    w.txtState = placeControl<QLineEdit>(f, "txtState", 2760, rowTop(3), 450, BoxHeight);
    w.txtZip = placeControl<QLineEdit>(f, "txtZip", 3270, rowTop(3), 930, BoxHeight);
    w.txtPhone = placeControl<QLineEdit>(f, "txtPhone", left, rowTop(4), width, BoxHeight);
    w.txtFax = placeControl<QLineEdit>(f, "txtFax", left, rowTop(5), width, BoxHeight);
    w.txtWebsite = placeControl<QLineEdit>(f, "txtWebsite", left, rowTop(6), width, BoxHeight);
    w.cmbType = placeControl<QComboBox>(f, "cmbType", left, rowTop(7), width, ListHeight);
    caption(f, "Label1", "Customer:", labelLeft, rowTop(0) + 30, labelWidth, w.cmbCustomer);
    caption(f, "Label2", "Address 1:", labelLeft, rowTop(1) + 15, labelWidth, w.txtAddress1);
    caption(f, "Label3", "Address 2:", labelLeft, rowTop(2) + 15, labelWidth, w.txtAddress2);
    caption(f, "Label4", "City/St/Zip:", labelLeft, rowTop(3) + 15, labelWidth, w.txtCity);
    w.txtState->setAccessibleName(QStringLiteral("State"));
    w.txtZip->setAccessibleName(QStringLiteral("Zip"));
    caption(f, "Label5", "Phone:", labelLeft, rowTop(4) + 15, labelWidth, w.txtPhone);
    caption(f, "Label6", "Fax:", labelLeft, rowTop(5) + 15, labelWidth, w.txtFax);
    caption(f, "Label7", "WebSite:", labelLeft, rowTop(6) + 15, labelWidth, w.txtWebsite);
    caption(f, "Label8", "Type:", labelLeft, rowTop(7) + 30, labelWidth, w.cmbType);

    // The right column: the two contacts, their repeated captions told apart by name.
    constexpr int rightLabelLeft = 4320, rightLabelWidth = 1080, rightLeft = 5460;
    constexpr int rightWidth = 3300;
    const char *const names[2][5] = {
        { "txtContact1", "txtContact1Title", "txtContact1Phone", "txtContact1Fax",
            "txtContact1Email" },
        { "txtContact2", "txtContact2Title", "txtContact2Phone", "txtContact2Fax",
            "txtContact2Email" },
    };
    const char *const captions[5] = { nullptr, "Title:", "Phone:", "Fax:", "Email:" };
    const char *const spoken[5] = { nullptr, "Title", "Phone", "Fax", "Email" };
    QLineEdit **boxes[2][5] = {
        { &w.txtContact1, &w.txtContact1Title, &w.txtContact1Phone, &w.txtContact1Fax,
            &w.txtContact1Email },
        { &w.txtContact2, &w.txtContact2Title, &w.txtContact2Phone, &w.txtContact2Fax,
            &w.txtContact2Email },
    };
    int label = 9;
    for (int contact = 0; contact < 2; ++contact) {
        for (int i = 0; i < 5; ++i) {
            const int row = contact * 5 + i;
            QLineEdit *box = placeControl<QLineEdit>(
                f, names[contact][i], rightLeft, rowTop(row), rightWidth, BoxHeight);
            *boxes[contact][i] = box;
            const QByteArray labelName = "Label" + QByteArray::number(label++);
            const QString who = QStringLiteral("Contact %1").arg(contact + 1);
            const QByteArray text
                = i == 0 ? (who + QLatin1Char(':')).toLatin1() : QByteArray(captions[i]);
            caption(f, labelName.constData(), text.constData(), rightLabelLeft, rowTop(row) + 15,
                rightLabelWidth, box,
                i == 0 ? QString() : who + QLatin1Char(' ') + QLatin1String(spoken[i]));
        }
    }

    // Four equal buttons below the left column.
    const char *const buttonNames[4] = { "btnSave", "btnExit", "btnDelete", "btnRename" };
    const char *const buttonTexts[4] = { "Save", "Exit", "Delete", "Rename" };
    QPushButton **buttons[4] = { &w.btnSave, &w.btnExit, &w.btnDelete, &w.btnRename };
    for (int i = 0; i < 4; ++i) {
        auto *button = placeControl<QPushButton>(f, buttonNames[i], 120 + i * 1035, 3300, 975, 375);
        button->setText(QLatin1String(buttonTexts[i]));
        button->setAutoDefault(false);
        *buttons[i] = button;
    }
}

QGroupBox *CustomerEntryLayout::listFrame(frmCustomerEntry &w, const char *name,
    const char *caption, int top, DataGrid *&grid, const char *gridName, QPushButton *(&buttons)[3],
    const char *const names[3])
{
    auto *frame = placeControl<QGroupBox>(&w, name, 60, top, 8850, 1860);
    frame->setTitle(QLatin1String(caption));
    grid = placeControl<DataGrid>(frame, gridName, 120, 300, 7440, 1440);
    grid->setAccessibleName(QLatin1String(caption));
    grid->setSortOnHeaderClick(false);
    grid->setTypeAhead(false);
    grid->setUserResize(false, false);
    const char *const texts[3] = { "Add", "Edit", "Delete" };
    for (int i = 0; i < 3; ++i) {
        buttons[i] = placeControl<QPushButton>(frame, names[i], 7680, 300 + i * 480, 1050, 375);
        buttons[i]->setText(QLatin1String(texts[i]));
        buttons[i]->setAutoDefault(false);
    }
    return frame;
}

void CustomerEntryLayout::tabOrder(frmCustomerEntry &w)
{
    QList<QWidget *> order = { w.cmbCustomer };
    for (QLineEdit *box : w.addressBoxes())
        order << box;
    order << w.cmbType;
    for (QLineEdit *box : w.contactBoxes())
        order << box;
    order << w.btnSave << w.btnExit << w.btnDelete << w.btnRename << w.vsfgEquipment
          << w.btnAddEquipment << w.btnEditEquipment << w.btnDeleteEquipment << w.vsfgTelemarket
          << w.btnAddTelemarket << w.btnEditTelemarket << w.btnDeleteTelemarket;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
