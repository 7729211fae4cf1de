#include "ReportsMod.h"

#include "BusyCursor.h"
#include "Database.h"
#include "ProgramValues.h"
#include "RecordsetSource.h"
#include "Report.h"
#include "ReportViewer.h"
#include "WindowRegistry.h"

#include "Viewer.h"
#include <QMdiSubWindow>
#include <stdexcept>

namespace {

const char *const EquipmentSQL
    = "SELECT ID,Customer,Brand,Model,SN,Provider,DatePurchased,DateLeased,LeaseTerm,LeaseEnds,"
      "MonthlyVolume,MonthlyPayment,Satisfied,Notes,DateEntered FROM Equipment ORDER BY "
      "Customer,Brand,Model";
const char *const CallSQL = "SELECT ID,Customer,DateofCall,Telemarketer,NextCallBack,Interest,"
                            "DateEntered FROM Telemarket ORDER BY Customer,DateofCall,Telemarketer";

// Record sets go to the engine with this data tag.
constexpr int RecordsetTag = 3;

// Every record set of a report is one of the report's own snapshot, which its sources keep
// with the statement, to read rows again that the report let go. Every statement of the
// reports orders its rows by the customer's name first.
void bind(
    Report &report, Recordset rs, const QString &sql, const std::shared_ptr<Database> &snapshot)
{
    report.table(1).setDataSource(
        std::make_unique<RecordsetSource>(std::move(rs), sql, QStringLiteral("Customer"), snapshot),
        RecordsetTag);
}

// The windows of the main window the viewer opens in: the program's, or the one a test made.
WindowRegistry &host()
{
    if (WindowRegistry *registry = WindowRegistry::of())
        return *registry;
    throw std::logic_error("reports: no main window to show the viewer in");
}

void show(std::unique_ptr<Report> report)
{
    WindowRegistry &registry = host();
    Viewer *viewer = registry.open<Viewer>();
    // A viewer that is open already comes to the front with its new report.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(viewer->parentWidget()))
        registry.area()->setActiveSubWindow(frame);
    viewer->CRViewer->setReportSource(std::move(report));
    viewer->CRViewer->ViewReport();
}

} // namespace

void ReportsMod::ShowNavigatorReport(
    const QString &sql, bool suppressEquipment, bool suppressTelemarket)
{
    BusyCursor busy;
    const std::shared_ptr<Database> snapshot = gDatabase->openSnapshot();
    Recordset customers = snapshot->openRecordset(sql);
    const QString equipmentSql = subreportStatement(QStringLiteral("Subreport1"));
    Recordset equipment = snapshot->openRecordset(equipmentSql);
    const QString callSql = subreportStatement(QStringLiteral("Subreport2"));
    Recordset calls = snapshot->openRecordset(callSql);
    std::unique_ptr<Report> report
        = Report::fromLayout(QStringLiteral(":/reports/crptNavReport.json"));
    bind(*report->OpenSubreport(QStringLiteral("Subreport1")), std::move(equipment), equipmentSql,
        snapshot);
    bind(*report->OpenSubreport(QStringLiteral("Subreport2")), std::move(calls), callSql, snapshot);
    bind(*report, std::move(customers), sql, snapshot);
    report->DiscardSavedData();
    report->ReadRecords();
    if (suppressEquipment)
        report->section(QStringLiteral("Section3"))->setSuppress(true);
    if (suppressTelemarket)
        report->section(QStringLiteral("Section4"))->setSuppress(true);
    // The report has taken the record sets over: it reads their rows as the viewer's pages
    // need them and closes each after its last row, so the first page of a large search shows
    // without every customer being read first. They all read one snapshot, kept while the
    // report lives, so what the user saves meanwhile neither waits for the report nor shows in
    // it, and a page laid out again reads the same rows.
    show(std::move(report));
}

QString ReportsMod::subreportStatement(const QString &subreport)
{
    if (subreport == QLatin1String("Subreport1"))
        return QLatin1String(EquipmentSQL);
    if (subreport == QLatin1String("Subreport2"))
        return QLatin1String(CallSQL);
    throw std::invalid_argument("reports: no statement for subreport " + subreport.toStdString());
}

void ReportsMod::ShowExportReport(const QString &sql)
{
    BusyCursor busy;
    const std::shared_ptr<Database> snapshot = gDatabase->openSnapshot();
    Recordset customers = snapshot->openRecordset(sql);
    std::unique_ptr<Report> report
        = Report::fromLayout(QStringLiteral(":/reports/crptNavExportReport.json"));
    bind(*report, std::move(customers), sql, snapshot);
    report->DiscardSavedData();
    report->ReadRecords();
    show(std::move(report));
}
