#pragma once

#include "SearchBench.h"

#include <QString>
#include <QStringList>

// Times the reports after a search with no criteria, on a real navigator and viewer: the first
// page of the navigator report (both details) and of the export list, from the button to the
// page painted; the whole report as PDF; the export list as CSV and as an Excel workbook. One
// line per measurement.
// With pdfCopy set, the last PDF written is kept there.
QStringList runReportBench(
    const BenchScale &scale, const QString &path, int runs, const QString &pdfCopy = QString());
