#pragma once

#include <QDate>
#include <QDateTime>

class DemoRandom;

// The years the demo data covers. The records read as if kept from early 2019 to mid 2026,
// with leases and call backs running on to 2028, so that whatever today is for the person
// trying the program, lease ends and call backs fall on both sides of it.
namespace DemoCalendar {

inline QDate firstDay()
{
    return { 2019, 1, 2 };
}
// The last day a customer is taken on; later days belong to its machines and calls.
inline QDate lastCustomerDay()
{
    return { 2025, 12, 31 };
}
// Machines are bought or leased and calls are made up to here.
inline QDate lastActivityDay()
{
    return { 2026, 6, 30 };
}
// No lease runs past this day.
inline QDate lastLeaseEnd()
{
    return { 2028, 12, 31 };
}

QDate dayBetween(DemoRandom &random, QDate first, QDate last);
// A moment in office hours of the given day, to the second.
QDateTime duringOffice(DemoRandom &random, QDate day);

} // namespace DemoCalendar
