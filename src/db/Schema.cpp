#include "Schema.h"

namespace {

using Schema::Column;
using Schema::ColumnType;
using Schema::Table;

Column text(const char *name, int width = 50)
{
    return { QLatin1String(name), ColumnType::Text, width };
}
Column of(const char *name, ColumnType type)
{
    return { QLatin1String(name), type, 0 };
}

std::vector<Table> makeTables()
{
    Table customer { QStringLiteral("Customer"),
        { text("Customer"), text("Address1"), text("Address2"), text("City"), text("State"),
            text("Zip"), text("Phone"), text("Fax"), text("Website", 100), text("Type"),
            text("Contact1"), text("Contact1Title"), text("Contact1Phone"), text("Contact1Fax"),
            text("Contact1Email"), text("Contact2"), text("Contact2Title"), text("Contact2Phone"),
            text("Contact2Fax"), text("Contact2Email"), of("DateEntered", ColumnType::DateTime) } };
    Table equipment { QStringLiteral("Equipment"),
        { of("ID", ColumnType::Id), text("Customer"), text("Brand"), text("Model"), text("SN"),
            text("Provider"), of("DatePurchased", ColumnType::Date),
            of("DateLeased", ColumnType::Date), text("LeaseTerm"),
            of("LeaseEnds", ColumnType::Date), text("MonthlyVolume"),
            of("MonthlyPayment", ColumnType::Currency), text("Satisfied"),
            of("Notes", ColumnType::LongText), of("DateEntered", ColumnType::DateTime) } };
    Table telemarket { QStringLiteral("Telemarket"),
        { of("ID", ColumnType::Id), text("Customer"), of("DateofCall", ColumnType::Date),
            text("Telemarketer"), of("NextCallBack", ColumnType::Date),
            of("Interest", ColumnType::LongText), of("DateEntered", ColumnType::DateTime) } };
    return { customer, equipment, telemarket };
}

QString columnDefinition(const Column &column)
{
    switch (column.type) {
    case ColumnType::Id:
        // AUTOINCREMENT: a deleted last row's number is never handed out again.
        return column.name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case ColumnType::Text:
        // The check keeps the width also for writes from the stock shell.
        return QStringLiteral("%1 TEXT COLLATE NOCASE CHECK (length(%1) <= %2)")
            .arg(column.name)
            .arg(column.width);
    case ColumnType::LongText:
        return column.name + QStringLiteral(" TEXT COLLATE NOCASE");
    case ColumnType::Date:
        return column.name + QStringLiteral(" DATE");
    case ColumnType::DateTime:
        return column.name + QStringLiteral(" DATETIME");
    case ColumnType::Currency:
        return column.name + QStringLiteral(" CURRENCY");
    }
    return column.name;
}

} // namespace

namespace Schema {

const Column *Table::column(const QString &wanted) const
{
    for (const Column &c : columns) {
        if (c.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

const std::vector<Table> &tables()
{
    static const std::vector<Table> all = makeTables();
    return all;
}

const Table *table(const QString &name)
{
    for (const Table &t : tables()) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

QStringList createStatements()
{
    QStringList statements;
    for (const Table &t : tables()) {
        QStringList columns;
        for (const Column &c : t.columns)
            columns << columnDefinition(c);
        statements << QStringLiteral("CREATE TABLE %1 (%2)")
                          .arg(t.name, columns.join(QStringLiteral(", ")));
    }
    // The name is unique ignoring case through the column's NOCASE; the link and window columns
    // carry the searches and drill-downs.
    statements << QStringLiteral("CREATE UNIQUE INDEX CustomerName ON Customer (Customer)")
               << QStringLiteral("CREATE INDEX EquipmentCustomer ON Equipment (Customer)")
               << QStringLiteral("CREATE INDEX EquipmentLeaseEnds ON Equipment (LeaseEnds)")
               << QStringLiteral("CREATE INDEX TelemarketCustomer ON Telemarket (Customer)")
               << QStringLiteral(
                      "CREATE INDEX TelemarketNextCallBack ON Telemarket (NextCallBack)");
    return statements + upgradeStatements(1);
}

QStringList upgradeStatements(int fromVersion)
{
    QStringList statements;
    // Version 0 to 1 changed no table. Version 2 lists the customer types from an index of their
    // own instead of reading every customer; version 3 the cities and zips, which the navigator
    // would otherwise sort from every customer each time it opens.
    if (fromVersion < 2)
        statements << QStringLiteral("CREATE INDEX IF NOT EXISTS CustomerType ON Customer (Type)");
    if (fromVersion < 3)
        statements << QStringLiteral("CREATE INDEX IF NOT EXISTS CustomerCity ON Customer (City)")
                   << QStringLiteral("CREATE INDEX IF NOT EXISTS CustomerZip ON Customer (Zip)");
    return statements;
}

} // namespace Schema
