#pragma once

#include <QString>

namespace Schema {
struct Table;
}

// Whether a statement is one of the one-table reads a save opens ("SELECT * FROM t WHERE ...",
// "SELECT * FROM t LIMIT 1" once translated), whose rows can then be changed. Such a statement
// is run with the row id as an extra last column, so a change can name its row.
struct EditableQuery
{
    const Schema::Table *table = nullptr; // null when the rows cannot be changed
    QString sql; // the statement to run

    static EditableQuery of(const QString &engineSql);
};
