#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A report's rows as CSV for a spreadsheet: UTF-8 with its byte-order mark (so spreadsheets
// do not take it for the local code page), a header row of the column names, CRLF line ends.
namespace ReportCsv {

// What the file begins with, before its header row.
inline constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

// A value as one CSV cell: quoted when it holds a comma, a quote or a line break, its quotes
// doubled; a value a spreadsheet would run as a formula (beginning with =, +, -, @, a tab or
// a carriage return) gets a leading apostrophe so that it stays text.
QString cell(const QString &value);

// One row of values as a line of the file, its line end included.
QByteArray line(const QStringList &values);

} // namespace ReportCsv
