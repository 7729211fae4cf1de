#pragma once

#include <QByteArray>

// The text order of the program's own connection: character by character after case folding,
// so "Élan" and "élan" are the same name. On ASCII text it orders exactly like the engine's
// built-in NOCASE, so indexes the stock shell builds on such text stay valid here.
namespace FoldedCollation {

int compare(const char *a, int aBytes, const char *b, int bBytes);

// The text as a key whose plain byte order is this order: two texts compare equal exactly
// when their keys are equal, and otherwise as their keys compare byte by byte. For sorting
// and finding many texts in the program as the engine would.
QByteArray key(const char *text, int bytes);
// The same key at the end of out, for keys gathered in one block.
void appendKey(QByteArray &out, const char *text, int bytes);

} // namespace FoldedCollation
