#include "tst_Dialect.h"
#include "TestRegistry.h"

#include "Dialect.h"

#include <QTest>

void tst_Dialect::translates_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("engine");

    QTest::newRow("date m/d/y") << "SELECT * FROM Equipment WHERE LeaseEnds >= #1/5/2004#"
                                << "SELECT * FROM Equipment WHERE LeaseEnds >= '2004-01-05'";
    QTest::newRow("day above 12") << "WHERE a = #12/31/1999#"
                                  << "WHERE a = '1999-12-31'";
    QTest::newRow("window") << " LeaseEnds >= #3/1/2004# AND LeaseEnds <= #2/29/2008#"
                            << " LeaseEnds >= '2004-03-01' AND LeaseEnds <= '2008-02-29'";
    QTest::newRow("iso date") << "x = #2004-01-05#"
                              << "x = '2004-01-05'";
    QTest::newRow("with time") << "x > #1/5/2004 10:30:00#"
                               << "x > '2004-01-05 10:30:00'";
    QTest::newRow("time pm") << "x > #1/5/2004 1:05 PM#"
                             << "x > '2004-01-05 13:05:00'";
    QTest::newRow("midnight is the date") << "x = #1/5/2004 00:00:00#"
                                          << "x = '2004-01-05'";
    QTest::newRow("two-digit year") << "x = #1/5/04#"
                                    << "x = '2004-01-05'";
    QTest::newRow("no such day stays") << "x = #2/30/2004#"
                                       << "x = #2/30/2004#";
    QTest::newRow("hash in value") << "x = '#1/5/2004#'"
                                   << "x = '#1/5/2004#'";
    QTest::newRow("hash in Like") << "SN Like '*#*'"
                                  << "SN Like '*#*'";

    QTest::newRow("delete star") << "DELETE * FROM Equipment WHERE ID = 7"
                                 << "DELETE FROM Equipment WHERE ID = 7";
    QTest::newRow("delete star lower case") << "delete  *  from Telemarket"
                                            << "delete  from Telemarket";
    QTest::newRow("delete table star") << "DELETE Customer.* FROM Customer"
                                       << "DELETE FROM Customer";
    QTest::newRow("delete with quoted star")
        << "DELETE * FROM Customer WHERE Customer = 'DELETE * FROM x'"
        << "DELETE FROM Customer WHERE Customer = 'DELETE * FROM x'";

    QTest::newRow("top") << "SELECT TOP 1 * FROM Equipment"
                         << "SELECT * FROM Equipment LIMIT 1";
    QTest::newRow("top order") << "SELECT TOP 5 Brand FROM Equipment ORDER BY Brand"
                               << "SELECT Brand FROM Equipment ORDER BY Brand LIMIT 5";
    QTest::newRow("top distinct") << "SELECT DISTINCT TOP 3 City FROM Customer"
                                  << "SELECT DISTINCT City FROM Customer LIMIT 3";
    QTest::newRow("top before semicolon") << "SELECT TOP 2 * FROM Customer;"
                                          << "SELECT * FROM Customer LIMIT 2;";
    QTest::newRow("top in subquery")
        << "SELECT * FROM Customer WHERE Customer IN (SELECT TOP 1 Customer FROM Equipment)"
        << "SELECT * FROM Customer WHERE Customer IN (SELECT Customer FROM Equipment LIMIT 1)";
    QTest::newRow("top percent stays") << "SELECT TOP 5 PERCENT * FROM t"
                                       << "SELECT TOP 5 PERCENT * FROM t";
    QTest::newRow("top as a value") << "SELECT * FROM t WHERE a = 'SELECT TOP 1'"
                                    << "SELECT * FROM t WHERE a = 'SELECT TOP 1'";

    const QString navigator = QStringLiteral(
        "SELECT DISTINCT Customer.Customer,Address1,Customer.DateEntered FROM ((Customer LEFT "
        "JOIN Equipment ON Customer.Customer = Equipment.Customer) LEFT JOIN Telemarket ON "
        "Customer.Customer = Telemarket.Customer) WHERE City = 'O''Hare' AND  ( (Customer.Customer "
        "Like '*a;b*') OR  (Brand Like '*--*') )  ORDER BY Customer.Customer,Customer.Address1");
    QTest::newRow("navigator passes") << navigator << navigator;
    QTest::newRow("exists passes")
        << "SELECT * FROM Customer WHERE EXISTS (SELECT * FROM Equipment WHERE Equipment.Customer "
           "= Customer.Customer) ORDER BY City COLLATE NOCASE"
        << "SELECT * FROM Customer WHERE EXISTS (SELECT * FROM Equipment WHERE Equipment.Customer "
           "= Customer.Customer) ORDER BY City COLLATE NOCASE";
    QTest::newRow("quoted semicolon and dashes")
        << "UPDATE Customer SET Customer = 'a''; DELETE * FROM x --' WHERE Customer = 'b'"
        << "UPDATE Customer SET Customer = 'a''; DELETE * FROM x --' WHERE Customer = 'b'";
    QTest::newRow("date after doubled quote") << "x = 'it''s' AND d = #7/4/2010#"
                                              << "x = 'it''s' AND d = '2010-07-04'";
    QTest::newRow("bracketed name untouched") << "SELECT [TOP 1 #1/1/2000#] FROM t"
                                              << "SELECT [TOP 1 #1/1/2000#] FROM t";
}

void tst_Dialect::translates()
{
    QFETCH(QString, program);
    QFETCH(QString, engine);
    QCOMPARE(translateDialect(program), engine);
}

void tst_Dialect::writesText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("sql");
    QTest::newRow("plain") << "Acme"
                           << "'Acme'";
    QTest::newRow("empty") << ""
                           << "''";
    QTest::newRow("apostrophe") << "O'Brien's"
                                << "'O''Brien''s'";
    QTest::newRow("only quotes") << "''"
                                 << "''''''";
    QTest::newRow("other signs kept") << "a\"b;--*"
                                      << "'a\"b;--*'";
}

void tst_Dialect::writesText()
{
    QFETCH(QString, value);
    QFETCH(QString, sql);
    QCOMPARE(sqlText(value), sql);
}

void tst_Dialect::writesDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("sql");
    QTest::newRow("no leading zeros") << QDate(2004, 1, 5) << "1/5/2004";
    QTest::newRow("two digits") << QDate(1999, 12, 31) << "12/31/1999";
    QTest::newRow("early year") << QDate(987, 6, 7) << "6/7/0987";
}

void tst_Dialect::writesDates()
{
    QFETCH(QDate, date);
    QFETCH(QString, sql);
    QCOMPARE(sqlDate(date), sql);
    // What the helper writes, the translator reads back as the same day.
    QCOMPARE(translateDialect(QLatin1Char('#') + sql + QLatin1Char('#')),
        QStringLiteral("'%1'").arg(date.toString(QStringLiteral("yyyy-MM-dd"))));
}

CORVANE_TEST(tst_Dialect)
