#include "frmCustomerEntry.h"

#include "CustomerEntryLayout.h"
#include "CustomerLists.h"
#include "CustomerNameList.h"
#include "CustomerRecords.h"
#include "DataGrid.h"
#include "Database.h"
#include "ErrorGuard.h"
#include "FormParts.h"
#include "MsgBox.h"
#include "ProgramValues.h"
#include "Recordset.h"
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

using namespace FormParts;

namespace {

const QString Caption = QStringLiteral("Customer Entry/Edit");
const QString FindCustomer = QStringLiteral("SELECT * FROM Customer WHERE Customer = ?");

// The columns the address boxes, the type and the contact boxes show, in that order.
const QStringList AddressColumns
    = { "Address1", "Address2", "City", "State", "Zip", "Phone", "Fax", "Website" };
const QString TypeColumn = QStringLiteral("Type");
const QStringList ContactColumns = { "Contact1", "Contact1Title", "Contact1Phone", "Contact1Fax",
    "Contact1Email", "Contact2", "Contact2Title", "Contact2Phone", "Contact2Fax", "Contact2Email" };

void showRequired()
{
    MsgBox::show(QStringLiteral("Customer Name and Status are required."),
        QStringLiteral("Required Fields"));
}

} // namespace

frmCustomerEntry::frmCustomerEntry(QWidget *parent)
    : ChildForm(parent)
    , m_names(new CustomerNameList(this))
{
    setObjectName(QStringLiteral("frmCustomerEntry"));
    setWindowTitle(Caption);
    CustomerEntryLayout::build(*this);
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

void frmCustomerEntry::connectEvents()
{
    // Every change of the name, typed, picked or set from code, loads that customer.
    connect(cmbCustomer, &QComboBox::editTextChanged, this, guarded([this] { FillForm(); }));
    connect(cmbCustomer, &QComboBox::activated, this, guarded([this] { FillForm(); }));
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
    connect(btnDelete, &QPushButton::clicked, this, guarded([this] { btnDelete_Click(); }));
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
    m_names->load(*gDatabase);
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

void frmCustomerEntry::SaveCustomer()
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
    clearWindow();
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
                SaveCustomer();
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
