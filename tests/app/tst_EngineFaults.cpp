#include "DataGrid.h"
#include "Database.h"
#include "EngineFault.h"
#include "MDI.h"
#include "MsgBox.h"
#include "ReportJobRunner.h"
#include "ReportViewer.h"
#include "TestRegistry.h"
#include "Viewer.h"
#include "WindowTestBase.h"
#include "frmCustomerEntry.h"
#include "frmEquipmentEntry.h"
#include "frmNavigator.h"
#include "frmRenameCustomer.h"
#include "frmTelemarketEntry.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

// Every action that writes the database or a file, from the window a user would be in, meeting
// each fault of the engine (and a file that cannot be written): one message says what failed,
// the window keeps what was typed and stays unsaved, the database is as it was, and the same
// action succeeds once the cause is gone.

namespace {

using enum EngineFault::Kind;
constexpr int Unwritable = Unreadable + 1; // a folder the system refuses to write in
// Each fault's name, and what the engine (or the system) says for it after the program's words.
const char *const Faults[][2] = { { "database full", "database or disk is full" },
    { "file locked", "database is locked" }, { "statement refused", "refused" },
    { "table unreadable", "is prohibited" }, { "folder unwritable", "Not a directory" } };
const QString LongName = QStringLiteral("Acme Office Supply and Business Machines of Salem");

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

} // namespace

class tst_EngineFaults : public QObject, public WindowTestBase
{
    Q_OBJECT
public:
    template <typename W> W *window() const { return main().registry().find<W>(); }
    frmCustomerEntry *customer() const { return window<frmCustomerEntry>(); }
    frmCustomerEntry *customerOn(const QString &name)
    {
        main().findChild<QAction *>("CustomerEntry")->trigger();
        customer()->cmbCustomer->setEditText(name);
        return customer();
    }
    int count(const QString &sql) const { return db().column(sql).value(0).toInt(); }
    // Where a saved file goes: a folder that is at first a plain file, so that nobody, root
    // included, can make a file in it.
    QString target(const char *name) const
    {
        return m_files->filePath(QStringLiteral("out/") + name);
    }

private slots:
    void init();
    void cleanup();
    void meetsFault_data();
    void meetsFault();

private:
    std::unique_ptr<QTemporaryDir> m_files;
    QStringList m_messages;
};

