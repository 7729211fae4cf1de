#pragma once

struct sqlite3;

// The most words one search looks for, one for each of the navigator's two search boxes.
// WordMask takes at most this many patterns, and the search keeps the word masks of a
// customer's machines (calls) as a set with one bit for each possible mask.
inline constexpr int MaxSearchWords = 2;

// Puts the program's own functions on a connection, so that the engine ignores letter case and
// matches Like exactly as the program does:
// - the collation NOCASE, in place of the engine's, which folds only A to Z (FoldedCollation);
// - like(pattern, value), in place of the engine's, which knows only % and _ (LikePattern);
// - WordMask(n, pattern1..patternN, column...), with which the navigator's search tests each
//   customer, machine and call once instead of every machine-and-call combination: bit i-1 is
//   set when pattern i is Like one of the columns (Null columns match nothing).
// Returns the engine's result code.
namespace EngineFunctions {

int install(sqlite3 *db);

} // namespace EngineFunctions
