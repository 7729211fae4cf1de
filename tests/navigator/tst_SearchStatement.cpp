#include "SearchStatement.h"

#include "TestRegistry.h"

#include <QTest>

Q_DECLARE_METATYPE(SearchCriteria)

namespace {

const QString Head = QStringLiteral(
    "SELECT DISTINCT Customer.Customer,Address1,Address2,City,State,Zip,Phone,Fax,Website,Type,"
    "Contact1,Contact1Title,Contact1Phone,Contact1Fax,Contact1Email,Contact2,Contact2Title,"
    "Contact2Phone,Contact2Fax,Contact2Email,Customer.DateEntered FROM ((Customer LEFT JOIN "
    "Equipment ON Customer.Customer = Equipment.Customer) LEFT JOIN Telemarket ON "
    "Customer.Customer = Telemarket.Customer)");
const QString Tail
    = QStringLiteral("  ORDER BY Customer.Customer,Customer.Address1,Customer.Address2");

// The word group written out from its 22 literals, with the word (quotes already doubled)
// between each two of them.
QString group(const QString &w)
{
    const QStringList literals = { " ( (Customer.Customer Like '*", "*') OR (Address1 Like '*",
        "*') OR (Address2 Like '*", "*') OR (City Like '*", "*') OR (State Like '*",
        "*') OR (Zip Like '*", "*') OR (Phone Like '*", "*') OR (Fax Like '*",
        "*') OR (Website Like '*", "*') OR (Contact1 Like '*", "*') OR (Contact1Title Like '*",
        "*') OR (Contact2 Like '*", "*') OR (Contact2Title Like '*", "*') OR  (Brand Like '*",
        "*') OR (Model Like '*", "*') OR (SN Like '*", "*') OR (Provider Like '*",
        "*') OR (Satisfied Like '*", "*') OR (Notes Like '*", "*') OR (Telemarketer Like '*",
        "*') OR (Interest Like '*", "*') )" };
    return literals.join(w);
}

} // namespace

class tst_SearchStatement : public QObject
{
    Q_OBJECT
private slots:
    void statement_data();
    void statement();
    void planBindsEveryValue_data();
    void planBindsEveryValue();
};

void tst_SearchStatement::statement_data()
{
    QTest::addColumn<SearchCriteria>("criteria");
    QTest::addColumn<QString>("expected");

    const DateWindow jan { QDate(2004, 1, 5), QDate(2004, 2, 29) };
    const DateWindow dec { QDate(2026, 12, 1), QDate(2026, 12, 31) };
    SearchCriteria c;
    QTest::newRow("no criteria") << c << Head + Tail;

    c = {};
    c.customer = "O'Brien Dental";
    QTest::newRow("customer with a quote")
        << c << Head + " WHERE  Customer.Customer = 'O''Brien Dental'" + Tail;

    c = {};
    c.city = "Salem";
    c.zip = "97301";
    c.type = "Retail";
    QTest::newRow("city zip type")
        << c << Head + " WHERE  City = 'Salem' AND  Zip = '97301' AND  Type = 'Retail'" + Tail;

    c = {};
    c.leaseEnds = jan;
    QTest::newRow("lease window, month/day/year without leading zeros")
        << c << Head + " WHERE  LeaseEnds >= #1/5/2004# AND LeaseEnds <= #2/29/2004#" + Tail;

    c = {};
    c.customer = "A";
    c.callBack = dec;
    QTest::newRow("customer and call back") << c
                                            << Head
            + " WHERE  Customer.Customer = 'A' AND  NextCallBack >= #12/1/2026# AND NextCallBack "
              "<= #12/31/2026#"
            + Tail;

    c = {};
    c.word1 = "toner";
    QTest::newRow("one word") << c << Head + " WHERE " + group("toner") + Tail;

    c = {};
    c.word2 = "only second";
    QTest::newRow("second word alone") << c << Head + " WHERE " + group("only second") + Tail;

    c = {};
    c.word1 = "it's";
    c.word2 = "a*b?[c]#";
    QTest::newRow("two words, quote and wildcards")
        << c << Head + " WHERE " + group("it''s") + " AND " + group("a*b?[c]#") + Tail;

    c = {};
    c.customer = "C";
    c.city = "D";
    c.zip = "E";
    c.type = "F";
    c.leaseEnds = jan;
    c.callBack = dec;
    c.word1 = "x";
    c.word2 = "y";
    QTest::newRow("everything, in the fixed order") << c
                                                    << Head
            + " WHERE  Customer.Customer = 'C' AND  City = 'D' AND  Zip = 'E' AND  Type = 'F'"
              " AND  LeaseEnds >= #1/5/2004# AND LeaseEnds <= #2/29/2004#"
              " AND  NextCallBack >= #12/1/2026# AND NextCallBack <= #12/31/2026#"
              " AND "
            + group("x") + " AND " + group("y") + Tail;
}

