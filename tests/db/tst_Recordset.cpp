#include "tst_Recordset.h"
#include "TestRegistry.h"

#include "DbError.h"
#include "Dialect.h"
#include "ExpectRefusal.h"
#include "Recordset.h"
#include "ScratchDatabase.h"
#include "Transaction.h"

#include <QTest>
#include <functional>

namespace {

const QString Customer = QStringLiteral("Customer");

qlonglong addMachine(Database &db, const QString &brand)
{
    Recordset rs = db.openRecordset(QStringLiteral("SELECT TOP 1 * FROM Equipment"));
    rs.addNew();
    rs.setField(QStringLiteral("Customer"), QStringLiteral("Acme"));
    rs.setField(QStringLiteral("Brand"), brand);
    rs.setField(QStringLiteral("DateEntered"), QDateTime(QDate(2004, 1, 5), QTime(9, 30, 15)));
    rs.update();
    return rs.field(QStringLiteral("ID")).toLongLong();
}

} // namespace

void tst_Recordset::emptyResultIsAtBothEnds()
{
    ScratchDatabase scratch;
    Recordset rs
        = scratch.db().openRecordset(QStringLiteral("SELECT * FROM Customer WHERE Customer = 'x'"));
    QVERIFY(rs.eof());
    QVERIFY(rs.bof());
    QCOMPARE(rs.fieldCount(), 21);
    expectRefusal([&] { rs.field(QStringLiteral("City")); }, QStringLiteral("no current row"));
    expectRefusal([&] { rs.moveNext(); }, QStringLiteral("no current row"));
}

void tst_Recordset::walksRowsInOrder()
{
    ScratchDatabase scratch;
    for (const char *name : { "b", "c", "a" })
        scratch.insert(Customer, { { Customer, QString::fromLatin1(name) } });
    Recordset rs = scratch.db().openRecordset(
        QStringLiteral("SELECT Customer FROM Customer ORDER BY Customer"));
    QVERIFY(!rs.bof() && !rs.eof());
    QCOMPARE(rs.field(0).toString(), QStringLiteral("a"));
    rs.moveNext();
    rs.moveNext();
    QCOMPARE(rs.field(0).toString(), QStringLiteral("c"));
    rs.moveNext();
    QVERIFY(rs.eof());
    QVERIFY(!rs.bof());
    expectRefusal([&] { rs.field(0); }, QStringLiteral("no current row"));
    rs.close();
    expectRefusal([&] { rs.eof(); }, QStringLiteral("closed"));
}

void tst_Recordset::readsFieldsByNameIgnoringCase()
{
    ScratchDatabase scratch;
    scratch.insert(Customer,
        { { Customer, QStringLiteral("Acme") },
            { QStringLiteral("DateEntered"), QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)) } });
    scratch.insert(QStringLiteral("Equipment"),
        { { Customer, QStringLiteral("Acme") },
            { QStringLiteral("DateEntered"), QDateTime(QDate(2009, 9, 9), QTime(9, 9, 9)) } });
    Recordset rs = scratch.db().openRecordset(QStringLiteral(
        "SELECT * FROM Customer LEFT JOIN Equipment ON Customer.Customer = Equipment.Customer"));
    // Read out of order, and again: the name decides, never the position last asked.
    QCOMPARE(rs.field(QStringLiteral("dateentered")).toDateTime(),
        QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
    QCOMPARE(rs.field(QStringLiteral("CUSTOMER")).toString(), QStringLiteral("Acme"));
    QCOMPARE(rs.field(QStringLiteral("DateEntered")).toDateTime(),
        QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
    QCOMPARE(
        rs.field(rs.fieldCount() - 1).toDateTime(), QDateTime(QDate(2009, 9, 9), QTime(9, 9, 9)));
    expectRefusal([&] { rs.field(QStringLiteral("Colour")); }, QStringLiteral("Colour"));
}

void tst_Recordset::addNewGetsAnIdFromTheEngine()
{
    ScratchDatabase scratch;
    const qlonglong first = addMachine(scratch.db(), QStringLiteral("Canon"));
    const qlonglong second = addMachine(scratch.db(), QStringLiteral("Xerox"));
    QVERIFY(first > 0);
    QVERIFY(second > first);
    Recordset rs = scratch.db().openRecordset(
        QStringLiteral("SELECT * FROM Equipment WHERE ID = %1").arg(second));
    QCOMPARE(rs.field(QStringLiteral("Brand")).toString(), QStringLiteral("Xerox"));
    QCOMPARE(rs.field(QStringLiteral("DateEntered")).toDateTime(),
        QDateTime(QDate(2004, 1, 5), QTime(9, 30, 15)));
}

void tst_Recordset::idsAreNeverReused()
{
    ScratchDatabase scratch;
    addMachine(scratch.db(), QStringLiteral("Canon"));
    const qlonglong last = addMachine(scratch.db(), QStringLiteral("Xerox"));
    scratch.db().execute(QStringLiteral("DELETE * FROM Equipment WHERE ID = %1").arg(last));
    QVERIFY(addMachine(scratch.db(), QStringLiteral("Ricoh")) > last);
    // Also after the file is opened again.
    const QString path = scratch.path();
    scratch.close();
    auto again = Database::open(path);
    QVERIFY(addMachine(*again, QStringLiteral("Sharp")) > last + 1);
}

void tst_Recordset::editChangesOnlyItsRow()
{
    ScratchDatabase scratch;
    const qlonglong a = addMachine(scratch.db(), QStringLiteral("Canon"));
    const qlonglong b = addMachine(scratch.db(), QStringLiteral("Xerox"));
    {
        Recordset rs = scratch.db().openRecordset(
            QStringLiteral("SELECT * FROM Equipment WHERE ID = %1").arg(a));
        rs.edit();
        rs.setField(QStringLiteral("brand"), QStringLiteral("Ricoh"));
        QCOMPARE(rs.field(QStringLiteral("Brand")).toString(), QStringLiteral("Ricoh"));
        rs.update();
        QCOMPARE(rs.field(QStringLiteral("Brand")).toString(), QStringLiteral("Ricoh"));
        QCOMPARE(rs.field(QStringLiteral("ID")).toLongLong(), a);
    }
    QCOMPARE(scratch.column(QStringLiteral("SELECT Brand FROM Equipment ORDER BY ID")),
        QStringList({ QStringLiteral("Ricoh"), QStringLiteral("Xerox") }));
    QCOMPARE(
        scratch.column(QStringLiteral("SELECT DateEntered FROM Equipment WHERE ID = %1").arg(b))
            .size(),
        1);
}

void tst_Recordset::roundTripsAwkwardText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("apostrophe") << "O'Brien's Copiers";
    QTest::newRow("quotes only") << "''";
    QTest::newRow("comment") << "Acme -- not a comment";
    QTest::newRow("semicolon") << "A; DELETE * FROM Customer";
    QTest::newRow("wildcards") << "*?#[a-z][!x]";
    QTest::newRow("number signs") << "#1/5/2004#";
    QTest::newRow("double quote") << "The \"Best\" Office";
    QTest::newRow("accents") << "Société Générale";
}

