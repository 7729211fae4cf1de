#pragma once

#include <QString>

// A date or time display format as Qt writes it ("M/d/yyyy h:mm:ss AP") turned into the number
// format a spreadsheet shows a date cell with ("m/d/yyyy h:mm:ss AM/PM"), so that a date in a
// saved workbook reads as it does on screen while it stays a date the spreadsheet can sort and
// compute with.
namespace WorkbookDateFormat {

// Fields the spreadsheet has no counterpart for (the time zone) are left out; every other
// character stands as literal text, quoted where the spreadsheet would read it as a field.
QString fromQt(const QString &qtFormat);

} // namespace WorkbookDateFormat
