#include "frmNavigator.h"

#include "BusyCursor.h"
#include "ComboTypeAhead.h"
#include "ControlPlacement.h"
#include "CustomerDetails.h"
#include "CustomerSearch.h"
#include "DataGrid.h"
#include "Database.h"
#include "DatePicker.h"
#include "ErrorGuard.h"
#include "FormFrame.h"
#include "FreedMemory.h"
#include "GridFill.h"
#include "LiveWordIndex.h"
#include "MsgBox.h"
#include "ProgramValues.h"
#include "SearchStatement.h"
#include "TextListModel.h"
#include "Twips.h"
#include "WindowNotifier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <algorithm>

namespace {

const QStringList CustomerHeaders = { "Customer", "Address1", "Address2", "City, State, Zip",
    "Phone", "Fax", "Website", "Type", "Contact1", "Contact1 Title", "Contact1 Phone",
    "Contact1 Fax", "Contact1 Email", "Contact2", "Contact2 Title", "Contact2 Phone",
    "Contact2 Fax", "Contact2 Email", "Date Entered" };

QPushButton *button(QWidget *parent, const char *name, const char *text, int left)
{
    auto *widget
        = placeCaptioned<QPushButton>(parent, name, QLatin1String(text), left, 1800, 1215, 375);
    widget->setAutoDefault(false);
    return widget;
}

// Both report buttons make the report from the last search's rows.
const QString ReportFailed = QStringLiteral("The report could not be made.");

} // namespace

frmNavigator::frmNavigator(QWidget *parent)
    : ChildForm(parent)
{
    setObjectName(QStringLiteral("frmNavigator"));
    setWindowTitle(QStringLiteral("Navigator"));
    buildCriteriaFrame();
    buildResultFrames();
    setTabOrder();
    connectEvents();
    resize(twipsToPixels(11340), twipsToPixels(8325));
}

frmNavigator::~frmNavigator() = default;

void frmNavigator::buildCriteriaFrame()
{
    Frame1 = placeControl<QGroupBox>(this, "Frame1", 120, 0, 11175, 2295);
    Frame1->setTitle(QStringLiteral("Search Criteria"));
    QWidget *f = Frame1;
    // The captions before the lists and the search word stand right-aligned against them, a
    // "to" or "and" between two fields at its left.
    const Qt::Alignment before = Qt::AlignRight | Qt::AlignTop;
    const Qt::Alignment between = Qt::AlignLeft | Qt::AlignTop;

    Label3 = placeCaption(f, "Label3", QStringLiteral("Customer:"), 120, 240, 735, 255, before);
    cmbCustomer = placeControl<QComboBox>(f, "cmbCustomer", 960, 240, 3375, 315);
    Label4 = placeCaption(f, "Label4", QStringLiteral("City:"), 360, 600, 495, 255, before);
    cmbCity = placeControl<QComboBox>(f, "cmbCity", 960, 600, 3375, 315);
    Label1 = placeCaption(f, "Label1", QStringLiteral("Zip:"), 360, 960, 495, 255, before);
    cmbZip = placeControl<QComboBox>(f, "cmbZip", 960, 960, 3375, 315);
    Label7 = placeCaption(f, "Label7", QStringLiteral("Type:"), 360, 1320, 495, 255, before);
    cmbType = placeControl<QComboBox>(f, "cmbType", 960, 1320, 3375, 315);
    pairCaption(Label3, cmbCustomer);
    pairCaption(Label4, cmbCity);
    pairCaption(Label1, cmbZip);
    pairCaption(Label7, cmbType);

    chkLeaseEnds = placeCaptioned<QCheckBox>(
        f, "chkLeaseEnds", QStringLiteral("Lease Ends:"), 4680, 240, 1215, 255);
    dtLeaseEndsStart = placeControl<DatePicker>(f, "dtLeaseEndsStart", 6000, 240, 1455, 375);
    Label2 = placeCaption(f, "Label2", QStringLiteral("to"), 7560, 240, 255, 255, between);
    dtLeaseEndsStop = placeControl<DatePicker>(f, "dtLeaseEndsStop", 7800, 240, 1455, 375);
    chkCallBack = placeCaptioned<QCheckBox>(
        f, "chkCallBack", QStringLiteral("Call Back:"), 4680, 720, 1215, 255);
    dtCallBackStart = placeControl<DatePicker>(f, "dtCallBackStart", 6000, 720, 1455, 375);
    Label6 = placeCaption(f, "Label6", QStringLiteral("to"), 7560, 720, 255, 255, between);
    dtCallBackStop = placeControl<DatePicker>(f, "dtCallBackStop", 7800, 720, 1455, 375);
    dtLeaseEndsStart->setAccessibleName(QStringLiteral("Lease Ends: from"));
    dtLeaseEndsStop->setAccessibleName(QStringLiteral("Lease Ends: to"));
    dtCallBackStart->setAccessibleName(QStringLiteral("Call Back: from"));
    dtCallBackStop->setAccessibleName(QStringLiteral("Call Back: to"));

    Label5 = placeCaption(f, "Label5", QStringLiteral("Search:"), 4440, 1200, 615, 255, before);
    txtSearch = placeControl<QLineEdit>(f, "txtSearch", 5160, 1200, 1815, 285);
    Label8 = placeCaption(f, "Label8", QStringLiteral("and"), 7080, 1200, 375, 255, between);
    txtSearch2 = placeControl<QLineEdit>(f, "txtSearch2", 7440, 1200, 1815, 285);
    pairCaption(Label5, txtSearch);
    txtSearch2->setAccessibleName(QStringLiteral("Search: and"));

    btnFind = button(f, "btnFind", "Search", 120);
    btnClear = button(f, "btnClear", "Clear", 1440);
    btnPrint = button(f, "btnPrint", "Print", 2760);
    btnExport = button(f, "btnExport", "Export", 4080);
    btnAddNew = button(f, "btnAddNew", "Add New", 5400);
    btnExit = button(f, "btnExit", "Exit", 6720);
}

