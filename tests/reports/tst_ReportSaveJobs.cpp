#include "DbError.h"
#include "MDI.h"
#include "Report.h"
#include "ReportJobRunner.h"
#include "ReportPages.h"
#include "ReportRowSource.h"
#include "ReportSaveJob.h"
#include "ReportViewer.h"
#include "ReportsFixture.h"
#include "ScriptedMsgBox.h"
#include "TestRegistry.h"
#include "Transaction.h"
#include "Viewer.h"
#include "frmNavigator.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// Printing and saving run between the user's events: each ends whole, or leaves nothing under
// the name asked for and an older file as it was, however it is stopped; the viewer is left
// showing the page it showed.
class tst_ReportSaveJobs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fileWholeOrAbsent_data();
    void fileWholeOrAbsent();

private:
    std::unique_ptr<ReportsFixture> m_f;
};

namespace {

constexpr int Customers = 3000;
const QByteArray Older = "an older file of that name";

// The export list's rows, until the database gives out half-way.
class FailingRows : public ReportRowSource
{
public:
    QStringList columnNames() const override
    {
        return { "Customer", "Address1", "City", "Phone", "DateEntered" };
    }
    bool next(QStringList &values) override
    {
        if (++m_row > 200)
            throw DbError("disk I/O error", "SELECT * FROM Customer");
        values = { QString("Failing %1").arg(m_row), "Main St", "Salem", "555", "2024-01-01" };
        return true;
    }
    QByteArray matchKey(const QString &value) const override { return value.toUtf8(); }
    void close() override { }

private:
    int m_row = 0;
};

constexpr QFile::Permissions Shared
    = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;

enum Ending { ToEnd, CancelButton, Escape, ViewerClosed, Replaced, Unwritable, Unreadable };

bool whole(const QString &kind, const QByteArray &bytes)
{
    if (kind == "csv")
        return bytes.startsWith("\xEF\xBB\xBF") && bytes.count("\r\n") == Customers + 1;
    if (kind == "xlsx") // a zip archive ends with its central directory's end record
        return bytes.startsWith("PK\x03\x04") && bytes.right(22).startsWith("PK\x05\x06");
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

} // namespace

void tst_ReportSaveJobs::init()
{
    m_f = std::make_unique<ReportsFixture>();
    Transaction seed(m_f->db().db());
    for (int i = 0; i < Customers; ++i)
        m_f->db().addCustomer(QString("Customer %1").arg(i, 4, 10, QChar('0')),
            { { "City", "Salem" }, { "Address1", "Main St" } });
    seed.commit();
    m_f->search();
    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
}

void tst_ReportSaveJobs::cleanup()
{
    ReportViewer::setFileChooser(nullptr);
    ReportViewer::setPrintDialog(nullptr);
    m_f.reset();
}

void tst_ReportSaveJobs::fileWholeOrAbsent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("ending");
    QTest::addColumn<QString>("failed"); // the message's first words when the folder refuses
    const char *const endings[] = { "to the end", "Cancel", "Escape", "viewer closed",
        "report replaced", "unwritable", "unreadable" };
    for (const auto &[kind, failed] : { std::pair { "pdf", "The report could not be saved as" },
             { "csv", "The list could not be saved as" },
             { "xlsx", "The list could not be saved as" },
             { "print", "The report could not be printed to" } }) {
        for (int ending = ToEnd; ending <= Unreadable; ++ending)
            QTest::addRow("%s, %s", kind, endings[ending]) << kind << ending << failed;
    }
}

