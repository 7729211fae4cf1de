#include "DemoCall.h"

#include "DemoCalendar.h"
#include "DemoPeople.h"
#include "DemoRandom.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace {

const QStringList &interests()
{
    static const QStringList all {
        QStringLiteral("Not interested at this time."),
        QStringLiteral("Happy with their current dealer."),
        QStringLiteral("Lease is up next year; call back before it ends."),
        QStringLiteral("Wants pricing on a color copier."),
        QStringLiteral("Asked for a brochure by mail."),
        QStringLiteral("Office manager was out; left a message."),
        QStringLiteral("Interested in a service contract for their printers."),
        QStringLiteral("Budget is set in July; call then."),
        QStringLiteral("They're moving offices and will need two machines set up."),
        QStringLiteral("Owner said no, but the office manager was interested."),
        QStringLiteral("Demo scheduled at their office."),
        QStringLiteral("Sent a quote for a 45 page a minute copier."),
        QStringLiteral("Wants to scan to e-mail and to a shared folder."),
        QStringLiteral("Complained about toner costs with their current machine."),
        QStringLiteral("No answer."),
        QStringLiteral("Wrong number listed; found the new one on their website."),
        QStringLiteral("Asked about a postage meter for the mail room."),
        QStringLiteral("Going out to bid; send the forms before the end of the month."),
        QStringLiteral("Very interested: their copier is down every week and the other "
                       "dealer takes days to send a technician. Wants a proposal for a lease "
                       "with service included and a loaner during repairs."),
        QStringLiteral("Call back after the holidays."),
        QStringLiteral("Needs board approval for anything over $200 a month."),
        QStringLiteral("Asked us not to call before 10 a.m."),
    };
    return all;
}

// Months from a call to its call back; six for most, as the office sets it by default.
constexpr std::array<int, 5> CallBackMonths { 6, 3, 12, 1, 9 };
constexpr std::array<int, 5> CallBackWeights { 78, 8, 7, 4, 3 };

} // namespace

std::vector<DemoCall> DemoCall::makeHistory(
    DemoRandom &random, const QDateTime &customerEntered, int count)
{
    const QDate first = customerEntered.date().addDays(1);
    const QDate last = std::max(first, DemoCalendar::lastActivityDay());
    std::vector<QDate> days;
    days.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        days.push_back(DemoCalendar::dayBetween(random, first, last));
    std::sort(days.begin(), days.end());

    const QStringList &callers = DemoPeople::telemarketers();
    const QString usualCaller = random.pick(callers);
    std::vector<DemoCall> calls;
    calls.reserve(days.size());
    for (const QDate &day : days) {
        DemoCall call;
        call.dateofCall = day;
        call.telemarketer = random.chance(70) ? usualCaller : random.pick(callers);
        call.nextCallBack
            = day.addMonths(CallBackMonths[std::size_t(random.weighted(CallBackWeights))]);
        if (random.chance(92))
            call.interest = random.pick(interests());
        call.dateEntered = DemoCalendar::duringOffice(random, day);
        calls.push_back(call);
    }
    return calls;
}
