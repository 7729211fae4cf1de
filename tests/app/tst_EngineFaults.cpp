#include "DataGrid.h"
#include "Database.h"
#include "EngineFault.h"
#include "MDI.h"
#include "MsgBox.h"
#include "ReportPages.h"
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

// Every action that writes or reads the database, from the window a user would be in, meeting
// each fault of the engine (and a file that cannot be written): one message says what failed,
// the window keeps what was typed and stays unsaved, the database is as it was, and the same
// action succeeds once the cause is gone.

namespace {

// The fault a row puts in the way; the engine's kinds first, then a file the system refuses.
enum Fault {
    Full = EngineFault::Full,
    Locked = EngineFault::Locked,
    Refused = EngineFault::Refused,
    Unwritable
};

const QString LongName = QStringLiteral("Acme Office Supply and Business Machines of Salem");

} // namespace

class tst_EngineFaults;

namespace {

struct Action
{
    const char *name;
    QList<Fault> faults;
    QString refusedTable; // the table the action writes second (or only)
    QString failed; // the message's first line
    std::function<void(tst_EngineFaults &)> prepare; // open the window and type
    std::function<void(tst_EngineFaults &)> act;
    std::function<bool(tst_EngineFaults &)> kept; // what was typed is there, unsaved
    std::function<bool(tst_EngineFaults &)> done; // the action's effect, after the retry
};

struct Message
{
    QString text, title;
};

} // namespace

class tst_EngineFaults : public QObject, public WindowTestBase
{
    Q_OBJECT
public:
    template <typename T> T *window() const { return main().registry().find<T>(); }

    frmCustomerEntry *customerOn(const QString &name)
    {
        main().findChild<QAction *>("CustomerEntry")->trigger();
        frmCustomerEntry *form = window<frmCustomerEntry>();
        form->cmbCustomer->setEditText(name);
        return form;
    }

    static void type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    int count(const QString &sql) { return db().column(sql).value(0).toInt(); }

    void search()
    {
        main().findChild<QAction *>("CustomerNavigator")->trigger();
        QTest::mouseClick(window<frmNavigator>()->btnFind, Qt::LeftButton);
    }

    // Where a saved file goes: a folder that is at first a plain file, so that nobody, root
    // included, can make a file in it.
    QString target(const char *name) const
    {
        return m_files->filePath(QStringLiteral("out/") + name);
    }

    void saveAs(QAction *command, const QString &path)
    {
        ReportViewer::setFileChooser(
            [path](QWidget *, const QString &, const QString &, const QString &) { return path; });
        command->trigger();
    }

    std::unique_ptr<QTemporaryDir> m_files;

private slots:
    void init();
    void cleanup();
    void meetsFault_data();
    void meetsFault();

private:
    QList<Message> m_messages;
};

