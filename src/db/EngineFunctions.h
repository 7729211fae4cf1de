#pragma once

struct sqlite3;

// Puts the program's own NOCASE collation and like() on a connection in place of the engine's,
// which fold only A to Z and know only the % and _ wildcards. Returns the engine's result code.
namespace EngineFunctions {

int install(sqlite3 *db);

} // namespace EngineFunctions
