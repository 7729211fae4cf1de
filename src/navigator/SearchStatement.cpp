#include "SearchStatement.h"

#include "Dialect.h"

#include <QStringList>

namespace {

const char *const SelectList
    = "Customer.Customer,Address1,Address2,City,State,Zip,Phone,Fax,Website,Type,Contact1,"
      "Contact1Title,Contact1Phone,Contact1Fax,Contact1Email,Contact2,Contact2Title,Contact2Phone,"
      "Contact2Fax,Contact2Email,Customer.DateEntered";

const char *const JoinedTables = "((Customer LEFT JOIN Equipment ON Customer.Customer = "
                                 "Equipment.Customer) LEFT JOIN Telemarket ON Customer.Customer = "
                                 "Telemarket.Customer)";

const char *const OrderBy = "  ORDER BY Customer.Customer,Customer.Address1,Customer.Address2";

// The columns a search word is looked for in, by table, in the order the word group names them.
const QStringList CustomerWordColumns
    = { "Customer.Customer", "Address1", "Address2", "City", "State", "Zip", "Phone", "Fax",
          "Website", "Contact1", "Contact1Title", "Contact2", "Contact2Title" };
const QStringList EquipmentWordColumns
    = { "Brand", "Model", "SN", "Provider", "Satisfied", "Notes" };
const QStringList TelemarketWordColumns = { "Telemarketer", "Interest" };

QString wordPattern(const QString &word)
{
    return sqlText(QLatin1Char('*') + word + QLatin1Char('*'));
}

QString dateRange(const char *column, const DateWindow &window)
{
    return QStringLiteral(" %1 >= #%2# AND %1 <= #%3#")
        .arg(QLatin1String(column), sqlDate(window.start), sqlDate(window.stop));
}

// The word group exactly as it is kept: 21 Like conditions joined by OR, the quirky blank after
// the thirteenth OR included, so that the kept text stays what it always was.
QString wordGroup(const QString &word)
{
    const QStringList columns = CustomerWordColumns + EquipmentWordColumns + TelemarketWordColumns;
    const QString quoted = wordPattern(word);
    QString group = QStringLiteral(" (");
    for (int i = 0; i < columns.size(); ++i) {
        if (i > 0)
            group += i == CustomerWordColumns.size() ? QStringLiteral(" OR  ")
                                                     : QStringLiteral(" OR ");
        else
            group += QLatin1Char(' ');
        group += QStringLiteral("(%1 Like %2)").arg(columns[i], quoted);
    }
    return group + QStringLiteral(" )");
}

// The customer's own criteria, shared by both statements.
QStringList customerConditions(const SearchCriteria &c)
{
    QStringList conditions;
    if (!c.customer.isEmpty())
        conditions << QStringLiteral(" Customer.Customer = ") + sqlText(c.customer);
    if (!c.city.isEmpty())
        conditions << QStringLiteral(" City = ") + sqlText(c.city);
    if (!c.zip.isEmpty())
        conditions << QStringLiteral(" Zip = ") + sqlText(c.zip);
    if (!c.type.isEmpty())
        conditions << QStringLiteral(" Type = ") + sqlText(c.type);
    return conditions;
}

QString whereClause(const QStringList &conditions)
{
    QString text;
    for (int i = 0; i < conditions.size(); ++i)
        text += (i == 0 ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + conditions[i];
    return text;
}

QStringList words(const SearchCriteria &c)
{
    QStringList list;
    if (!c.word1.isEmpty())
        list << c.word1;
    if (!c.word2.isEmpty())
        list << c.word2;
    return list;
}

// WordMask(n, pattern1..n, columns...) sets bit i when pattern i matches one of the columns.
QString wordMask(const QStringList &patterns, const QStringList &columns)
{
    return QStringLiteral("WordMask(%1,%2,%3)")
        .arg(patterns.size())
        .arg(patterns.join(QLatin1Char(',')), columns.join(QLatin1Char(',')));
}

QString detailStatement(const char *table, const QStringList &patterns, const QStringList &columns,
    const std::optional<DateWindow> &window, const char *dateColumn,
    const QStringList &customerConditions)
{
    QString sql = QStringLiteral("SELECT Customer,%1 AS Words_ FROM %2 WHERE Customer IS NOT NULL")
                      .arg(wordMask(patterns, columns), QLatin1String(table));
    // Only the machines (calls) of the customers the other criteria leave, when there are any.
    if (!customerConditions.isEmpty())
        sql += QStringLiteral(" AND Customer IN (SELECT Customer FROM Customer%1)")
                   .arg(whereClause(customerConditions));
    if (window)
        return sql + QStringLiteral(" AND") + dateRange(dateColumn, *window);
    // Without a window a machine (call) holding no word counts as no machine at all, so only
    // the others need to leave the engine. OFFSET keeps the engine from folding the inner
    // query into the outer one, which would work out every mask twice.
    return QStringLiteral("SELECT Customer,Words_ FROM (%1 LIMIT -1 OFFSET 0) WHERE Words_ <> 0")
        .arg(sql);
}

// The customers with a machine (call) in the window, found through the window's index.
QString within(const char *table, const std::optional<DateWindow> &window, const char *dateColumn)
{
    return QStringLiteral(" Customer.Customer IN (SELECT %1.Customer FROM %1 WHERE%2)")
        .arg(QLatin1String(table), dateRange(dateColumn, *window));
}

} // namespace

QString searchStatement(const SearchCriteria &c)
{
    QStringList conditions = customerConditions(c);
    if (c.leaseEnds)
        conditions << dateRange("LeaseEnds", *c.leaseEnds);
    if (c.callBack)
        conditions << dateRange("NextCallBack", *c.callBack);
    for (const QString &word : words(c))
        conditions << wordGroup(word);
    return QStringLiteral("SELECT DISTINCT %1 FROM %2")
               .arg(QLatin1String(SelectList), QLatin1String(JoinedTables))
        + whereClause(conditions) + QLatin1String(OrderBy);
}

SearchPlan searchPlan(const SearchCriteria &c)
{
    SearchPlan plan;
    QString select = QStringLiteral("SELECT %1").arg(QLatin1String(SelectList));
    QStringList conditions = customerConditions(c);
    const QStringList searched = words(c);
    if (searched.isEmpty()) {
        // Every customer stands in the joined rows at least once, so without words a customer
        // is found when it has a machine in the lease window and a call in the call-back window.
        if (c.leaseEnds)
            conditions << within("Equipment", c.leaseEnds, "LeaseEnds");
        if (c.callBack)
            conditions << within("Telemarket", c.callBack, "NextCallBack");
    } else {
        QStringList patterns;
        for (const QString &word : searched)
            patterns << wordPattern(word);
        select += QLatin1Char(',') + wordMask(patterns, CustomerWordColumns);
        plan.machines = detailStatement(
            "Equipment", patterns, EquipmentWordColumns, c.leaseEnds, "LeaseEnds", conditions);
        plan.calls = detailStatement(
            "Telemarket", patterns, TelemarketWordColumns, c.callBack, "NextCallBack", conditions);
        plan.allWords = (1 << searched.size()) - 1;
        plan.machineWindow = c.leaseEnds.has_value();
        plan.callWindow = c.callBack.has_value();
    }
    // No ORDER BY: read in the order of the file, the rows are sorted in the program, which
    // costs less than reading the customers by the name's index.
    plan.customers = select + QStringLiteral(" FROM Customer") + whereClause(conditions);
    return plan;
}
