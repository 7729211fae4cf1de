#include "MDI.h"
#include "ReportPages.h"
#include "ReportViewer.h"
#include "ReportsFixture.h"
#include "ScriptedMsgBox.h"
#include "TempDatabase.h"
#include "TestRegistry.h"
#include "Transaction.h"
#include "Viewer.h"
#include "frmCustomerEntry.h"
#include "frmNavigator.h"
#include "frmRenameCustomer.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// A report shows the database as it stood when the user asked for it: what the user saves
// while its pages are still being counted neither waits for the report nor shows in it.
class tst_ReportSnapshot : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_f.reset(); }
    void savesWhileCountingLeaveTheReportAsAsked_data();
    void savesWhileCountingLeaveTheReportAsAsked();

private:
    void open(const QString &kind);
    QStringList seen();
    frmCustomerEntry *entryOn(const QString &name);

    std::unique_ptr<ReportsFixture> m_f;
};

namespace {

constexpr int Customers = 3000;

// Every eighth customer is a copier dealer; numbered, so that the last ones are read last.
QString nameOf(int i)
{
    return QString("Customer %1%2").arg(i, 4, 10, QChar('0')).arg(i % 8 ? "" : " Copiers");
}

} // namespace

void tst_ReportSnapshot::init()
{
    m_f = std::make_unique<ReportsFixture>();
    TempDatabase &db = m_f->db();
    Transaction seed(db.db());
    for (int i = 0; i < Customers; ++i) {
        db.addCustomer(nameOf(i), { { "City", QString("City %1").arg(i % 50) } });
        if (i % 4 == 0) {
            db.addMachine(nameOf(i), { { "Brand", QString("Brand %1").arg(i) } });
            db.addCall(nameOf(i), { { "Telemarketer", QString("Caller %1").arg(i) } });
        }
    }
    seed.commit();
}

void tst_ReportSnapshot::open(const QString &kind)
{
    if (kind == "report")
        m_f->printReport();
    else
        QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
}

// What the user gets from the viewer: the page count, the pages as PDF text (without the time
// of printing) and, for a list, the CSV file.
QStringList tst_ReportSnapshot::seen()
{
    ReportViewer *control = m_f->viewer()->CRViewer;
    QStringList s { QString::number(control->pages()->pageCount()) };
    static const QRegularExpression printed("Printed .*$", QRegularExpression::MultilineOption);
    for (const QString &page : m_f->pageTexts())
        s << QString(page).remove(printed);
    if (control->actSaveCsv->isVisible()) {
        QTemporaryDir dir;
        const QString path = dir.filePath("list.csv");
        ReportViewer::setFileChooser(
            [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
        control->actSaveCsv->trigger();
        ReportViewer::setFileChooser(nullptr);
        if (!m_f->finishJob())
            return { "the CSV was never written" };
        QFile file(path);
        s << (file.open(QIODevice::ReadOnly) ? file.readAll() : "no CSV file");
    }
    return s;
}

frmCustomerEntry *tst_ReportSnapshot::entryOn(const QString &name)
{
    m_f->main().findChild<QAction *>("CustomerEntry")->trigger();
    auto *form = m_f->main().registry().find<frmCustomerEntry>();
    form->cmbCustomer->setEditText(name);
    return form;
}

void tst_ReportSnapshot::savesWhileCountingLeaveTheReportAsAsked_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("word"); // the search word
    QTest::newRow("navigator report") << "report"
                                      << "Copiers";
    QTest::newRow("export list") << "export"
                                 << "";
}

void tst_ReportSnapshot::savesWhileCountingLeaveTheReportAsAsked()
{
    QFETCH(QString, kind);
    QFETCH(QString, word);
    m_f->search(word);
    open(kind);
    const QStringList asked = seen();
    QVERIFY(asked.first().toInt() > 10);
    QCOMPARE(asked.size(), asked.first().toInt() + (kind == "report" ? 1 : 2));

    // The same report again; while its pages are counted, the last customers of the search
    // (read last) are renamed, deleted and joined by a new one, each step committed. It keeps
    // as few rows as it can, so that every page drawn afterwards reads its rows again.
    open(kind);
    QVERIFY(!m_f->viewer()->CRViewer->pages()->complete());
    Report &report = m_f->viewer()->CRViewer->pages()->report();
    report.table(1).setRowBudget(1);
    for (const auto &sub : report.subreports())
        sub->table(1).setRowBudget(1);
    QCoreApplication::processEvents();
    const QString renamed = nameOf(Customers - 16), to = nameOf(Customers - 15) + " Copiers";
    const QString deleted = nameOf(Customers - 8), added = nameOf(Customers);
    QTest::mouseClick(entryOn(renamed)->btnRename, Qt::LeftButton);
    auto *rename = m_f->main().registry().find<frmRenameCustomer>();
    rename->txtTo->setText(to);
    QTest::mouseClick(rename->btnOK, Qt::LeftButton);
    QCoreApplication::processEvents();
    {
        ScriptedMsgBox messages;
        messages.expect("Are you sure you want to delete this customer and all of the equipment "
                        "and telemarket information?",
            "Delete Confirmation", MsgBox::Yes);
        QTest::mouseClick(entryOn(deleted)->btnDelete, Qt::LeftButton);
        QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
    }
    QCoreApplication::processEvents();
    entryOn(added)->txtCity->setText("City 1");
    QTest::mouseClick(entryOn(added)->btnSave, Qt::LeftButton);
    QCoreApplication::processEvents();

    // Every save was stored, machines and calls with their customer: the customer, machine and
    // call counts of each name.
    const QString counts = "SELECT (SELECT Count(*) FROM Customer WHERE Customer = ?1), (SELECT "
                           "Count(*) FROM Equipment WHERE Customer = ?1), (SELECT Count(*) FROM "
                           "Telemarket WHERE Customer = ?1)";
    for (const auto &[name, stored] : { std::pair { renamed, "0|0|0" }, { to, "1|1|1" },
             { deleted, "0|0|0" }, { added, "1|0|0" } })
        QCOMPARE(m_f->rowsOf(counts, { name }), QStringList { stored });

    // The report is the one asked for, page by page, and so are its PDF and its CSV.
    QCOMPARE(seen(), asked);
    int held = report.table(1).rowsHeld(), read = report.table(1).rowsRead();
    for (const auto &sub : report.subreports()) {
        held += sub->table(1).rowsHeld();
        read += sub->table(1).rowsRead();
    }
    QVERIFY2(held < read, "rows must have been let go and read again");
}

CORVANE_TEST(tst_ReportSnapshot)
#include "tst_ReportSnapshot.moc"
