#include "tst_Statements.h"
#include "TestRegistry.h"

#include "DbError.h"
#include "Dialect.h"
#include "ScratchDatabase.h"

#include "Recordset.h"
#include "TextRows.h"
#include "Transaction.h"

#include <QTest>
#include <functional>
#include <sqlite3.h>

namespace {

const QString Customer = QStringLiteral("Customer");
const QString Equipment = QStringLiteral("Equipment");
const QString Telemarket = QStringLiteral("Telemarket");

void seed(ScratchDatabase &s)
{
    const auto customer
        = [&](const char *name, const char *city, const char *address, const QVariant &type) {
              s.insert(Customer,
                  { { Customer, QString::fromUtf8(name) },
                      { QStringLiteral("City"), QString::fromUtf8(city) },
                      { QStringLiteral("Address1"), QString::fromUtf8(address) },
                      { QStringLiteral("Type"), type } });
          };
    customer("Acme Copiers", "Springfield", "1 Main St", QStringLiteral("Dealer"));
    customer("O'Brien & Sons", "springfield", "2 Elm", QStringLiteral(""));
    customer("Zenith Office", "Shelbyville", "3 Oak", QStringLiteral("Retail"));
    customer("Élan Bureau", "Lyon", "4 Rue", QVariant());

    s.insert(Equipment,
        { { Customer, QStringLiteral("Acme Copiers") },
            { QStringLiteral("Brand"), QStringLiteral("Canon") },
            { QStringLiteral("Model"), QStringLiteral("IR-2000") },
            { QStringLiteral("SN"), QStringLiteral("A1") },
            { QStringLiteral("LeaseEnds"), QDate(2004, 3, 15) },
            { QStringLiteral("Notes"), QStringLiteral("fast copier") } });
    s.insert(Equipment,
        { { Customer, QStringLiteral("Acme Copiers") },
            { QStringLiteral("Brand"), QStringLiteral("Xerox") },
            { QStringLiteral("Model"), QStringLiteral("X5") },
            { QStringLiteral("SN"), QStringLiteral("A2") },
            { QStringLiteral("DatePurchased"), QDate(2003, 1, 1) } });
    s.insert(Equipment,
        { { Customer, QStringLiteral("Zenith Office") },
            { QStringLiteral("Brand"), QStringLiteral("Canon") },
            { QStringLiteral("Model"), QStringLiteral("C3") },
            { QStringLiteral("LeaseEnds"), QDate(2005, 6, 30) } });

    const auto call
        = [&](const char *name, QDate on, const char *caller, QDate back, const char *interest) {
              s.insert(Telemarket,
                  { { Customer, QString::fromUtf8(name) }, { QStringLiteral("DateofCall"), on },
                      { QStringLiteral("Telemarketer"), QString::fromUtf8(caller) },
                      { QStringLiteral("NextCallBack"), back },
                      { QStringLiteral("Interest"), QString::fromUtf8(interest) } });
          };
    call("Acme Copiers", QDate(2004, 1, 5), "Pat", QDate(2004, 7, 5), "wants colour");
    call("O'Brien & Sons", QDate(2004, 2, 1), "Lee", QDate(2004, 8, 1), "toner");
    call("O'Brien & Sons", QDate(2004, 1, 10), "Kim", QDate(2004, 2, 10), "");
}

// The navigator's search in the form it builds: the joins nested in brackets, the criteria,
// the two-blank ORDER BY.
QString search(const QString &where = QString())
{
    return QStringLiteral(
               "SELECT DISTINCT Customer.Customer,Address1,Address2,City,State,Zip,Phone,Fax,"
               "Website,Type,Contact1,Contact1Title,Contact1Phone,Contact1Fax,Contact1Email,"
               "Contact2,Contact2Title,Contact2Phone,Contact2Fax,Contact2Email,Customer."
               "DateEntered "
               "FROM ((Customer LEFT JOIN Equipment ON Customer.Customer = Equipment.Customer) "
               "LEFT "
               "JOIN Telemarket ON Customer.Customer = Telemarket.Customer)")
        + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where)
        + QStringLiteral("  ORDER BY Customer.Customer,Customer.Address1,Customer.Address2");
}

