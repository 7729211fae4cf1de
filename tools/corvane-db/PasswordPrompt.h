#pragma once

#include "PasswordOpening.h"

#include <QString>
#include <optional>

// Asks for a password on the terminal without showing what is typed. Where the standard input
// is not a terminal (a script, a test) the answer is the next line read from it. The question
// goes to the standard error, so that the tool's report on the standard output stays clean.
namespace PasswordPrompt {

// The answer without its line end; nothing when the input has ended.
std::optional<QString> ask(const QString &question);

// Opens a database file, asking for its password when the built-in one does not open it. A file
// opened under a working name is asked for and reported under the name the user knows.
PasswordOpening open(const QString &path, const QString &shownAs = QString());

} // namespace PasswordPrompt
