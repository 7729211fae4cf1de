#pragma once

#include "Database.h"

#include <QString>
#include <memory>

// A database file opened with the built-in password or, where the file has a password of its
// own, with the one the user gives when asked.
struct PasswordOpening
{
    std::unique_ptr<Database> db;
    QString password;

    // Tries the built-in password first, so that the usual file asks nothing; then asks up to
    // three times. Throws the engine's refusal of the file when no answer opens it. A file
    // opened under a working name is asked for and reported under the name the user knows.
    static PasswordOpening open(const QString &path, const QString &shownAs = QString());
};
