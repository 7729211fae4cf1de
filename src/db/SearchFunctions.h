#pragma once

struct sqlite3;

// Two functions the navigator's search runs on the program's own connection, so that it looks
// at each customer, machine and call once instead of at every machine-and-call combination:
// WordMask(n, pattern1..patternN, column...) sets bit i-1 when pattern i is Like one of the
// columns (Null columns match nothing); WordsCovered(customerMask, machineMasks, callMasks, all)
// is 1 when some machine mask and some call mask (sets of masks given as bits of a number)
// together with the customer's mask hold every bit of all.
namespace SearchFunctions {

int install(sqlite3 *db);

} // namespace SearchFunctions
