#include "frmCustomerEntry.h"

#include "ControlPlacement.h"
#include "CustomerLists.h"
#include "CustomerRecords.h"
#include "DataGrid.h"
#include "Database.h"
#include "ErrorGuard.h"
#include "FormFrame.h"
#include "MsgBox.h"
#include "ProgramValues.h"
#include "Recordset.h"
#include "TextListModel.h"
#include "TypedList.h"
#include "WindowNotifier.h"
#include "WindowRegistry.h"
#include "frmRenameCustomer.h"

#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const QString Caption = QStringLiteral("Customer Entry/Edit");
const QString FindCustomer = QStringLiteral("SELECT * FROM Customer WHERE Customer = ?");

// The columns the address boxes, the type and the contact boxes show, in that order.
const QStringList AddressColumns
    = { "Address1", "Address2", "City", "State", "Zip", "Phone", "Fax", "Website" };
const QString TypeColumn = QStringLiteral("Type");
const QStringList ContactColumns = { "Contact1", "Contact1Title", "Contact1Phone", "Contact1Fax",
    "Contact1Email", "Contact2", "Contact2Title", "Contact2Phone", "Contact2Fax", "Contact2Email" };

// The rows of the customer fields, in twips inside their frame.
constexpr int RowTop = 300;
constexpr int RowPitch = 360;
constexpr int BoxHeight = 285;
constexpr int ListHeight = 315;
constexpr int rowTop(int row)
{
    return RowTop + row * RowPitch;
}

void showRequired()
{
    MsgBox::show(QStringLiteral("Customer Name and Status are required."),
        QStringLiteral("Required Fields"));
}

} // namespace

