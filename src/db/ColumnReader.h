#pragma once

#include <QVariant>

struct sqlite3_stmt;

// A result column's value in the form the windows expect, chosen by the column's declared
// type: QDate for DATE, QDateTime for DATETIME, double for CURRENCY, otherwise by what is
// stored (text, whole number, number). Null stays a null QVariant, distinct from empty text.
// A value in a date column that is no date (written by another tool) comes back as its text.
namespace ColumnReader {

enum class Kind { Plain, Date, DateTime, Currency };

Kind kindOf(const char *declaredType);
QVariant read(sqlite3_stmt *stmt, int column, Kind kind);

} // namespace ColumnReader
