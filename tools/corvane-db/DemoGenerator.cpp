#include "DemoGenerator.h"

#include "DeferredIndexes.h"
#include "DemoBusinessNames.h"
#include "DemoCalendar.h"
#include "DemoCall.h"
#include "DemoCustomer.h"
#include "DemoMachine.h"
#include "DemoRandom.h"
#include "DemoRowWriter.h"
#include "Transaction.h"

#include <array>
#include <stdexcept>

namespace {

// Machines per customer: some have none, a few a whole fleet; about three on average.
constexpr std::array<int, 9> MachineCounts { 13, 15, 17, 17, 14, 10, 6, 5, 3 };
// Calls per customer: about five on average, some never called.
constexpr std::array<int, 13> CallCounts { 9, 8, 9, 10, 11, 11, 10, 9, 7, 6, 4, 3, 3 };

// Customers were taken on steadily over the years, so later rows were entered later.
QDateTime enteredAt(DemoRandom &random, int index, int customers)
{
    const qint64 span = DemoCalendar::firstDay().daysTo(DemoCalendar::lastCustomerDay());
    const QDate day = DemoCalendar::firstDay().addDays(qint64(index) * span / customers);
    return DemoCalendar::duringOffice(random, day);
}

} // namespace

void generateDemoData(Database &db, int customers, quint32 seed)
{
    if (customers < 0)
        throw std::invalid_argument("the number of demo customers cannot be negative");
    DemoRandom random(seed);
    DemoBusinessNames names;
    Transaction transaction(db);
    DeferredIndexes indexes(db);
    DemoRowWriter writer(db);
    for (int i = 0; i < customers; ++i) {
        const DemoCustomer customer
            = DemoCustomer::make(random, names.next(random), enteredAt(random, i, customers));
        writer.write(customer);
        const int machines = random.weighted(MachineCounts);
        for (int m = 0; m < machines; ++m)
            writer.write(customer.customer, DemoMachine::make(random, customer.dateEntered));
        for (const DemoCall &call :
            DemoCall::makeHistory(random, customer.dateEntered, random.weighted(CallCounts)))
            writer.write(customer.customer, call);
    }
    indexes.rebuild();
    transaction.commit();
}
