#include "DemoCalendar.h"

#include "DemoRandom.h"

namespace DemoCalendar {

QDate dayBetween(DemoRandom &random, QDate first, QDate last)
{
    if (last <= first)
        return first;
    return first.addDays(random.below(int(first.daysTo(last)) + 1));
}

QDateTime duringOffice(DemoRandom &random, QDate day)
{
    constexpr int OpensAt = 8 * 3600;
    constexpr int OfficeSeconds = 10 * 3600;
    const QTime time
        = QTime::fromMSecsSinceStartOfDay((OpensAt + random.below(OfficeSeconds)) * 1000);
    // UTC only so that the moment is the same wherever the file is made; it is written as the
    // bare day and time.
    return QDateTime(day, time, Qt::UTC);
}

} // namespace DemoCalendar