void tst_Recordset::roundTripsAwkwardText()
{
    QFETCH(QString, name);
    ScratchDatabase scratch;
    scratch.insert(Customer, { { Customer, QStringLiteral("Bystander") } });
    const QString find = QStringLiteral("SELECT * FROM Customer WHERE Customer = ") + sqlText(name);
    {
        // Saved the way the customer window saves: look up, add when not found.
        Recordset rs = scratch.db().openRecordset(find);
        QVERIFY(rs.eof() && rs.bof());
        rs.addNew();
        rs.setField(Customer, name);
        rs.setField(QStringLiteral("City"), name);
        rs.update();
    }
    {
        Recordset rs = scratch.db().openRecordset(find);
        QVERIFY(!rs.eof());
        QCOMPARE(rs.field(QStringLiteral("City")).toString(), name);
        rs.edit();
        rs.setField(QStringLiteral("Address1"), name);
        rs.update();
    }
    QCOMPARE(scratch.column(find, QStringLiteral("Address1")), QStringList { name });
    scratch.db().execute(
        QStringLiteral("DELETE * FROM Customer WHERE Customer = ") + sqlText(name));
    QCOMPARE(scratch.column(QStringLiteral("SELECT Customer FROM Customer")),
        QStringList { QStringLiteral("Bystander") });
}

void tst_Recordset::keepsNullAndEmptyApart()
{
    ScratchDatabase scratch;
    {
        Recordset rs = scratch.db().openRecordset(QStringLiteral("SELECT TOP 1 * FROM Customer"));
        rs.addNew();
        rs.setField(Customer, QStringLiteral("Acme"));
        rs.setField(QStringLiteral("City"), QString(QLatin1String("")));
        rs.setField(QStringLiteral("Zip"), QString());
        rs.setField(QStringLiteral("State"), QVariant());
        rs.update();
    }
    Recordset rs = scratch.db().openRecordset(QStringLiteral("SELECT * FROM Customer"));
    QCOMPARE(rs.field(QStringLiteral("City")), QVariant(QString()));
    QVERIFY(rs.field(QStringLiteral("City")).isValid());
    QVERIFY(rs.field(QStringLiteral("Zip")).isValid());
    QVERIFY(!rs.field(QStringLiteral("State")).isValid());
    QVERIFY(!rs.field(QStringLiteral("Phone")).isValid());
    QCOMPARE(
        scratch.column(QStringLiteral("SELECT count(*) FROM Customer WHERE City = '' AND Zip = '' "
                                      "AND State IS NULL")),
        QStringList { QStringLiteral("1") });
}