void frmNavigator::buildResultFrames()
{
    // Placed where the window's layout puts them, which follows the window's size.
    auto frame
        = [this](const char *name, const char *caption, DataGrid *&grid, const char *gridName) {
              auto *box = placeControl<QGroupBox>(this, name, 0, 0, 0, 0);
              box->setTitle(QLatin1String(caption));
              grid = placeControl<DataGrid>(box, gridName, 0, 0, 0, 0);
              grid->setAccessibleName(QLatin1String(caption));
              return box;
          };
    Frame2 = frame("Frame2", "Customers", vsfgCustomers, "vsfgCustomers");
    Frame3 = frame("Frame3", "Equipment", vsfgEquipment, "vsfgEquipment");
    Frame4 = frame("Frame4", "Telemarket", vsfgTelemarket, "vsfgTelemarket");
    applyLayout(m_layout);

    vsfgCustomers->setSortOnHeaderClick(true);
    vsfgCustomers->setTypeAhead(true);
    vsfgCustomers->setUserResize(true, true);
    for (DataGrid *detail : { vsfgEquipment, vsfgTelemarket }) {
        detail->setSortOnHeaderClick(false);
        detail->setTypeAhead(false);
        detail->setUserResize(false, false);
    }
}

void frmNavigator::setTabOrder()
{
    const QList<QWidget *> order = { cmbCustomer, cmbCity, cmbZip, cmbType, chkLeaseEnds,
        dtLeaseEndsStart, dtLeaseEndsStop, chkCallBack, dtCallBackStart, dtCallBackStop, txtSearch,
        txtSearch2, btnFind, btnClear, btnPrint, btnExport, btnAddNew, btnExit, vsfgCustomers,
        vsfgEquipment, vsfgTelemarket };
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmNavigator::connectEvents()
{
    const QString searchFailed = QStringLiteral("The search could not be completed.");
    connect(btnFind, &QPushButton::clicked, this, guarded(searchFailed, [this] { UpdateGrids(); }));
    connect(btnClear, &QPushButton::clicked, this, guarded([this] { btnClear_Click(); }));
    connect(btnExit, &QPushButton::clicked, this, guarded([this] { btnExit_Click(); }));
    connect(btnAddNew, &QPushButton::clicked, this, guarded([this] { btnAddNew_Click(); }));
    connect(vsfgCustomers, &DataGrid::rowColChanged, this,
        guarded([this](int, int, int newRow, int) { vsfgCustomers_RowColChange(newRow); }));
    connect(
        vsfgCustomers, &DataGrid::dblClick, this, guarded([this] { vsfgCustomers_DblClick(); }));
    connect(
        btnPrint, &QPushButton::clicked, this, guarded(ReportFailed, [this] { btnPrint_Click(); }));
    connect(btnExport, &QPushButton::clicked, this,
        guarded(ReportFailed, [this] { btnExport_Click(); }));

    for (QComboBox *list : { cmbCustomer, cmbCity, cmbZip, cmbType })
        list->installEventFilter(this);
    vsfgCustomers->installEventFilter(this);
    selectAllOnFocus({ txtSearch, txtSearch2 });
    for (QLineEdit *box : { txtSearch, txtSearch2 }) {
        // Enter after a search word runs the search, as the Search button does.
        connect(
            box, &QLineEdit::returnPressed, this, guarded(searchFailed, [this] { UpdateGrids(); }));
    }

    auto checks = [this](DatePicker *picker, QCheckBox *box) {
        auto check = [box] { box->setChecked(true); };
        connect(picker, &DatePicker::userChanged, this, check);
        connect(picker, &DatePicker::clicked, this, check);
    };
    checks(dtLeaseEndsStart, chkLeaseEnds);
    checks(dtLeaseEndsStop, chkLeaseEnds);
    checks(dtCallBackStart, chkCallBack);
    checks(dtCallBackStop, chkCallBack);
}

bool frmNavigator::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *list = qobject_cast<QComboBox *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        // Enter on a customer row opens that customer, as a double-click does.
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == vsfgCustomers && enter && vsfgCustomers->row() > 0) {
            runGuarded(
                [this] { showCustomer(vsfgCustomers->textMatrix(vsfgCustomers->row(), 0)); });
            return true;
        }
        // Only keys that type a character; the arrows, Tab and F4 keep their usual work.
        if (list && !key->text().isEmpty() && key->key() != Qt::Key_Tab
            && key->key() != Qt::Key_Backtab) {
            quint16 keyAscii = key->text().at(0).unicode();
            ComboTypeAhead(list, keyAscii);
            return true;
        }
    }
    return ChildForm::eventFilter(watched, event);
}

