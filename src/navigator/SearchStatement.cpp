#include "SearchStatement.h"

#include "Dialect.h"
#include "EngineFunctions.h"

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

// The customer's own criteria: the column of each one in force and its value.
QList<std::pair<const char *, QString>> customerCriteria(const SearchCriteria &c)
{
    QList<std::pair<const char *, QString>> criteria;
    const std::pair<const char *, const QString *> all[] = { { "Customer.Customer", &c.customer },
        { "City", &c.city }, { "Zip", &c.zip }, { "Type", &c.type } };
    for (const auto &[column, value] : all)
        if (!value->isEmpty())
            criteria.append({ column, *value });
    return criteria;
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
    static_assert(MaxSearchWords == 2, "the navigator has two search boxes");
    QStringList list;
    for (const QString *word : { &c.word1, &c.word2 })
        if (!word->isEmpty())
            list << *word;
    return list;
}

// The conditions of a statement the program runs, with their values bound in their order.
struct BoundConditions
{
    QStringList conditions;
    QVariantList values;

    void add(const QString &condition, const QVariantList &conditionValues)
    {
        conditions << condition;
        values += conditionValues;
    }
    void addDateRange(const char *column, const DateWindow &window)
    {
        add(QStringLiteral(" %1 >= ? AND %1 <= ?").arg(QLatin1String(column)),
            { window.start, window.stop });
    }
    // Those of a statement around these ones, whose marks come first.
    void addInner(const QString &sqlAround, const BoundConditions &inner)
    {
        add(sqlAround.arg(whereClause(inner.conditions)), inner.values);
    }
};

BoundConditions boundCustomerConditions(const SearchCriteria &c)
{
    BoundConditions bound;
    for (const auto &[column, value] : customerCriteria(c))
        bound.add(QStringLiteral(" %1 = ?").arg(QLatin1String(column)), { value });
    return bound;
}

// WordMask(n, pattern1..n, columns...) sets bit i when pattern i matches one of the columns;
// the patterns are bound.
QString wordMask(int patterns, const QStringList &columns)
{
    QStringList marks;
    for (int i = 0; i < patterns; ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("WordMask(%1,%2,%3)")
        .arg(patterns)
        .arg(marks.join(QLatin1Char(',')), columns.join(QLatin1Char(',')));
}

BoundStatement detailStatement(const char *table, const QVariantList &patterns,
    const QStringList &columns, const std::optional<DateWindow> &window, const char *dateColumn,
    const BoundConditions &customerConditions)
{
    BoundConditions where;
    where.add(QStringLiteral("Customer IS NOT NULL"), {});
    // Only the machines (calls) of the customers the other criteria leave, when there are any.
    if (!customerConditions.conditions.isEmpty())
        where.addInner(
            QStringLiteral("Customer IN (SELECT Customer FROM Customer%1)"), customerConditions);
    if (window)
        where.addDateRange(dateColumn, *window);
    BoundStatement statement { QStringLiteral("SELECT Customer,%1 AS Words_ FROM %2%3")
                                   .arg(wordMask(int(patterns.size()), columns),
                                       QLatin1String(table), whereClause(where.conditions)),
        patterns + where.values };
    if (window)
        return statement;
    // Without a window a machine (call) holding no word counts as no machine at all, so only
    // the others need to leave the engine. OFFSET keeps the engine from folding the inner
    // query into the outer one, which would work out every mask twice.
    statement.sql
        = QStringLiteral("SELECT Customer,Words_ FROM (%1 LIMIT -1 OFFSET 0) WHERE Words_ <> 0")
              .arg(statement.sql);
    return statement;
}

// The customers with a machine (call) in the window, found through the window's index.
void addWithin(BoundConditions &conditions, const char *table, const DateWindow &window,
    const char *dateColumn)
{
    conditions.add(
        QStringLiteral(
            " Customer.Customer IN (SELECT %1.Customer FROM %1 WHERE %2 >= ? AND %2 <= ?)")
            .arg(QLatin1String(table), QLatin1String(dateColumn)),
        { window.start, window.stop });
}

} // namespace

QString searchStatement(const SearchCriteria &c)
{
    QStringList conditions;
    for (const auto &[column, value] : customerCriteria(c))
        conditions << QStringLiteral(" %1 = ").arg(QLatin1String(column)) + sqlText(value);
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
    BoundConditions conditions = boundCustomerConditions(c);
    QVariantList patterns;
    const QStringList searched = words(c);
    if (searched.isEmpty()) {
        // Every customer stands in the joined rows at least once, so without words a customer
        // is found when it has a machine in the lease window and a call in the call-back window.
        if (c.leaseEnds)
            addWithin(conditions, "Equipment", *c.leaseEnds, "LeaseEnds");
        if (c.callBack)
            addWithin(conditions, "Telemarket", *c.callBack, "NextCallBack");
    } else {
        for (const QString &word : searched)
            patterns << QString(QLatin1Char('*') + word + QLatin1Char('*'));
        select += QLatin1Char(',') + wordMask(int(patterns.size()), CustomerWordColumns);
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
    plan.customers
        = { select + QStringLiteral(" FROM Customer") + whereClause(conditions.conditions),
              patterns + conditions.values };
    return plan;
}

BoundStatement customersWithRowid(const SearchCriteria &c)
{
    const BoundConditions conditions = boundCustomerConditions(c);
    return { QStringLiteral("SELECT %1,Customer.rowid FROM Customer").arg(QLatin1String(SelectList))
            + whereClause(conditions.conditions),
        conditions.values };
}