QString wordGroup(const QString &word)
{
    static const QStringList columns { "Customer.Customer", "Address1", "Address2", "City", "State",
        "Zip", "Phone", "Fax", "Website", "Contact1", "Contact1Title", "Contact2", "Contact2Title",
        " (Brand", "Model", "SN", "Provider", "Satisfied", "Notes", "Telemarketer", "Interest" };
    const QString w = sqlText(word).mid(1).chopped(1);
    QStringList tests;
    for (const QString &column : columns) {
        const QString open = column.startsWith(' ') ? QString() : QStringLiteral("(");
        tests << open + column + QStringLiteral(" Like '*") + w + QStringLiteral("*')");
    }
    return QStringLiteral(" ( ") + tests.join(QStringLiteral(" OR ")) + QStringLiteral(" )");
}

} // namespace

void tst_Statements::selects_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("expected");

    const QStringList everyone { "Acme Copiers", "O'Brien & Sons", "Zenith Office", "Élan Bureau" };
    QTest::newRow("search, no criteria: each customer once") << search() << "Customer" << everyone;
    QTest::newRow("search by city ignores case") << search(
        " City = 'SPRINGFIELD'") << "Customer" << QStringList { "Acme Copiers", "O'Brien & Sons" };
    QTest::newRow("search by name with quote")
        << search(" Customer.Customer = " + sqlText("o'brien & sons")) << "City"
        << QStringList { "springfield" };
    QTest::newRow("search by type")
        << search(" Type = 'dealer'") << "Customer" << QStringList { "Acme Copiers" };
    QTest::newRow("search word in a machine") << search(wordGroup("canon")) << "Customer"
                                              << QStringList { "Acme Copiers", "Zenith Office" };
    QTest::newRow("search word with wildcards") << search(wordGroup("c?n?n")) << "Customer"
                                                << QStringList { "Acme Copiers", "Zenith Office" };
    QTest::newRow("search word with digits")
        << search(wordGroup("IR-####")) << "Customer" << QStringList { "Acme Copiers" };
    QTest::newRow("search word with list") << search(wordGroup("[xz]e")) << "Customer"
                                           << QStringList { "Acme Copiers", "Zenith Office" };
    QTest::newRow("search word with quote")
        << search(wordGroup("o'bri")) << "Customer" << QStringList { "O'Brien & Sons" };
    QTest::newRow("search accented word")
        << search(wordGroup("ÉLAN")) << "Customer" << QStringList { "Élan Bureau" };
    QTest::newRow("two words, machine and call of one customer")
        << search(wordGroup("canon") + " AND " + wordGroup("colour")) << "Customer"
        << QStringList { "Acme Copiers" };
    QTest::newRow("lease-end window")
        << search(" LeaseEnds >= #3/1/2004# AND LeaseEnds <= #3/15/2004#") << "Customer"
        << QStringList { "Acme Copiers" };
    QTest::newRow("lease-end window, start after stop")
        << search(" LeaseEnds >= #3/16/2004# AND LeaseEnds <= #3/1/2004#") << "Customer"
        << QStringList {};
    QTest::newRow("call-back window with city") << search(
        " City = 'Springfield' AND  NextCallBack >= #7/1/2004# AND NextCallBack <= #8/1/2004#")
                                                << "Customer"
                                                << QStringList { "Acme Copiers", "O'Brien & Sons" };
    QTest::newRow("machines of a customer")
        << "SELECT * FROM Equipment WHERE Customer = 'ACME COPIERS' ORDER BY Brand,Model,SN"
        << "Brand" << QStringList { "Canon", "Xerox" };
    QTest::newRow("calls of a customer") << "SELECT * FROM Telemarket WHERE Customer = "
            + sqlText("O'Brien & Sons") + " ORDER BY DateOfCall,Telemarketer"
                                         << "Telemarketer" << QStringList { "Kim", "Lee" };
    QTest::newRow("distinct types, null and empty apart")
        << "SELECT DISTINCT Type FROM Customer ORDER BY Type"
        << "Type" << QStringList { "<null>", "", "Dealer", "Retail" };
    QTest::newRow("first row") << "SELECT TOP 1 * FROM Equipment"
                               << "SN" << QStringList { "A1" };
    QTest::newRow("report machines")
        << "SELECT "
           "ID,Customer,Brand,Model,SN,Provider,DatePurchased,DateLeased,LeaseTerm,LeaseEnds,"
           "MonthlyVolume,MonthlyPayment,Satisfied,Notes,DateEntered FROM Equipment ORDER BY "
           "Customer,Brand,Model"
        << "Model" << QStringList { "IR-2000", "X5", "C3" };
    QTest::newRow("report calls")
        << "SELECT ID,Customer,DateofCall,Telemarketer,NextCallBack,Interest,DateEntered FROM "
           "Telemarket ORDER BY Customer,DateofCall,Telemarketer"
        << "Telemarketer" << QStringList { "Pat", "Kim", "Lee" };
    QTest::newRow("exists subquery")
        << "SELECT Customer FROM Customer WHERE NOT EXISTS (SELECT * FROM Equipment WHERE "
           "Equipment.Customer = Customer.Customer) ORDER BY Customer"
        << "Customer" << QStringList { "O'Brien & Sons", "Élan Bureau" };
}

