#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The three tables of the file: their columns, the widths of the text columns, the indexes.
namespace Schema {

enum class ColumnType { Id, Text, LongText, Date, DateTime, Currency };

struct Column
{
    QString name;
    ColumnType type;
    int width = 0; // the most characters a Text column holds
};

struct Table
{
    QString name;
    std::vector<Column> columns;

    // Names ignore letter case, as everywhere in the dialect; null when there is no such column.
    const Column *column(const QString &name) const;
};

const std::vector<Table> &tables();
const Table *table(const QString &name);

// The statements that make the tables and indexes in an empty file, in the engine's own SQL.
QStringList createStatements();
// What brings the tables of a file of an older layout version up to the current one.
QStringList upgradeStatements(int fromVersion);

} // namespace Schema
