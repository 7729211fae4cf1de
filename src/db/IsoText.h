#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Dates as the file stores them: YYYY-MM-DD, and YYYY-MM-DD HH:MM:SS with a time. Text in this
// form sorts and compares as the dates do, in the program and in the stock shell alike.
namespace IsoText {

QString fromDate(const QDate &date);
QString fromDateTime(const QDateTime &dateTime);

// Hand-parsed: the search reads a date of every row it shows. Invalid results for other text.
// A date-time text with no time reads as midnight; a date text may carry a time, which is
// dropped.
QDate toDate(const char *text, int bytes);
QDateTime toDateTime(const char *text, int bytes);
// The two halves of a date-time text as toDateTime reads them, without placing them in the
// local time zone, which costs more than the reading: for text that is only shown.
struct DateAndTime
{
    QDate date;
    QTime time;
};
DateAndTime toDateAndTime(const char *text, int bytes);
QDate toDate(const QString &text);
QDateTime toDateTime(const QString &text);

} // namespace IsoText
