#pragma once

#include <QVariant>

struct sqlite3_stmt;

// Every value the program writes goes to the engine bound, never spliced into SQL text:
// QString as text (empty text stays empty text), QDate as YYYY-MM-DD, QDateTime as
// YYYY-MM-DD HH:MM:SS, numbers as numbers, a null QVariant or an invalid date as Null.
// Returns the engine's result code.
namespace ValueBinder {

int bind(sqlite3_stmt *stmt, int position, const QVariant &value);

} // namespace ValueBinder
