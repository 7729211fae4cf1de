#pragma once

#include <QString>

class QIODevice;
class Report;

// A report's rows as CSV for a spreadsheet: UTF-8 with its byte-order mark (so spreadsheets
// do not take it for the local code page), a header row of the column names, CRLF line ends.
namespace ReportCsv {

// A value as one CSV cell: quoted when it holds a comma, a quote or a line break, its quotes
// doubled; a value a spreadsheet would run as a formula (beginning with =, +, -, @, a tab or
// a carriage return) gets a leading apostrophe so that it stays text.
QString cell(const QString &value);

// Writes every row of the report's table; false when the device refused the data.
bool write(Report &report, QIODevice &out);

} // namespace ReportCsv