void frmNavigator::load()
{
    gNavigatorOpen = true;
    // The customer window, when it closes, may have changed what the last search found.
    if (WindowNotifier *notifier = WindowNotifier::of(this))
        notifier->subscribe(
            this, &WindowNotifier::customerRecordsChanged, [this] { UpdateGrids(); });
    placeAtTopLeft(this);
    QWidget *frame = parentWidget() ? parentWidget() : this;
    if (QWidget *main = frame->window(); main && main != frame) {
        const QSize outer = main->frameGeometry().size();
        frame->resize(int(outer.width() * 0.9), int(outer.height() * 0.9));
    }
    FillCriteriaLists();
    // Read off the window thread while the user sets the criteria.
    m_words = std::make_unique<LiveWordIndex>(*gDatabase);
    vsfgCustomers->setRows(0);
    vsfgEquipment->setRows(0);
    vsfgTelemarket->setRows(0);
    mSearchSQL.clear();
}

void frmNavigator::unload()
{
    gNavigatorOpen = false;
    m_words.reset();
}

void frmNavigator::FillCriteriaLists()
{
    // Each list gets a model of its own holding the values in one block: 100,000 names added as
    // items one by one would keep the window from opening for a second.
    auto fill = [](QComboBox *list, const char *sql, bool skipEmpty) {
        auto *values = new TextListModel(list);
        values->load(*gDatabase, QLatin1String(sql), skipEmpty);
        list->setModel(values);
        list->setCurrentIndex(-1);
    };
    fill(cmbCustomer, "SELECT Customer FROM Customer ORDER BY Customer", false);
    fill(cmbCity, "SELECT DISTINCT City FROM Customer ORDER BY City", false);
    fill(cmbZip, "SELECT DISTINCT Zip FROM Customer ORDER BY Zip", false);
    // An empty or missing type is no type to pick.
    fill(cmbType, "SELECT DISTINCT Type FROM Customer ORDER BY Type", true);

    const QDate today = QDate::currentDate();
    for (DatePicker *picker :
        { dtLeaseEndsStart, dtLeaseEndsStop, dtCallBackStart, dtCallBackStop })
        picker->setDate(today);
}

SearchCriteria frmNavigator::criteria() const
{
    SearchCriteria c;
    c.customer = cmbCustomer->currentText();
    c.city = cmbCity->currentText();
    c.zip = cmbZip->currentText();
    c.type = cmbType->currentText();
    if (chkLeaseEnds->isChecked())
        c.leaseEnds = DateWindow { dtLeaseEndsStart->date(), dtLeaseEndsStop->date() };
    if (chkCallBack->isChecked())
        c.callBack = DateWindow { dtCallBackStart->date(), dtCallBackStop->date() };
    c.word1 = txtSearch->text();
    c.word2 = txtSearch2->text();
    return c;
}

