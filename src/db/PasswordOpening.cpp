#include "PasswordOpening.h"

#include "DbError.h"

PasswordOpening PasswordOpening::open(const QString &path, const Ask &ask)
{
    try {
        return { Database::open(path), QString::fromLatin1(Database::Password) };
    } catch (const DbError &builtIn) {
        if (builtIn.cause() != DbError::Cause::WrongPassword)
            throw;
        for (int wrong = 0; wrong < Tries; ++wrong) {
            const std::optional<QString> answer = ask(wrong);
            if (!answer || answer->isEmpty())
                break;
            try {
                return { Database::open(path, *answer), *answer };
            } catch (const DbError &other) {
                if (other.cause() != DbError::Cause::WrongPassword)
                    throw;
            }
        }
        throw;
    }
}