namespace {

using Test = tst_EngineFaults;
using Step = std::function<void(Test &)>;
using Check = std::function<bool(Test &)>;

struct Action
{
    const char *name;
    QList<int> faults;
    QString refusedTable; // the table the action writes second (or only)
    QString failed; // the message's first line
    Step prepare, act; // open the window and type; then the action
    Check kept, done; // what was typed is there, unsaved; the action's effect after the retry
};

// The customer window on a customer with an edit not saved yet, one that makes the row grow.
Step edit(const QString &name)
{
    return [name](Test &t) {
        type(t.customerOn(name)->txtCity, "Typed City");
        type(t.customer()->txtAddress1, QString(50, 'x'));
    };
}

Check editKept(const QString &name)
{
    return [name](Test &t) {
        return t.customer() && t.customer()->cmbCustomer->currentText() == name
            && t.customer()->txtCity->text() == "Typed City" && !t.customer()->isSaved();
    };
}

bool bakerStored(Test &t)
{
    return t.db().column("SELECT City FROM Customer WHERE Customer = 'Baker'")
        == QStringList { "Typed City" };
}

// Closing with an unsaved change, and Yes to saving it first: a refused save keeps it open.
template <typename W> void closeWindow(Test &t)
{
    if (W *form = t.window<W>())
        form->parentWidget()->close();
}

void addMachine(Test &t)
{
    click(t.customerOn("Acme")->btnAddEquipment);
    t.window<frmEquipmentEntry>()->cmbBrand->setEditText("Konica");
    type(t.window<frmEquipmentEntry>()->txtModel, "Typed Model");
}

bool machineKept(Test &t)
{
    auto *form = t.window<frmEquipmentEntry>();
    return form && form->txtModel->text() == "Typed Model" && !form->isSaved();
}

bool machineStored(Test &t)
{
    return !t.window<frmEquipmentEntry>()
        && t.count("SELECT COUNT(*) FROM Equipment WHERE Model = 'Typed Model'") == 1;
}

// Deleting the first machine or call of Acme's list, with an edit of Acme's not saved.
Action deleteFrom(const char *name, const char *table, const char *failed,
    DataGrid *frmCustomerEntry::*grid, QPushButton *frmCustomerEntry::*button)
{
    return { name, { Locked, Refused }, table, failed, edit("Acme"),
        [=](Test &t) {
            (t.customer()->*grid)->setCurrentCell(1, 0);
            click(t.customer()->*button);
        },
        editKept("Acme"),
        [=](Test &t) {
            return t.count(QString("SELECT COUNT(*) FROM %1").arg(table)) == 1
                && (t.customer()->*grid)->rows() == 2 && editKept("Acme")(t);
        } };
}

void openNavigator(Test &t)
{
    t.main().findChild<QAction *>("CustomerNavigator")->trigger();
}

void searchEveryone(Test &t)
{
    openNavigator(t);
    click(t.window<frmNavigator>()->btnFind);
}

// Saving the export list of a search for everyone from the viewer.
Action saveAs(const char *name, const char *failed, QAction *ReportViewer::*command,
    const char *file, const std::function<bool(const QByteArray &)> &whole)
{
    return { name, { Unwritable }, {}, failed,
        [](Test &t) {
            searchEveryone(t);
            click(t.window<frmNavigator>()->btnExport);
        },
        [=](Test &t) {
            const QString path = t.target(file);
            ReportViewer::setFileChooser([path](QWidget *, const QString &, const QString &,
                                             const QString &) { return path; });
            ReportViewer *control = t.window<Viewer>()->CRViewer;
            (control->*command)->trigger();
            // Written between the user's events: done once the viewer's work has ended.
            QVERIFY(QTest::qWaitFor([control] { return !control->jobs()->running(); }, 600000));
        },
        [=](Test &t) { return !QFile::exists(t.target(file)); },
        [=](Test &t) {
            QFile saved(t.target(file));
            return saved.open(QIODevice::ReadOnly) && whole(saved.readAll());
        } };
}

const QList<Action> &actions()
{
    static const QList<Action> all = {
        { "customer save", { Full, Locked, Refused }, "Customer",
            "The customer could not be saved.", edit("Baker"),
            [](Test &t) { click(t.customer()->btnSave); }, editKept("Baker"),
            [](Test &t) { return bakerStored(t) && t.customer()->isSaved(); } },
        { "customer save on closing", { Full, Locked, Refused }, "Customer",
            "The customer could not be saved.", edit("Baker"), closeWindow<frmCustomerEntry>,
            editKept("Baker"), [](Test &t) { return bakerStored(t) && !t.customer(); } },
        { "machine save on closing", { Full, Locked, Refused }, "Equipment",
            "The equipment could not be saved.", addMachine, closeWindow<frmEquipmentEntry>,
            machineKept, machineStored },
        { "machine save", { Full, Locked, Refused }, "Equipment",
            "The equipment could not be saved.", addMachine,
            [](Test &t) { click(t.window<frmEquipmentEntry>()->btnOK); }, machineKept,
            [](Test &t) { return machineStored(t) && t.customer()->vsfgEquipment->rows() == 4; } },
        { "call save", { Full, Locked, Refused }, "Telemarket", "The call could not be saved.",
            [](Test &t) {
                click(t.customerOn("Acme")->btnAddTelemarket);
                type(t.window<frmTelemarketEntry>()->txtTelemarketer, "Typed");
            },
            [](Test &t) { click(t.window<frmTelemarketEntry>()->btnOK); },
            [](Test &t) {
                auto *form = t.window<frmTelemarketEntry>();
                return form && form->txtTelemarketer->text() == "Typed" && !form->isSaved();
            },
            [](Test &t) {
                return !t.window<frmTelemarketEntry>()
                    && t.count("SELECT COUNT(*) FROM Telemarket WHERE Telemarketer = 'Typed'") == 1
                    && t.customer()->vsfgTelemarket->rows() == 4;
            } },
        { "customer delete", { Locked, Refused }, "Telemarket",
            "The customer could not be deleted.", edit("Acme"),
            [](Test &t) { click(t.customer()->btnDelete); }, editKept("Acme"),
            [](Test &t) {
                return t.db().column("SELECT Customer FROM Customer") == QStringList { "Baker" }
                && t.count("SELECT COUNT(*) FROM Equipment") == 0
                    && t.count("SELECT COUNT(*) FROM Telemarket") == 0
                    && t.customer()->cmbCustomer->currentText().isEmpty();
            } },
        { "customer rename", { Full, Locked, Refused }, "Telemarket",
            "The customer could not be renamed.",
            [](Test &t) {
                click(t.customerOn("Acme")->btnRename);
                type(t.window<frmRenameCustomer>()->txtTo, LongName);
            },
            [](Test &t) { click(t.window<frmRenameCustomer>()->btnOK); },
            [](Test &t) {
                auto *form = t.window<frmRenameCustomer>();
                return form && form->txtTo->text() == LongName
                    && t.customer()->cmbCustomer->currentText() == "Acme";
            },
            [](Test &t) {
                const QString moved = QString("SELECT COUNT(*) FROM %1 WHERE Customer = '%2'");
                return !t.window<frmRenameCustomer>()
                    && t.count(moved.arg("Customer", LongName)) == 1
                    && t.count(moved.arg("Equipment", LongName)) == 2
                    && t.count(moved.arg("Telemarket", LongName)) == 2
                    && t.customer()->cmbCustomer->currentText() == LongName;
            } },
        deleteFrom("machine delete", "Equipment", "The selected equipment could not be deleted.",
            &frmCustomerEntry::vsfgEquipment, &frmCustomerEntry::btnDeleteEquipment),
        deleteFrom("call delete", "Telemarket", "The selected call could not be deleted.",
            &frmCustomerEntry::vsfgTelemarket, &frmCustomerEntry::btnDeleteTelemarket),
        { "navigator search", { Unreadable }, "Customer", "The search could not be completed.",
            [](Test &t) {
                openNavigator(t);
                type(t.window<frmNavigator>()->txtSearch, "Acme");
            },
            [](Test &t) { click(t.window<frmNavigator>()->btnFind); },
            [](Test &t) { return t.window<frmNavigator>()->txtSearch->text() == "Acme"; },
            [](Test &t) { return t.window<frmNavigator>()->vsfgCustomers->rows() == 2; } },
        { "export list", { Unreadable }, "Customer", "The report could not be made.",
            searchEveryone, [](Test &t) { click(t.window<frmNavigator>()->btnExport); },
            [](Test &t) { return !t.window<Viewer>(); },
            [](Test &t) { return t.window<Viewer>() != nullptr; } },
        saveAs("save as PDF", "The report could not be saved as", &ReportViewer::actSavePdf,
            "list.pdf", [](const QByteArray &pdf) { return pdf.trimmed().endsWith("%%EOF"); }),
        saveAs("save as CSV", "The list could not be saved as", &ReportViewer::actSaveCsv,
            "list.csv", [](const QByteArray &csv) { return csv.count("\r\n") == 3; }),
    };
    return all;
}

} // namespace

