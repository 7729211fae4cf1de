#pragma once

struct sqlite3;

// A function the navigator's search runs on the program's own connection, so that it tests
// each customer, machine and call once instead of every machine-and-call combination:
// WordMask(n, pattern1..patternN, column...) sets bit i-1 when pattern i is Like one of the
// columns (Null columns match nothing).
namespace SearchFunctions {

int install(sqlite3 *db);

} // namespace SearchFunctions