void tst_Statements::selects()
{
    QFETCH(QString, sql);
    QFETCH(QString, field);
    QFETCH(QStringList, expected);
    ScratchDatabase scratch;
    seed(scratch);
    QCOMPARE(scratch.column(sql, field), expected);
}

void tst_Statements::changes_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("delete machines of a customer")
        << "DELETE * FROM Equipment WHERE Customer = 'acme copiers'"
        << "SELECT Customer FROM Equipment" << QStringList { "Zenith Office" };
    QTest::newRow("delete calls, name with quote")
        << "DELETE * FROM Telemarket WHERE Customer = " + sqlText("O'Brien & Sons")
        << "SELECT Telemarketer FROM Telemarket" << QStringList { "Pat" };
    QTest::newRow("delete one machine by id")
        << "DELETE * FROM Equipment WHERE ID = 2"
        << "SELECT SN FROM Equipment ORDER BY ID" << QStringList { "A1", "<null>" };
    QTest::newRow("delete by date")
        << "DELETE * FROM Telemarket WHERE DateOfCall < #1/31/2004#"
        << "SELECT Telemarketer FROM Telemarket" << QStringList { "Lee" };
    QTest::newRow("rename in machines")
        << "UPDATE Equipment SET Customer = 'Acme Ltd' WHERE Customer = 'Acme Copiers'"
        << "SELECT DISTINCT Customer FROM Equipment ORDER BY Customer"
        << QStringList { "Acme Ltd", "Zenith Office" };
    QTest::newRow("rename customer to a name with quote and dashes")
        << "UPDATE Customer SET Customer = " + sqlText("O'Neil; -- x")
            + " WHERE Customer = " + sqlText("O'Brien & Sons")
        << "SELECT Customer FROM Customer ORDER BY Customer"
        << QStringList { "Acme Copiers", "O'Neil; -- x", "Zenith Office", "Élan Bureau" };
    QTest::newRow("delete nothing") << "DELETE * FROM Customer WHERE Customer = 'nobody'"
                                    << "SELECT count(*) FROM Customer" << QStringList { "4" };
}

void tst_Statements::changes()
{
    QFETCH(QString, statement);
    QFETCH(QString, check);
    QFETCH(QStringList, expected);
    ScratchDatabase scratch;
    seed(scratch);
    scratch.db().execute(statement);
    QCOMPARE(scratch.column(check), expected);
}

