#include "ErrorGuard.h"

#include "DbError.h"
#include "MsgBox.h"

#include <QStringList>

namespace {

// How many guarded actions are running, one inside the other: a handler raised by another
// guarded handler's programmatic change is part of that outer action.
int guardDepth = 0;

struct GuardLevel
{
    GuardLevel() { ++guardDepth; }
    ~GuardLevel() { --guardDepth; }
    GuardLevel(const GuardLevel &) = delete;
    GuardLevel &operator=(const GuardLevel &) = delete;
};

// What the user can do about a cause the program recognises.
QString advice(DbError::Cause cause)
{
    switch (cause) {
    case DbError::Cause::Busy:
        return QStringLiteral("Another program is using the database file. Try again when it "
                              "has finished.");
    case DbError::Cause::Full:
        return QStringLiteral("The database file cannot grow any further: the disk is full or "
                              "the file has reached its largest size. Make room and try again.");
    case DbError::Cause::WrongPassword: // start-up asks for the password itself
    case DbError::Cause::Other:
        break;
    }
    return {};
}

} // namespace

QString engineErrorText(const DbError &error)
{
    QStringList parts { error.failedAction(), advice(error.cause()), error.message() };
    parts.removeAll(QString());
    return parts.join(QStringLiteral("\n\n"));
}

void showEngineError(const DbError &error)
{
    MsgBox::show(engineErrorText(error), QStringLiteral("Corvane"));
}

bool runGuarded(const QString &what, const std::function<void()> &action)
{
    try {
        GuardLevel level;
        action();
        return true;
    } catch (DbError &error) {
        if (error.failedAction().isEmpty())
            error.setFailedAction(what);
        // The user's action is the outermost one: it stops as a whole, and says so once.
        if (guardDepth > 0)
            throw;
        // The busy pointers of the action were restored while the stack unwound.
        showEngineError(error);
        return false;
    }
}

bool runGuarded(const std::function<void()> &action)
{
    return runGuarded(QString(), action);
}
