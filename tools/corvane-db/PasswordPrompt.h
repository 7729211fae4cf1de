#pragma once

#include <QString>
#include <optional>

// Asks for a password on the terminal without showing what is typed. Where the standard input
// is not a terminal (a script, a test) the answer is the next line read from it. The question
// goes to the standard error, so that the tool's report on the standard output stays clean.
namespace PasswordPrompt {

// The answer without its line end; nothing when the input has ended.
std::optional<QString> ask(const QString &question);

} // namespace PasswordPrompt
