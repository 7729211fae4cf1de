#include "ErrorGuard.h"

#include "MsgBox.h"
#include "DbError.h"

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

} // namespace

void showEngineError(const DbError &error)
{
    MsgBox::show(error.message(), QStringLiteral("Corvane"));
}

bool runGuarded(const std::function<void()> &action)
{
    try {
        GuardLevel level;
        action();
        return true;
    } catch (const DbError &error) {
        // The user's action is the outermost one: it stops as a whole, and says so once.
        if (guardDepth > 0)
            throw;
        // The busy pointers of the action were restored while the stack unwound.
        showEngineError(error);
        return false;
    }
}
