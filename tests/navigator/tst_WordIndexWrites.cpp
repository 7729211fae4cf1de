#include "CustomerRecords.h"
#include "CustomerSearch.h"
#include "Database.h"
#include "LiveWordIndex.h"
#include "Recordset.h"
#include "TempDatabase.h"
#include "TestRegistry.h"
#include "Transaction.h"

#include <QTest>
#include <functional>

// The navigator's copy of the searched columns must find, after every kind of write, exactly
// what the engine's path finds: the program's own writes are followed row by row, and a write
// the rows cannot tell (another connection, a table emptied at once) has it read again.
class tst_WordIndexWrites : public QObject
{
    Q_OBJECT
private slots:
    void followsEachWrite_data();
    void followsEachWrite();
};

namespace {

using Write = std::function<void(ScratchDatabase &)>;

struct Ids
{
    qint64 machine = 0;
    qint64 call = 0;
};

Ids fill(ScratchDatabase &s)
{
    s.addCustomer("Acme Red", { { "City", "Salem" }, { "Contact1", "Ann Blue" } });
    s.addCustomer("Bolt", { { "City", "Bend" } });
    s.addCustomer("Élan", { { "Address1", "1 Green Way" } });
    const qint64 machine = s.addMachine("ACME RED", { { "Brand", "Ox" }, { "Notes", "green" } });
    s.addMachine("Bolt", { { "Brand", "Red Ox" } });
    const qint64 call = s.addCall("Bolt", { { "Telemarketer", "Ann" }, { "Interest", "blue" } });
    s.addCall("Élan", { { "Telemarketer", "Bob" }, { "Interest", "Red hot" } });
    return { machine, call };
}

// A row changed as the entry windows save theirs: read, edited, written back.
void save(Database &db, const QString &sql, const QVariant &key, const QString &column,
    const QVariant &value)
{
    Recordset rs = db.openRecordset(sql, { key });
    rs.edit();
    rs.setField(column, value);
    rs.update();
}

void add(Database &db, const QString &table, const QVariantMap &columns)
{
    Recordset rs = db.openRecordset(QStringLiteral("SELECT TOP 1 * FROM %1").arg(table));
    rs.addNew();
    for (auto it = columns.begin(); it != columns.end(); ++it)
        rs.setField(it.key(), it.value());
    rs.update();
}

const QString FindCustomer = QStringLiteral("SELECT * FROM Customer WHERE Customer = ?");
const QString FindMachine = QStringLiteral("SELECT * FROM Equipment WHERE ID = ?");
const QString FindCall = QStringLiteral("SELECT * FROM Telemarket WHERE ID = ?");

} // namespace

void tst_WordIndexWrites::followsEachWrite_data()
{
    QTest::addColumn<std::function<void(ScratchDatabase &, Ids)>>("write");
    // False when the copy must be read again rather than follow the rows.
    QTest::addColumn<bool>("rowByRow");
    using W = std::function<void(ScratchDatabase &, Ids)>;

    QTest::newRow("customer saved") << W([](ScratchDatabase &s, Ids) {
        save(s.db(), FindCustomer, "Bolt", "Address1", "9 Green Lane");
    }) << true;
    QTest::newRow("customer added") << W([](ScratchDatabase &s, Ids) {
        add(s.db(), "Customer", { { "Customer", "Nova" }, { "City", "Red Bluff" } });
    }) << true;
    QTest::newRow("customer renamed")
        << W([](ScratchDatabase &s, Ids) { renameCustomer(s.db(), "Acme Red", "Zed"); }) << true;
    QTest::newRow("customer deleted")
        << W([](ScratchDatabase &s, Ids) { deleteCustomer(s.db(), "Bolt"); }) << true;
    QTest::newRow("machine saved") << W([](ScratchDatabase &s, Ids ids) {
        save(s.db(), FindMachine, ids.machine, "Brand", "Teal");
    }) << true;
    QTest::newRow("machine added") << W([](ScratchDatabase &s, Ids) {
        add(s.db(), "Equipment", { { "Customer", "élan" }, { "Brand", "Blue" } });
    }) << true;
    QTest::newRow("machine deleted") << W([](ScratchDatabase &s, Ids ids) {
        s.db().execute("DELETE * FROM Equipment WHERE ID = ?", { ids.machine });
    }) << true;
    QTest::newRow("call saved") << W([](ScratchDatabase &s, Ids ids) {
        save(s.db(), FindCall, ids.call, "Interest", "green");
    }) << true;
    QTest::newRow("call added") << W([](ScratchDatabase &s, Ids) {
        add(s.db(), "Telemarket", { { "Customer", "Acme Red" }, { "Telemarketer", "Bob" } });
    }) << true;
    QTest::newRow("call deleted") << W([](ScratchDatabase &s, Ids ids) {
        s.db().execute("DELETE * FROM Telemarket WHERE ID = ?", { ids.call });
    }) << true;
    QTest::newRow("changes rolled back") << W([](ScratchDatabase &s, Ids) {
        Transaction undone(s.db());
        s.db().execute("UPDATE Customer SET City = 'Green' WHERE Customer = 'Bolt'");
        s.db().execute("DELETE * FROM Telemarket WHERE Customer = 'Élan'");
    }) << true;
    QTest::newRow("table emptied at once")
        << W([](ScratchDatabase &s, Ids) { s.db().execute("DELETE * FROM Equipment"); }) << false;
    QTest::newRow("another connection") << W([](ScratchDatabase &s, Ids) {
        const std::unique_ptr<Database> other = Database::open(s.path());
        other->execute("UPDATE Telemarket SET Interest = 'Ox' WHERE Telemarketer = 'Bob'");
        other->execute("DELETE * FROM Customer WHERE Customer = 'Bolt'");
    }) << false;
}

void tst_WordIndexWrites::followsEachWrite()
{
    QFETCH(std::function<void(ScratchDatabase &, Ids)>, write);
    QFETCH(bool, rowByRow);
    TempDatabase s;
    const Ids ids = fill(s);
    LiveWordIndex live(s.db());
    live.waitForRead();
    QVERIFY(live.current(s.db()));

    write(s, ids);
    const WordIndex *index = live.current(s.db());
    QCOMPARE(index != nullptr, rowByRow);
    if (!index) {
        live.waitForRead();
        index = live.current(s.db());
        QVERIFY(index);
    }
    const QList<QStringList> searches = { { "red", "" }, { "blue", "" }, { "green", "" },
        { "ox", "" }, { "ann", "" }, { "ÉLAN", "" }, { "red", "ox" }, { "ann", "blue" },
        { "bob", "red" }, { "green", "zed" }, { "teal", "" } };
    for (const QStringList &words : searches) {
        SearchCriteria c;
        c.word1 = words[0];
        c.word2 = words[1];
        QCOMPARE(findCustomers(s.db(), c, index), findCustomers(s.db(), c));
    }
}

CORVANE_TEST(tst_WordIndexWrites)
#include "tst_WordIndexWrites.moc"