namespace {

frmCustomerEntry *customer(tst_EngineFaults &t)
{
    return t.window<frmCustomerEntry>();
}

// The customer window on Acme with an edit not saved yet.
void editAcme(tst_EngineFaults &t)
{
    tst_EngineFaults::type(t.customerOn("Acme")->txtCity, "Typed City");
}

bool acmeEditKept(tst_EngineFaults &t)
{
    frmCustomerEntry *form = customer(t);
    return form->cmbCustomer->currentText() == "Acme" && form->txtCity->text() == "Typed City"
        && !form->isSaved();
}

void deleteFromList(DataGrid *grid, QPushButton *button)
{
    grid->setCurrentCell(1, 0);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The customer window on Baker with changes not saved yet.
void editBaker(tst_EngineFaults &t)
{
    frmCustomerEntry *form = t.customerOn("Baker");
    tst_EngineFaults::type(form->txtCity, "Typed City");
    tst_EngineFaults::type(form->txtAddress1, QString(50, 'x'));
}

bool bakerEditKept(tst_EngineFaults &t)
{
    frmCustomerEntry *form = customer(t);
    return form && form->cmbCustomer->currentText() == "Baker"
        && form->txtCity->text() == "Typed City" && !form->isSaved();
}

bool bakerStored(tst_EngineFaults &t)
{
    return t.db().column("SELECT City FROM Customer WHERE Customer = 'Baker'")
        == QStringList { "Typed City" };
}

// A new machine of Acme's typed into its window.
void addMachine(tst_EngineFaults &t)
{
    QTest::mouseClick(t.customerOn("Acme")->btnAddEquipment, Qt::LeftButton);
    auto *form = t.window<frmEquipmentEntry>();
    form->cmbBrand->setEditText("Konica");
    tst_EngineFaults::type(form->txtModel, "Typed Model");
}

bool machineKept(tst_EngineFaults &t)
{
    auto *form = t.window<frmEquipmentEntry>();
    return form && form->txtModel->text() == "Typed Model" && !form->isSaved();
}

// The export list of a search for everyone, in the viewer.
void showExport(tst_EngineFaults &t)
{
    t.search();
    QTest::mouseClick(t.window<frmNavigator>()->btnExport, Qt::LeftButton);
}

QByteArray saved(tst_EngineFaults &t, const char *name)
{
    QFile file(t.target(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QList<Action> &actions()
{
    static const QList<Action> all = {
        { "customer save", { Full, Locked, Refused }, "Customer",
            "The customer could not be saved.", editBaker,
            [](tst_EngineFaults &t) { QTest::mouseClick(customer(t)->btnSave, Qt::LeftButton); },
            bakerEditKept,
            [](tst_EngineFaults &t) { return bakerStored(t) && customer(t)->isSaved(); } },
        // Closing with an unsaved change, and Yes to saving it first: a refused save keeps the
        // window open.
        { "customer save on closing", { Full, Locked, Refused }, "Customer",
            "The customer could not be saved.", editBaker,
            [](tst_EngineFaults &t) {
                if (frmCustomerEntry *form = customer(t))
                    form->parentWidget()->close();
            },
            bakerEditKept, [](tst_EngineFaults &t) { return bakerStored(t) && !customer(t); } },
        { "machine save on closing", { Full, Locked, Refused }, "Equipment",
            "The equipment could not be saved.", addMachine,
            [](tst_EngineFaults &t) {
                if (auto *form = t.window<frmEquipmentEntry>())
                    form->parentWidget()->close();
            },
            machineKept,
            [](tst_EngineFaults &t) {
                return !t.window<frmEquipmentEntry>()
                    && t.count("SELECT COUNT(*) FROM Equipment WHERE Model = 'Typed Model'") == 1;
            } },
        { "machine save", { Full, Locked, Refused }, "Equipment",
            "The equipment could not be saved.", addMachine,
            [](tst_EngineFaults &t) {
                QTest::mouseClick(t.window<frmEquipmentEntry>()->btnOK, Qt::LeftButton);
            },
            machineKept,
            [](tst_EngineFaults &t) {
                return !t.window<frmEquipmentEntry>()
                    && t.count("SELECT COUNT(*) FROM Equipment WHERE Model = 'Typed Model'") == 1
                    && customer(t)->vsfgEquipment->rows() == 4;
            } },
        { "call save", { Full, Locked, Refused }, "Telemarket", "The call could not be saved.",
            [](tst_EngineFaults &t) {
                QTest::mouseClick(t.customerOn("Acme")->btnAddTelemarket, Qt::LeftButton);
                tst_EngineFaults::type(t.window<frmTelemarketEntry>()->txtTelemarketer, "Typed");
            },
            [](tst_EngineFaults &t) {
                QTest::mouseClick(t.window<frmTelemarketEntry>()->btnOK, Qt::LeftButton);
            },
            [](tst_EngineFaults &t) {
                auto *form = t.window<frmTelemarketEntry>();
                return form && form->txtTelemarketer->text() == "Typed" && !form->isSaved();
            },
            [](tst_EngineFaults &t) {
                return !t.window<frmTelemarketEntry>()
                    && t.count("SELECT COUNT(*) FROM Telemarket WHERE Telemarketer = 'Typed'") == 1
                    && customer(t)->vsfgTelemarket->rows() == 4;
            } },
        { "customer delete", { Locked, Refused }, "Telemarket",
            "The customer could not be deleted.", editAcme,
            [](tst_EngineFaults &t) { QTest::mouseClick(customer(t)->btnDelete, Qt::LeftButton); },
            acmeEditKept,
            [](tst_EngineFaults &t) {
                return t.db().column("SELECT Customer FROM Customer") == QStringList { "Baker" }
                && t.count("SELECT COUNT(*) FROM Equipment") == 0
                    && t.count("SELECT COUNT(*) FROM Telemarket") == 0
                    && customer(t)->cmbCustomer->currentText().isEmpty();
            } },
        { "customer rename", { Full, Locked, Refused }, "Telemarket",
            "The customer could not be renamed.",
            [](tst_EngineFaults &t) {
                QTest::mouseClick(t.customerOn("Acme")->btnRename, Qt::LeftButton);
                tst_EngineFaults::type(t.window<frmRenameCustomer>()->txtTo, LongName);
            },
            [](tst_EngineFaults &t) {
                QTest::mouseClick(t.window<frmRenameCustomer>()->btnOK, Qt::LeftButton);
            },
            [](tst_EngineFaults &t) {
                auto *form = t.window<frmRenameCustomer>();
                return form && form->txtTo->text() == LongName
                    && customer(t)->cmbCustomer->currentText() == "Acme";
            },
            [](tst_EngineFaults &t) {
                const QString moved = QString("SELECT COUNT(*) FROM %1 WHERE Customer = '%2'");
                return !t.window<frmRenameCustomer>()
                    && t.count(moved.arg("Customer", LongName)) == 1
                    && t.count(moved.arg("Equipment", LongName)) == 2
                    && t.count(moved.arg("Telemarket", LongName)) == 2
                    && customer(t)->cmbCustomer->currentText() == LongName;
            } },
        { "machine delete", { Locked, Refused }, "Equipment",
            "The selected equipment could not be deleted.", editAcme,
            [](tst_EngineFaults &t) {
                deleteFromList(customer(t)->vsfgEquipment, customer(t)->btnDeleteEquipment);
            },
            acmeEditKept,
            [](tst_EngineFaults &t) {
                return t.count("SELECT COUNT(*) FROM Equipment") == 1
                    && customer(t)->vsfgEquipment->rows() == 2 && acmeEditKept(t);
            } },
        { "call delete", { Locked, Refused }, "Telemarket",
            "The selected call could not be deleted.", editAcme,
            [](tst_EngineFaults &t) {
                deleteFromList(customer(t)->vsfgTelemarket, customer(t)->btnDeleteTelemarket);
            },
            acmeEditKept,
            [](tst_EngineFaults &t) {
                return t.count("SELECT COUNT(*) FROM Telemarket") == 1
                    && customer(t)->vsfgTelemarket->rows() == 2 && acmeEditKept(t);
            } },
        { "save as PDF", { Unwritable }, QString(), "The report could not be saved as", showExport,
            [](tst_EngineFaults &t) {
                t.saveAs(t.window<Viewer>()->CRViewer->actSavePdf, t.target("list.pdf"));
            },
            [](tst_EngineFaults &t) { return !QFile::exists(t.target("list.pdf")); },
            [](tst_EngineFaults &t) { return saved(t, "list.pdf").trimmed().endsWith("%%EOF"); } },
        { "save as CSV", { Unwritable }, QString(), "The list could not be saved as", showExport,
            [](tst_EngineFaults &t) {
                t.saveAs(t.window<Viewer>()->CRViewer->actSaveCsv, t.target("list.csv"));
            },
            [](tst_EngineFaults &t) { return !QFile::exists(t.target("list.csv")); },
            [](tst_EngineFaults &t) { return saved(t, "list.csv").count("\r\n") == 3; } },
    };
    return all;
}

// What the engine (or the system) says for each fault, after the program's own words.
QString causeText(Fault fault)
{
    switch (fault) {
    case Full:
        return QStringLiteral("database or disk is full");
    case Locked:
        return QStringLiteral("database is locked");
    case Refused:
        return QStringLiteral("refused");
    case Unwritable:
        return QStringLiteral("Not a directory");
    }
    return {};
}

QString faultName(Fault fault)
{
    return fault == Unwritable ? QStringLiteral("folder unwritable")
                               : EngineFault::name(EngineFault::Kind(fault));
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
    MsgBox::setHandler([this](const QString &text, const QString &title, MsgBox::Buttons buttons) {
        if (buttons == MsgBox::OK)
            m_messages.append({ text, title });
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
    for (const Fault fault : { Full, Locked, Refused, Unwritable }) {
        for (int i = 0; i < actions().size(); ++i) {
            if (actions().at(i).faults.contains(fault))
                QTest::addRow("%s: %s", qPrintable(faultName(fault)), actions().at(i).name)
                    << i << int(fault);
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
    if (fault == Unwritable) {
        QFile plain(m_files->filePath("out"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
    } else {
        engineFault
            = std::make_unique<EngineFault>(db().db(), EngineFault::Kind(fault), a.refusedTable);
    }
    a.act(*this);
    QCOMPARE(m_messages.size(), 1);
    const Message shown = m_messages.takeFirst();
    QVERIFY2(shown.text.startsWith(a.failed), qPrintable(shown.text));
    QVERIFY2(shown.text.contains(causeText(Fault(fault))), qPrintable(shown.text));
    QVERIFY(a.kept(*this));

    // The cause goes; nothing of the failed attempt is left, and the same action now succeeds.
    if (engineFault)
        engineFault->remove();
    else
        QVERIFY(QFile::remove(m_files->filePath("out")) && QDir(m_files->path()).mkdir("out"));
    QCOMPARE(tables(), before);
    a.act(*this);
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.value(0).text));
    QVERIFY(a.done(*this));
}

CORVANE_TEST(tst_EngineFaults)
#include "tst_EngineFaults.moc"