void tst_EngineFaults::init()
{
    setUp();
    db().addCustomer("Acme", { { "City", "Salem" } });
    db().addCustomer("Baker");
    for (int i = 0; i < 2; ++i) {
        db().addMachine("Acme", { { "Model", QString("IR-%1").arg(i) } });
        db().addCall("Acme", { { "Interest", QString("Call %1").arg(i) } });
    }
    m_files = std::make_unique<QTemporaryDir>();
    m_messages.clear();
    // Every question is answered Yes; every message is kept to be read back.
    MsgBox::setHandler([this](const QString &text, const QString &, MsgBox::Buttons buttons) {
        if (buttons == MsgBox::OK)
            m_messages.append(text);
        return buttons == MsgBox::OK ? MsgBox::Ok : MsgBox::Yes;
    });
}

void tst_EngineFaults::cleanup()
{
    MsgBox::setHandler(nullptr);
    ReportViewer::setFileChooser(nullptr);
    tearDown();
    m_files.reset();
}

void tst_EngineFaults::meetsFault_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("fault");
    for (int fault = Full; fault <= Unwritable; ++fault) {
        for (int i = 0; i < actions().size(); ++i) {
            if (actions().at(i).faults.contains(fault))
                QTest::addRow("%s: %s", Faults[fault][0], actions().at(i).name) << i << fault;
        }
    }
}

void tst_EngineFaults::meetsFault()
{
    QFETCH(int, action);
    QFETCH(int, fault);
    const Action &a = actions().at(action);
    a.prepare(*this);
    QVERIFY(m_messages.isEmpty());
    const QStringList before = tables();

    std::unique_ptr<EngineFault> engineFault;
    if (fault == Unwritable)
        QVERIFY(QFile(m_files->filePath("out")).open(QIODevice::WriteOnly));
    else
        engineFault
            = std::make_unique<EngineFault>(db().db(), EngineFault::Kind(fault), a.refusedTable);
    a.act(*this);
    QCOMPARE(m_messages.size(), 1);
    const QString shown = m_messages.takeFirst();
    QVERIFY2(shown.startsWith(a.failed) && shown.contains(Faults[fault][1]), qPrintable(shown));
    QVERIFY(a.kept(*this));

    // The cause goes; nothing of the failed attempt is left, and the same action now succeeds.
    if (engineFault)
        engineFault->remove();
    else
        QVERIFY(QFile::remove(m_files->filePath("out")) && QDir(m_files->path()).mkdir("out"));
    QCOMPARE(tables(), before);
    a.act(*this);
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.value(0)));
    QVERIFY(a.done(*this));
}

CORVANE_TEST(tst_EngineFaults)
#include "tst_EngineFaults.moc"