frmCustomerEntry::frmCustomerEntry(QWidget *parent)
    : ChildForm(parent)
    , m_names(new TextListModel(this))
{
    setObjectName(QStringLiteral("frmCustomerEntry"));
    setWindowTitle(Caption);
    buildCustomerFrame();
    Frame2 = CustomerLists::buildFrame(this, "Frame2", "Equipment Information", 3990, "Equipment",
        vsfgEquipment, btnAddEquipment, btnEditEquipment, btnDeleteEquipment);
    Frame3 = CustomerLists::buildFrame(this, "Frame3", "Telemarketing Information", 5880,
        "Telemarket", vsfgTelemarket, btnAddTelemarket, btnEditTelemarket, btnDeleteTelemarket);
    setTabOrder();
    resize(twipsToPixels(8970), twipsToPixels(7755));
    // Any text may be typed as well as picked. The name list may hold every customer of a
    // large base: it is one model filled at once, the box is sized by its design rather than
    // by measuring every entry, and no completer runs through the list at every key. Typed
    // names are looked up as typed and never completed or added to the list.
    for (QComboBox *list : { cmbCustomer, cmbType }) {
        makeTypedList(list);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    cmbCustomer->setModel(m_names);
    if (auto *view = qobject_cast<QListView *>(cmbCustomer->view()))
        view->setUniformItemSizes(true);
    m_lists = new CustomerLists(*this);
    connectEvents();
}

frmCustomerEntry::~frmCustomerEntry() = default;

void frmCustomerEntry::buildCustomerFrame()
{
    Frame1 = placeControl<QGroupBox>(this, "Frame1", 60, 0, 8850, 3960);
    Frame1->setTitle(QStringLiteral("Customer Information"));
    QWidget *f = Frame1;

    // The left column: the customer and its address. A caption stands level with the text of
    // its field, a little lower before a list than before a box.
    constexpr int captionLeft = 120, captionWidth = 960, left = 1140, width = 3060;
    auto caption = [f](const char *name, const char *text, int row, int drop, QWidget *field) {
        placeFieldCaption(f, name, QLatin1String(text), captionLeft, rowTop(row) + drop,
            captionWidth, 255, field);
    };
    cmbCustomer = placeControl<QComboBox>(f, "cmbCustomer", left, rowTop(0), width, ListHeight);
    txtAddress1 = placeControl<QLineEdit>(f, "txtAddress1", left, rowTop(1), width, BoxHeight);
    txtAddress2 = placeControl<QLineEdit>(f, "txtAddress2", left, rowTop(2), width, BoxHeight);
    txtCity = placeControl<QLineEdit>(f, "txtCity", left, rowTop(3), 1560, BoxHeight);
    txtState = placeControl<QLineEdit>(f, "txtState", 2760, rowTop(3), 450, BoxHeight);
    txtZip = placeControl<QLineEdit>(f, "txtZip", 3270, rowTop(3), 930, BoxHeight);
    txtPhone = placeControl<QLineEdit>(f, "txtPhone", left, rowTop(4), width, BoxHeight);
    txtFax = placeControl<QLineEdit>(f, "txtFax", left, rowTop(5), width, BoxHeight);
    txtWebsite = placeControl<QLineEdit>(f, "txtWebsite", left, rowTop(6), width, BoxHeight);
    cmbType = placeControl<QComboBox>(f, "cmbType", left, rowTop(7), width, ListHeight);
    caption("Label1", "Customer:", 0, 30, cmbCustomer);
    caption("Label2", "Address 1:", 1, 15, txtAddress1);
    caption("Label3", "Address 2:", 2, 15, txtAddress2);
    caption("Label4", "City/St/Zip:", 3, 15, txtCity);
    txtState->setAccessibleName(QStringLiteral("State"));
    txtZip->setAccessibleName(QStringLiteral("Zip"));
    caption("Label5", "Phone:", 4, 15, txtPhone);
    caption("Label6", "Fax:", 5, 15, txtFax);
    caption("Label7", "WebSite:", 6, 15, txtWebsite);
    caption("Label8", "Type:", 7, 30, cmbType);

    // The right column: the two contacts, their repeated captions told apart by name.
    txtContact1 = placeContact(0, "txtContact1", "Label9", "Contact 1:");
    txtContact1Title = placeContact(1, "txtContact1Title", "Label10", "Title:", "Contact 1 Title");
    txtContact1Phone = placeContact(2, "txtContact1Phone", "Label11", "Phone:", "Contact 1 Phone");
    txtContact1Fax = placeContact(3, "txtContact1Fax", "Label12", "Fax:", "Contact 1 Fax");
    txtContact1Email = placeContact(4, "txtContact1Email", "Label13", "Email:", "Contact 1 Email");
    txtContact2 = placeContact(5, "txtContact2", "Label14", "Contact 2:");
    txtContact2Title = placeContact(6, "txtContact2Title", "Label15", "Title:", "Contact 2 Title");
    txtContact2Phone = placeContact(7, "txtContact2Phone", "Label16", "Phone:", "Contact 2 Phone");
    txtContact2Fax = placeContact(8, "txtContact2Fax", "Label17", "Fax:", "Contact 2 Fax");
    txtContact2Email = placeContact(9, "txtContact2Email", "Label18", "Email:", "Contact 2 Email");

    // Four equal buttons below the left column.
    auto button = [f](const char *name, const char *text, int index) {
        auto *widget = placeCaptioned<QPushButton>(
            f, name, QLatin1String(text), 120 + index * 1035, 3300, 975, 375);
        widget->setAutoDefault(false);
        return widget;
    };
    btnSave = button("btnSave", "Save", 0);
    btnExit = button("btnExit", "Exit", 1);
    btnDelete = button("btnDelete", "Delete", 2);
    btnRename = button("btnRename", "Rename", 3);
}

QLineEdit *frmCustomerEntry::placeContact(
    int row, const char *name, const char *captionName, const char *caption, const QString &spoken)
{
    auto *box = placeControl<QLineEdit>(Frame1, name, 5460, rowTop(row), 3300, BoxHeight);
    placeFieldCaption(Frame1, captionName, QLatin1String(caption), 4320, rowTop(row) + 15, 1080,
        255, box, spoken);
    return box;
}

void frmCustomerEntry::setTabOrder()
{
    QList<QWidget *> order = { cmbCustomer };
    for (QLineEdit *box : addressBoxes())
        order << box;
    order << cmbType;
    for (QLineEdit *box : contactBoxes())
        order << box;
    order << btnSave << btnExit << btnDelete << btnRename << vsfgEquipment << btnAddEquipment
          << btnEditEquipment << btnDeleteEquipment << vsfgTelemarket << btnAddTelemarket
          << btnEditTelemarket << btnDeleteTelemarket;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmCustomerEntry::connectEvents()
{
    // Every change of the name, typed, picked or set from code, loads that customer.
    const QString lookUp = QStringLiteral("The customer could not be looked up.");
    connect(
        cmbCustomer, &QComboBox::editTextChanged, this, guarded(lookUp, [this] { FillForm(); }));
    connect(cmbCustomer, &QComboBox::activated, this, guarded(lookUp, [this] { FillForm(); }));
    // Every change of another field marks the window changed, also one made from code;
    // whoever fills the window from code marks it saved again when done. Picking a type is a
    // change of its text; picking the type already shown changes nothing.
    auto changed = [this] { markSaved(false); };
    connect(cmbType, &QComboBox::editTextChanged, this, changed);
    const QList<QLineEdit *> boxes = addressBoxes() + contactBoxes();
    for (QLineEdit *box : boxes)
        connect(box, &QLineEdit::textChanged, this, changed);
    selectAllOnFocus(boxes);

    connect(btnSave, &QPushButton::clicked, this, guarded([this] { btnSave_Click(); }));
    connect(btnExit, &QPushButton::clicked, this, guarded([this] { btnExit_Click(); }));
    connect(btnDelete, &QPushButton::clicked, this,
        guarded(
            QStringLiteral("The customer could not be deleted."), [this] { btnDelete_Click(); }));
    connect(btnRename, &QPushButton::clicked, this, guarded([this] { btnRename_Click(); }));
}

QList<QLineEdit *> frmCustomerEntry::addressBoxes() const
{
    return { txtAddress1, txtAddress2, txtCity, txtState, txtZip, txtPhone, txtFax, txtWebsite };
}

QList<QLineEdit *> frmCustomerEntry::contactBoxes() const
{
    return { txtContact1, txtContact1Title, txtContact1Phone, txtContact1Fax, txtContact1Email,
        txtContact2, txtContact2Title, txtContact2Phone, txtContact2Fax, txtContact2Email };
}

void frmCustomerEntry::markSaved(bool saved)
{
    Saved = saved;
    // While the window fills itself every field marks it changed and the fill marks it saved
    // at the end: the caption shows only the outcome, so that the frame is not redrawn twice
    // for every field.
    if (m_filling == 0)
        showCaption();
}

void frmCustomerEntry::showCaption()
{
    const QString caption = Saved ? Caption : Caption + QStringLiteral(" *");
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

// The caption follows the saved state again when the fill ends, however it ends.
struct frmCustomerEntry::Filling
{
    explicit Filling(frmCustomerEntry &form)
        : form(form)
    {
        ++form.m_filling;
    }
    ~Filling()
    {
        if (--form.m_filling == 0)
            form.showCaption();
    }
    Filling(const Filling &) = delete;
    Filling &operator=(const Filling &) = delete;
    frmCustomerEntry &form;
};

void frmCustomerEntry::load()
{
    fixFrame(this, true);
    placeAtTopLeft(this);
    // A machine or a call stored in its own window shows at once in the list here.
    if (WindowNotifier *notifier = WindowNotifier::of(this)) {
        notifier->subscribe(
            this, &WindowNotifier::machinesChanged, [this] { UpdateEquipmentGrid(); });
        notifier->subscribe(
            this, &WindowNotifier::callsChanged, [this] { UpdateTelemarketGrid(); });
    }
    fillCustomerList();
    Recordset types = gDatabase->openRecordset(
        QStringLiteral("SELECT DISTINCT Type FROM Customer ORDER BY Type"));
    QStringList typeList;
    while (!types.eof()) {
        const QVariant type = types.field(TypeColumn);
        if (!type.toString().isEmpty())
            typeList << type.toString();
        types.moveNext();
    }
    types.close();
    {
        // Filling the list is not a change of the type.
        const QSignalBlocker quiet(cmbType);
        cmbType->addItems(typeList);
        cmbType->setCurrentIndex(-1);
        cmbType->setEditText(QString());
    }
    vsfgEquipment->setRows(0);
    vsfgTelemarket->setRows(0);
    markSaved(true);
    cmbCustomer->setFocus();
}

void frmCustomerEntry::fillCustomerList()
{
    // Handed to the list in one go: a large customer base would otherwise cost an insertion
    // per name.
    const QSignalBlocker quiet(cmbCustomer);
    // Only the column the list shows: the engine reads it from the index of the names alone.
    m_names->load(*gDatabase, QStringLiteral("SELECT Customer FROM Customer ORDER BY Customer"));
    cmbCustomer->setCurrentIndex(-1);
    cmbCustomer->setEditText(QString());
}

void frmCustomerEntry::FillForm()
{
    const Filling filling(*this);
    const QString name = cmbCustomer->currentText();
    if (!name.isEmpty()) {
        Recordset rs = gDatabase->openRecordset(FindCustomer, { name });
        const bool found = !(rs.bof() && rs.eof());
        auto show = [&](auto *control, const QString &column) {
            const QString value = found ? rs.field(column).toString() : QString();
            if constexpr (std::is_same_v<decltype(control), QComboBox *>)
                control->setEditText(value);
            else
                control->setText(value);
        };
        for (int i = 0; i < AddressColumns.size(); ++i)
            show(addressBoxes().at(i), AddressColumns.at(i));
        show(cmbType, TypeColumn);
        for (int i = 0; i < ContactColumns.size(); ++i)
            show(contactBoxes().at(i), ContactColumns.at(i));
        rs.close();
        UpdateEquipmentGrid();
        UpdateTelemarketGrid();
    }
    markSaved(true);
}

void frmCustomerEntry::UpdateEquipmentGrid()
{
    m_lists->fillMachines();
}

void frmCustomerEntry::UpdateTelemarketGrid()
{
    m_lists->fillCalls();
}

void frmCustomerEntry::btnSave_Click()
{
    if (cmbCustomer->currentText().isEmpty()) {
        showRequired();
        return;
    }
    SaveCustomer();
}

bool frmCustomerEntry::SaveCustomer()
{
    // A refused save leaves the window as the user left it: filled, changed, nothing stored.
    if (!runGuarded(
            QStringLiteral("The customer could not be saved."), [this] { storeCustomer(); }))
        return false;
    clearWindow();
    return true;
}

void frmCustomerEntry::storeCustomer()
{
    const QString name = cmbCustomer->currentText();
    Recordset rs = gDatabase->openRecordset(FindCustomer, { name });
    if (rs.bof() && rs.eof()) {
        rs.addNew();
        rs.setField(QStringLiteral("DateEntered"), QDateTime::currentDateTime());
    } else {
        rs.edit();
    }
    rs.setField(QStringLiteral("Customer"), name);
    for (int i = 0; i < AddressColumns.size(); ++i)
        rs.setField(AddressColumns.at(i), addressBoxes().at(i)->text());
    rs.setField(TypeColumn, cmbType->currentText());
    for (int i = 0; i < ContactColumns.size(); ++i)
        rs.setField(ContactColumns.at(i), contactBoxes().at(i)->text());
    rs.update();
    rs.close();
}

void frmCustomerEntry::clearWindow()
{
    const Filling filling(*this);
    cmbCustomer->setEditText(QString());
    for (QLineEdit *box : addressBoxes())
        box->clear();
    cmbType->setEditText(QString());
    for (QLineEdit *box : contactBoxes())
        box->clear();
    vsfgEquipment->setRows(0);
    vsfgTelemarket->setRows(0);
    markSaved(true);
}

void frmCustomerEntry::btnExit_Click()
{
    if (auto *frame = parentWidget())
        frame->close();
    else
        close();
}

bool frmCustomerEntry::queryUnload()
{
    bool goOn = true;
    if (!Saved) {
        const MsgBox::Answer answer = MsgBox::show(
            QStringLiteral("Customer information has not been saved. Do you want to save it now?"),
            QStringLiteral("Information Not Saved"), MsgBox::YesNoCancel);
        if (answer == MsgBox::Yes) {
            if (cmbCustomer->currentText().isEmpty()) {
                showRequired();
                goOn = false;
            } else {
                // An engine refusal ends the close here: the window stays open and changed.
                goOn = SaveCustomer();
            }
        } else if (answer != MsgBox::No) {
            goOn = false;
        }
    }
    // The navigator's results show what was done here, also when the window stays open.
    if (gNavigatorOpen) {
        if (WindowNotifier *notifier = WindowNotifier::of(this))
            emit notifier->customerRecordsChanged(cmbCustomer->currentText());
    }
    return goOn;
}

void frmCustomerEntry::btnDelete_Click()
{
    const QString name = cmbCustomer->currentText();
    if (name.isEmpty())
        return;
    if (MsgBox::show(QStringLiteral("Are you sure you want to delete this customer and all of "
                                    "the equipment and telemarket information?"),
            QStringLiteral("Delete Confirmation"), MsgBox::YesNo)
        != MsgBox::Yes)
        return;
    deleteCustomer(*gDatabase, name);
    clearWindow();
}

void frmCustomerEntry::btnRename_Click()
{
    const QString name = cmbCustomer->currentText();
    if (name.isEmpty())
        return;
    WindowRegistry *registry = WindowRegistry::of(this);
    if (!registry)
        return;
    frmRenameCustomer *rename = registry->open<frmRenameCustomer>();
    rename->txtFrom->setText(name);
    rename->txtTo->setText(name);
}
