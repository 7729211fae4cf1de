#pragma once

#include "Database.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

// A database file opened with the built-in password or, where the file has a password of its
// own, with one the user gives when asked.
struct PasswordOpening
{
    // How many answers the user may give before the file counts as one that cannot be opened.
    static constexpr int Tries = 3;
    // Asks for the password, told how many answers were wrong so far; nothing (or an empty
    // answer) gives up.
    using Ask = std::function<std::optional<QString>(int wrongSoFar)>;

    std::unique_ptr<Database> db;
    QString password;

    // Tries the built-in password first, so that the usual file asks nothing. Throws the
    // engine's refusal of the built-in password when no answer opens the file, and any other
    // refusal (a file of another program, a newer version) as it comes.
    static PasswordOpening open(const QString &path, const Ask &ask);
};
