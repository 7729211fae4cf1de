#pragma once

// The text order of the program's own connection: character by character after case folding,
// so "Élan" and "élan" are the same name. On ASCII text it orders exactly like the engine's
// built-in NOCASE, so indexes the stock shell builds on such text stay valid here.
namespace FoldedCollation {

int compare(const char *a, int aBytes, const char *b, int bBytes);

} // namespace FoldedCollation
