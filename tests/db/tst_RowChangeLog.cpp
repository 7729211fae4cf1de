#include "tst_RowChangeLog.h"
#include "TestRegistry.h"

#include "RowChangeLog.h"
#include "ScratchDatabase.h"
#include "Transaction.h"

#include <QTest>
#include <functional>

namespace {

using Write = std::function<void(ScratchDatabase &)>;
using Rowids = std::vector<qint64>;

// Two customers, one machine and one call, rowid 1 each but the second customer.
void fill(ScratchDatabase &s)
{
    s.addCustomer("Acme");
    s.addCustomer("Bolt");
    s.addMachine("Acme");
    s.addCall("Bolt");
}

} // namespace

void tst_RowChangeLog::logsEachWrite_data()
{
    QTest::addColumn<Write>("write");
    QTest::addColumn<Rowids>("customers");
    QTest::addColumn<Rowids>("machines");
    QTest::addColumn<Rowids>("calls");
    QTest::addColumn<bool>("complete");

    QTest::newRow("row changed") << Write([](ScratchDatabase &s) {
        s.db().execute("UPDATE Customer SET City = 'Bend' WHERE Customer = 'Bolt'");
    }) << Rowids { 2 } << Rowids {}
                                 << Rowids {} << true;
    QTest::newRow("row added, changed, deleted: once") << Write([](ScratchDatabase &s) {
        const qint64 id = s.addMachine("Bolt");
        s.db().execute("UPDATE Equipment SET Brand = 'Ox' WHERE ID = ?", { id });
        s.db().execute("DELETE * FROM Equipment WHERE ID = ?", { id });
    }) << Rowids {} << Rowids { 2 } << Rowids {} << true;
    QTest::newRow("rename through all tables") << Write([](ScratchDatabase &s) {
        for (const char *table : { "Telemarket", "Equipment", "Customer" })
            s.db().execute(QStringLiteral("UPDATE %1 SET Customer = 'Zed' WHERE Customer = 'Acme'")
                               .arg(QLatin1String(table)));
    }) << Rowids { 1 } << Rowids { 1 } << Rowids {}
                                               << true;
    QTest::newRow("rolled back") << Write([](ScratchDatabase &s) {
        Transaction undone(s.db());
        s.db().execute("UPDATE Telemarket SET Interest = 'Low'");
    }) << Rowids {} << Rowids {} << Rowids { 1 }
                                 << true;
    QTest::newRow("table emptied at once")
        << Write([](ScratchDatabase &s) { s.db().execute("DELETE * FROM Equipment"); }) << Rowids {}
        << Rowids {} << Rowids {} << false;
    QTest::newRow("another connection") << Write([](ScratchDatabase &s) {
        Database::open(s.path())->execute("UPDATE Customer SET City = 'Bend'");
    }) << Rowids {} << Rowids {} << Rowids {}
                                        << false;
    QTest::newRow("tables altered") << Write([](ScratchDatabase &s) {
        s.db().execute("CREATE INDEX TelemarketInterest ON Telemarket (Interest)");
    }) << Rowids {} << Rowids {} << Rowids {}
                                    << false;
}

void tst_RowChangeLog::logsEachWrite()
{
    QFETCH(Write, write);
    ScratchDatabase s;
    fill(s);
    const std::shared_ptr<RowChangeLog> log = s.db().rowChangeLog();
    log->start();
    write(s);
    const RowChangeLog::Changes changes = log->take();
    QFETCH(bool, complete);
    QCOMPARE(changes.complete, complete);
    QFETCH(Rowids, customers);
    QFETCH(Rowids, machines);
    QFETCH(Rowids, calls);
    if (changes.complete) {
        QCOMPARE(changes.rows[RowChangeLog::Customers], customers);
        QCOMPARE(changes.rows[RowChangeLog::Machines], machines);
        QCOMPARE(changes.rows[RowChangeLog::Calls], calls);
    }
    // Taken once: the log goes on from here, empty.
    QVERIFY(log->take().empty());
}

void tst_RowChangeLog::closingEndsTheLog()
{
    ScratchDatabase s;
    fill(s);
    const std::shared_ptr<RowChangeLog> log = s.db().rowChangeLog();
    log->start();
    log->stop();
    s.db().execute("UPDATE Customer SET City = 'Bend'");
    log->start();
    QVERIFY(log->take().empty()); // nothing recorded while stopped
    s.close();
    QVERIFY(!log->take().complete);
}

CORVANE_TEST(tst_RowChangeLog)