void tst_Statements::refusals_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown column") << "SELECT Nothing FROM Customer"
                                    << "no such column";
    QTest::newRow("no such date") << "DELETE * FROM Telemarket WHERE DateofCall = #2/30/2004#"
                                  << "near \"#2\"";
    QTest::newRow("second statement")
        << "DELETE * FROM Equipment WHERE ID = 1; DELETE * FROM Customer"
        << "one statement";
    QTest::newRow("unclosed quote") << "DELETE * FROM Customer WHERE Customer = 'x"
                                    << "unrecognized token";
    QTest::newRow("empty") << "  "
                           << "empty";
    QTest::newRow("wider than the column")
        << "UPDATE Customer SET City = '" + QString(51, 'x') + "'"
        << "CHECK constraint failed";
}

void tst_Statements::refusals()
{
    QFETCH(QString, statement);
    QFETCH(QString, message);
    ScratchDatabase scratch;
    seed(scratch);
    try {
        scratch.db().execute(statement);
        QFAIL("the statement was run");
    } catch (const DbError &error) {
        QVERIFY2(
            error.message().contains(message, Qt::CaseInsensitive), qPrintable(error.message()));
        QCOMPARE(error.statement(), statement);
    }
    // Nothing of a refused statement was done.
    QCOMPARE(scratch.column("SELECT count(*) FROM Equipment"), QStringList { "3" });
    QCOMPARE(scratch.column("SELECT count(*) FROM Customer WHERE length(City) > 50"),
        QStringList { "0" });
}

using Refusal = std::function<void(Database &)>;
Q_DECLARE_METATYPE(Refusal)

void tst_Statements::refusalsReleaseTheirStatements_data()
{
    QTest::addColumn<Refusal>("refusal");
    const auto row = [](const char *name, Refusal refusal) { QTest::newRow(name) << refusal; };
    row("a second statement", [](Database &db) {
        db.execute(QStringLiteral("UPDATE Customer SET City = 'x'; DELETE FROM Customer"));
    });
    row("more values than marks", [](Database &db) {
        db.openTextRows(QStringLiteral("SELECT ?"), { 1, 2 });
    });
    row("a value too wide for its column", [](Database &db) {
        db.execute(
            QStringLiteral("UPDATE Customer SET City = ?"), { QString(51, QLatin1Char('x')) });
    });
    row("a duplicate name", [](Database &db) {
        db.execute(QStringLiteral("INSERT INTO Customer (Customer) VALUES (?)"),
            { QStringLiteral("ACME COPIERS") });
    });
    row("a refused first row", [](Database &db) {
        db.openRecordset(QStringLiteral("SELECT WordMask(0, Customer) FROM Customer"));
    });
    row("a refused later row", [](Database &db) {
        TextRows rows = db.openTextRows(
            QStringLiteral("SELECT WordMask(Customer = 'Zenith Office', 'x') FROM Customer"));
        while (rows.next()) { }
    });
    row("a refused new row", [](Database &db) {
        Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Customer"));
        rs.addNew();
        rs.setField(QStringLiteral("Customer"), QStringLiteral("acme copiers"));
        rs.update();
    });
    row("a transaction within a transaction", [](Database &db) {
        Transaction outer(db);
        Transaction inner(db);
    });
}

// Whatever step refuses, no compiled statement is left behind: one left open would hold back
// every later change on the connection and keep the file from closing.
void tst_Statements::refusalsReleaseTheirStatements()
{
    QFETCH(Refusal, refusal);
    ScratchDatabase s;
    seed(s);
    QVERIFY_THROWS_EXCEPTION(DbError, refusal(s.db()));
    QCOMPARE(sqlite3_next_stmt(s.db().handle(), nullptr), nullptr);
    s.db().execute(QStringLiteral("DELETE * FROM Equipment"));
    QCOMPARE(s.column(QStringLiteral("SELECT count(*) FROM Equipment")), QStringList { "0" });
}

CORVANE_TEST(tst_Statements)
