#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Number and date helpers shared by the grids and the entry windows.

// value written with a display format such as "$#,###.##" or "$#,##0.00;($#,##0.00)": up to
// three sections (positive; negative; zero), '0' a digit always shown, '#' a digit shown when
// it counts, ',' between digit places groups thousands, '.' the decimal point, anything else
// as it stands. Digits are rounded half away from zero on the value's shortest decimal form,
// so 1.005 rounds up as a user expects. An empty format gives the plain number.
QString formatNumber(double value, const QString &format);

// The text a cell shows under a display format: numbers formatted, anything else unchanged.
QString formatText(const QString &text, const QString &format);

// Whether a payment text is a number: the user's locale or the C locale, an optional leading
// "$" (or the user's own currency sign) and thousands separators accepted; a value in
// parentheses is negative. Empty is not. So the payment box's own display form reads back.
bool isNumericText(QStringView text);
// The value of such a text; 0 where isNumericText is false.
double toNumber(QStringView text);
// The value of such a text, or none where isNumericText is false: the test and the value in
// one reading, for the many cells of a grid column.
std::optional<double> numericValue(QStringView text);
// The amount of a payment text as the database keeps it: rounded half away from zero to four
// decimal places on its decimal digits (so "0.00005" is 0.0001, as typed, not as a double holds
// it); 0 where isNumericText is false.
double toCurrency(QStringView text);

// A number as the user would type it back: the user's decimal point, no thousands separators,
// no needless zeros ("1234.5" in the United States, "1234,5" in Germany).
QString numberText(double value);

// Calendar-month addition: the day is kept, or the month's last day where it has fewer days
// (31 January + 1 month = 28 or 29 February). An invalid date stays invalid.
QDate addMonths(QDate date, int months);

// Rounds to the nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// The short date format of the user's locale with the year always written in four digits.
QString fourDigitYearDateFormat();
// The long time format of the user's locale without its time zone: a time of day read from the
// database has none, and the brackets, comma or blank around the zone would show on their own.
QString timeOfDayFormat();