void tst_ReportSaveJobs::fileWholeOrAbsent()
{
    QFETCH(QString, kind);
    QFETCH(int, ending);
    QFETCH(QString, failed);
    ReportViewer *control = m_f->viewer()->CRViewer;
    if (ending == Unreadable) {
        auto report = Report::fromLayout(":/reports/crptNavExportReport.json");
        report->table(1).setDataSource(std::make_unique<FailingRows>(), 3);
        report->DiscardSavedData();
        report->ReadRecords();
        control->setReportSource(std::move(report));
        control->ViewReport();
    }
    control->goToPage(1);

    // The folder is a plain file when it must refuse the file.
    QTemporaryDir dir;
    const QString folder = dir.filePath("out"),
                  name = "list." + QString(kind == "print" ? "pdf" : kind);
    const QString target = folder + "/" + name;
    if (ending == Unwritable) {
        QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
    } else {
        QFile older(target);
        QVERIFY(QDir().mkpath(folder) && older.open(QIODevice::WriteOnly));
        older.write(Older);
        // Readable by all, unlike a temporary file: the saved file keeps what the older had.
        older.setPermissions(Shared);
    }
    ReportViewer::setFileChooser(
        [&](QWidget *, const QString &, const QString &, const QString &) { return target; });
    ReportViewer::setPrintDialog([&](QWidget *, QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        return true;
    });
    ScriptedMsgBox messages;
    QAction *command = kind == "pdf" ? control->actSavePdf
        : kind == "csv"              ? control->actSaveCsv
        : kind == "xlsx"             ? control->actSaveXlsx
                                     : control->actPrint;
    command->trigger();
    ReportJobRunner *jobs = control->jobs();
    QVERIFY(!command->isEnabled() || !jobs->running());

    if (ending == CancelButton || ending == Escape || ending == ViewerClosed
        || ending == Replaced) {
        // Stopped once some of the work is done and more is left.
        QVERIFY(QTest::qWaitFor([&] { return !jobs->running() || jobs->job()->done() > 0; }));
        QVERIFY2(jobs->running(), "the work ended before it could be stopped half-way");
        // Shown now rather than after its delay, so that it can be pressed; no event is
        // handled before it is, so the work cannot end meanwhile.
        QProgressDialog *progress = jobs->progress();
        progress->show();
        QCOMPARE(progress->isModal(), false);
        QCOMPARE(progress->windowTitle() + "…", command->text());
        QVERIFY(
            progress->labelText().startsWith(kind == "csv" || kind == "xlsx" ? "Row " : "Page "));
        if (ending == CancelButton) {
            m_f->saveScreenshot(progress, "report-progress-" + kind + ".png");
            QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
        } else if (ending == Escape) {
            QTest::keyClick(progress, Qt::Key_Escape);
        } else if (ending == ViewerClosed) {
            m_f->viewer()->parentWidget()->close();
        } else {
            // The work goes on with the report it was started on.
            QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
        }
    }
    QVERIFY(m_f->finishJob());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QFile file(target);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (ending == ToEnd || ending == Replaced)
        QVERIFY2(whole(kind, bytes) && (file.permissions() & Shared) == Shared,
            bytes.left(40).constData());
    else if (ending != Unwritable)
        QCOMPARE(bytes, Older);
    // Nothing but the file asked for is ever seen in the folder.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
        ending == Unwritable ? QStringList() : QStringList { name });

    const QStringList shown = messages.shown();
    if (ending == Unwritable)
        QVERIFY(shown.size() == 1
            && shown[0].startsWith(failed + " " + QDir::toNativeSeparators(target)));
    else if (ending == Unreadable)
        QVERIFY(!shown.isEmpty() && shown.filter("disk I/O error").size() == shown.size());
    else
        QVERIFY2(shown.isEmpty(), qPrintable(shown.join('\n')));

    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QProgressDialog *>(window));
    if (ending == ViewerClosed) {
        QVERIFY(!m_f->viewer());
        return;
    }
    QCOMPARE(control->currentPage(), ending == Replaced ? 0 : 1);
    QVERIFY(command->isEnabled());
    // A save that counts the pages itself holds the viewer's count off only while it runs.
    if (ending != Unreadable)
        QVERIFY(QTest::qWaitFor([&] { return control->pages()->complete(); }));
}

CORVANE_TEST(tst_ReportSaveJobs)
#include "tst_ReportSaveJobs.moc"