void tst_SearchStatement::statement()
{
    QFETCH(SearchCriteria, criteria);
    QFETCH(QString, expected);
    QCOMPARE(searchStatement(criteria), expected);
}

void tst_SearchStatement::planBindsEveryValue_data()
{
    QTest::addColumn<SearchCriteria>("criteria");
    QTest::addColumn<int>("statements"); // how many of the plan's statements are run

    const DateWindow jan { QDate(2004, 1, 5), QDate(2004, 2, 29) };
    SearchCriteria c;
    c.customer = "O'Brien";
    QTest::newRow("customer") << c << 1;
    c = {};
    c.city = "Salem'";
    c.zip = "9'7";
    c.type = "Re'tail";
    c.leaseEnds = jan;
    c.callBack = jan;
    QTest::newRow("lists and windows") << c << 1;
    c.word1 = "it's";
    c.word2 = "#1/5/2004#";
    QTest::newRow("everything, both words") << c << 3;
    c.leaseEnds.reset();
    c.callBack.reset();
    c.word1.clear();
    QTest::newRow("lists and the second word") << c << 3;
}

// The statements the search runs carry no value in their text: the values go with them, one
// for each mark, in the marks' order, and the text does not change with the values.
void tst_SearchStatement::planBindsEveryValue()
{
    QFETCH(SearchCriteria, criteria);
    QFETCH(int, statements);
    const SearchPlan plan = searchPlan(criteria);
    const QList<BoundStatement> run = { plan.customers, plan.machines, plan.calls };

    SearchCriteria other = criteria;
    for (QString *text :
        { &other.customer, &other.city, &other.zip, &other.type, &other.word1, &other.word2 })
        if (!text->isEmpty())
            *text = QStringLiteral("other");
    const SearchPlan otherPlan = searchPlan(other);
    const QList<BoundStatement> otherRun
        = { otherPlan.customers, otherPlan.machines, otherPlan.calls };

    QVariantList bound;
    for (int i = 0; i < run.size(); ++i) {
        const BoundStatement &statement = run[i];
        QCOMPARE(statement.sql.isEmpty(), i >= statements);
        QVERIFY2(!statement.sql.contains(QLatin1Char('\'')), qPrintable(statement.sql));
        QVERIFY2(!statement.sql.contains(QLatin1Char('#')), qPrintable(statement.sql));
        QCOMPARE(statement.sql.count(QLatin1Char('?')), statement.values.size());
        QCOMPARE(otherRun[i].sql, statement.sql);
        bound += statement.values;
    }
    for (const QString &text : { criteria.customer, criteria.city, criteria.zip, criteria.type })
        if (!text.isEmpty())
            QVERIFY(bound.contains(text));
    for (const QString &word : { criteria.word1, criteria.word2 })
        if (!word.isEmpty())
            QVERIFY(bound.contains(QString(QLatin1Char('*') + word + QLatin1Char('*'))));
    for (const auto &window : { criteria.leaseEnds, criteria.callBack })
        if (window)
            QVERIFY(bound.contains(window->start) && bound.contains(window->stop));
}

CORVANE_TEST(tst_SearchStatement)
#include "tst_SearchStatement.moc"
