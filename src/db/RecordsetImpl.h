#pragma once

#include "Recordset.h"
#include "ResultColumns.h"
#include "RowCursor.h"
#include "RowWriter.h"

#include <memory>

struct sqlite3;
struct sqlite3_stmt;
namespace Schema {
struct Table;
}

// What an open record set holds: its columns, its rows, and for a one-table statement the
// writer of its pending change.
struct Recordset::Impl
{
    // Takes over 'stmt'. With a table, the statement's last column is the hidden row id.
    Impl(sqlite3 *db, sqlite3_stmt *stmt, const QString &statement, const Schema::Table *table);

    QString statement;
    int rowIdColumn;
    ResultColumns columns;
    RowCursor cursor;
    std::unique_ptr<RowWriter> writer;
};
