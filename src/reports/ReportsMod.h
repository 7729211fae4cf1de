#pragma once

#include <QString>

// The report procedures: each runs the navigator's search again, binds the rows to a report
// layout and shows the report in the viewer window.
namespace ReportsMod {

// The customers of sql, each with its machines and calls unless those are left out.
void ShowNavigatorReport(const QString &sql, bool suppressEquipment, bool suppressTelemarket);
// The customers of sql as a plain list.
void ShowExportReport(const QString &sql);

// The statement the customer report's subreport of that name reads its rows with: every
// machine (call) at once, which the report matches to its customers by name.
QString subreportStatement(const QString &subreport);

} // namespace ReportsMod
