#include "PasswordOpening.h"

#include "DbError.h"
#include "PasswordPrompt.h"

namespace {

constexpr int Tries = 3;

PasswordOpening opening(const QString &path, const QString &shownAs)
{
    try {
        return { Database::open(path), QString::fromLatin1(Database::Password) };
    } catch (const DbError &builtIn) {
        if (builtIn.cause() != DbError::Cause::WrongPassword)
            throw;
        for (int attempt = 0; attempt < Tries; ++attempt) {
            const std::optional<QString> answer
                = PasswordPrompt::ask(QStringLiteral("Password of %1: ").arg(shownAs));
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

} // namespace

PasswordOpening PasswordOpening::open(const QString &path, const QString &shownAs)
{
    if (shownAs.isEmpty() || shownAs == path)
        return opening(path, path);
    try {
        return opening(path, shownAs);
    } catch (const DbError &failure) {
        throw DbError(QString(failure.message()).replace(path, shownAs), failure.cause());
    }
}
