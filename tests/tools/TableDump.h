#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

class Database;

// Reading back what a demo file holds: every row of a table as one line of typed values, and
// whole columns for the checks that look at one column across all rows.
namespace TableDump {

QStringList rows(Database &db, const QString &table);
QStringList allTables(Database &db);
std::vector<QVariantList> select(Database &db, const QString &sql);
qint64 count(Database &db, const QString &sql);

} // namespace TableDump