void frmNavigator::UpdateGrids()
{
    BusyCursor busy;
    const SearchCriteria c = criteria();
    // Kept before the search runs, so that it names the latest search even when that fails.
    mSearchSQL = searchStatement(c);
    const WordIndex *index = m_words ? m_words->current(*gDatabase) : nullptr;
    // A search by the engine's path has the processor to itself while the index is read.
    const LiveWordIndex::Pause pause(index ? nullptr : m_words.get());
    const QByteArrayList found = findCustomers(*gDatabase, c, index);
    beginGridFill(*vsfgCustomers, CustomerHeaders);
    for (const QByteArray &line : found)
        vsfgCustomers->addUtf8Item(line);
    finishGridFill(*vsfgCustomers);
    vsfgEquipment->setRows(0);
    vsfgTelemarket->setRows(0);
    // The grid's earlier rows and the search's sort keys.
    returnFreedMemory();
}

void frmNavigator::btnClear_Click()
{
    vsfgCustomers->setRows(0);
    vsfgEquipment->setRows(0);
    vsfgTelemarket->setRows(0);
    cmbCustomer->setCurrentIndex(-1);
    cmbCity->setCurrentIndex(-1);
    cmbZip->setCurrentIndex(-1);
    txtSearch->clear();
    txtSearch2->clear();
    chkLeaseEnds->setChecked(false);
    chkCallBack->setChecked(false);
    cmbType->setCurrentIndex(-1);
}

void frmNavigator::btnExit_Click()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

// Print and Export use the last search, also after Clear, and run it again.
void frmNavigator::btnPrint_Click()
{
    if (mSearchSQL.isEmpty()) {
        MsgBox::show(QStringLiteral("You must first do a search before printing."),
            QStringLiteral("Nothing to Print"));
        return;
    }
    if (WindowNotifier *notifier = WindowNotifier::of(this))
        emit notifier->showReportOptions(mSearchSQL);
}

void frmNavigator::btnExport_Click()
{
    if (mSearchSQL.isEmpty()) {
        MsgBox::show(QStringLiteral("You must first do a search before exporting."),
            QStringLiteral("Nothing to Export"));
        return;
    }
    if (WindowNotifier *notifier = WindowNotifier::of(this))
        emit notifier->showExport(mSearchSQL);
}

void frmNavigator::btnAddNew_Click()
{
    if (WindowNotifier *notifier = WindowNotifier::of(this))
        emit notifier->openCustomerWindow();
}

void frmNavigator::vsfgCustomers_RowColChange(int newRow)
{
    // The header row, or no row while the grid is emptied: the details stay as they are.
    if (newRow <= 0)
        return;
    const QString name = vsfgCustomers->textMatrix(newRow, 0);
    fillCustomerMachines(*vsfgEquipment, name);
    fillCustomerCalls(*vsfgTelemarket, name);
}

void frmNavigator::vsfgCustomers_DblClick()
{
    // On the header row or below the last row the window opens all the same, with no name.
    QString name;
    if (vsfgCustomers->mouseRow() > 0)
        name = vsfgCustomers->textMatrix(vsfgCustomers->row(), 0);
    showCustomer(name);
}

void frmNavigator::showCustomer(const QString &name)
{
    if (WindowNotifier *notifier = WindowNotifier::of(this))
        emit notifier->showCustomer(name);
}

void frmNavigator::resizeEvent(QResizeEvent *event)
{
    ChildForm::resizeEvent(event);
    runGuarded([this] { Form_Resize(); });
}

void frmNavigator::changeEvent(QEvent *event)
{
    ChildForm::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        runGuarded([this] { Form_Resize(); });
}

void frmNavigator::Form_Resize()
{
    QWidget *frame = parentWidget() ? parentWidget() : this;
    if (frame->isMinimized())
        return;
    m_layout = resizedLayout(m_layout, pixelsToTwips(frame->width()),
        pixelsToTwips(frame->height()), pixelsToTwips(Frame1->height()));
    applyLayout(m_layout);
}

void frmNavigator::applyLayout(const NavigatorLayout &layout)
{
    Frame2->setGeometry(twipsRect(layout.customersFrame));
    vsfgCustomers->setGeometry(twipsRect(layout.customersGrid));
    Frame3->setGeometry(twipsRect(layout.equipmentFrame));
    vsfgEquipment->setGeometry(twipsRect(layout.equipmentGrid));
    Frame4->setGeometry(twipsRect(layout.telemarketFrame));
    vsfgTelemarket->setGeometry(twipsRect(layout.telemarketGrid));
}