void tst_Recordset::misuseIsRefused_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("words");

    const QString one = QStringLiteral("SELECT * FROM Equipment");
    QTest::newRow("update alone") << one << "update"
                                  << "AddNew or Edit";
    QTest::newRow("write alone") << one << "write"
                                 << "AddNew or Edit";
    QTest::newRow("write unknown column") << one << "edit,write:Colour"
                                          << "Colour";
    QTest::newRow("write ID") << one << "addNew,write:ID"
                              << "ID is assigned";
    QTest::newRow("write a non-date") << one << "addNew,write:LeaseEnds"
                                      << "not a date";
    QTest::newRow("edit past the end") << one << "next,edit"
                                       << "no current row";
    QTest::newRow("change a join")
        << "SELECT * FROM Customer LEFT JOIN Equipment ON Customer.Customer = Equipment.Customer"
        << "edit"
        << "cannot be changed";
    QTest::newRow("change distinct rows") << "SELECT DISTINCT * FROM Equipment"
                                          << "addNew"
                                          << "cannot be changed";
    QTest::newRow("update after moving on") << one << "edit,write:Brand,next,update"
                                            << "AddNew or Edit";
    QTest::newRow("read after close") << one << "close,read"
                                      << "closed";
}

void tst_Recordset::misuseIsRefused()
{
    QFETCH(QString, sql);
    QFETCH(QString, step);
    QFETCH(QString, words);
    ScratchDatabase scratch;
    scratch.insert(Customer, { { Customer, QStringLiteral("Acme") } });
    addMachine(scratch.db(), QStringLiteral("Canon"));
    Recordset rs = scratch.db().openRecordset(sql);
    expectRefusal(
        [&] {
            for (const QString &action : step.split(',')) {
                if (action == QLatin1String("update"))
                    rs.update();
                else if (action == QLatin1String("write"))
                    rs.setField(QStringLiteral("Brand"), QStringLiteral("x"));
                else if (action.startsWith(QLatin1String("write:")))
                    rs.setField(action.mid(6), QStringLiteral("not a date"));
                else if (action == QLatin1String("edit"))
                    rs.edit();
                else if (action == QLatin1String("addNew"))
                    rs.addNew();
                else if (action == QLatin1String("next"))
                    rs.moveNext();
                else if (action == QLatin1String("close"))
                    rs.close();
                else if (action == QLatin1String("read"))
                    rs.field(0);
            }
        },
        words);
    // A refused change stores nothing.
    QCOMPARE(scratch.column(QStringLiteral("SELECT Brand FROM Equipment")),
        QStringList { QStringLiteral("Canon") });
}

void tst_Recordset::editOfAVanishedRowFails()
{
    ScratchDatabase scratch;
    const qlonglong id = addMachine(scratch.db(), QStringLiteral("Canon"));
    Recordset rs = scratch.db().openRecordset(
        QStringLiteral("SELECT * FROM Equipment WHERE ID = %1").arg(id));
    rs.edit();
    rs.setField(QStringLiteral("Brand"), QStringLiteral("Ricoh"));
    scratch.db().execute(QStringLiteral("DELETE * FROM Equipment"));
    expectRefusal([&] { rs.update(); }, QStringLiteral("no longer in the table"));
}

void tst_Recordset::storedChangeIsVisibleAtOnce()
{
    // The save's record set is still open after update(); another program must see the row.
    ScratchDatabase scratch;
    scratch.insert(Customer, { { Customer, QStringLiteral("Acme") } });
    scratch.insert(Customer, { { Customer, QStringLiteral("Zenith") } });
    Recordset rs
        = scratch.db().openRecordset(QStringLiteral("SELECT * FROM Customer ORDER BY Customer"));
    rs.edit();
    rs.setField(QStringLiteral("City"), QStringLiteral("Springfield"));
    rs.update();
    QCOMPARE(rs.field(QStringLiteral("City")).toString(), QStringLiteral("Springfield"));
    auto other = Database::open(scratch.path());
    Recordset seen
        = other->openRecordset(QStringLiteral("SELECT City FROM Customer WHERE Customer = 'Acme'"));
    QCOMPARE(seen.field(0).toString(), QStringLiteral("Springfield"));
    // The rest of the rows are still there to read.
    rs.moveNext();
    QCOMPARE(rs.field(Customer).toString(), QStringLiteral("Zenith"));
}

void tst_Recordset::transactionsStandOrFallTogether()
{
    ScratchDatabase scratch;
    scratch.insert(Customer, { { Customer, QStringLiteral("Acme") } });
    try {
        Transaction transaction(scratch.db());
        scratch.db().execute(QStringLiteral("UPDATE Customer SET City = 'Lyon'"));
        scratch.db().execute(
            QStringLiteral("UPDATE Customer SET City = '%1'").arg(QString(51, 'x')));
        transaction.commit();
        QFAIL("the second statement was not refused");
    } catch (const DbError &) { }
    QCOMPARE(scratch.column(QStringLiteral("SELECT City FROM Customer")),
        QStringList { QStringLiteral("<null>") });
    {
        Transaction transaction(scratch.db());
        scratch.db().execute(QStringLiteral("UPDATE Customer SET City = 'Lyon'"));
        transaction.commit();
    }
    QCOMPARE(scratch.column(QStringLiteral("SELECT City FROM Customer")),
        QStringList { QStringLiteral("Lyon") });
    QCOMPARE(scratch.db().integrityCheck(), QStringLiteral("ok"));
}

CORVANE_TEST(tst_Recordset)
