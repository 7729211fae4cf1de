#pragma once

#include <QString>
#include <functional>
#include <type_traits>
#include <utility>

class DbError;

// The boundary between a window event and the engine: an engine refusal ends the user's action
// at the failing step, one message tells what failed and why under "Corvane", and the program
// goes on.
// Returns false when the action was stopped by an engine error. A guarded action started from
// within another one (a change handler raised by a guarded handler) lets the error pass on, so
// that the outer action stops at the failing step too and the message shows once.
// 'what' says in the user's words what did not happen ("The customer could not be saved.");
// the innermost guarded action that names itself is the one the message names.
bool runGuarded(const QString &what, const std::function<void()> &action);
bool runGuarded(const std::function<void()> &action);

// The one place that tells the user of an engine error: what failed, what the user can do
// about the cause where the program knows it, and the engine's own words, under "Corvane", OK.
void showEngineError(const DbError &error);
// The text of that message.
QString engineErrorText(const DbError &error);

// For connect(): wraps a handler so that it runs through runGuarded. The handler takes either
// all of the signal's arguments or none of them (a clicked(bool) handler that ignores the flag).
template <typename F, typename... Args> void callHandler(const F &f, Args &&...args)
{
    // Both calls depend on the template's own parameters, so that the one not taken is never
    // compiled (written in the lambda below, f() with a handler that takes arguments would be).
    if constexpr (std::is_invocable_v<const F &, Args...>)
        f(std::forward<Args>(args)...);
    else
        f();
}

template <typename F> auto guarded(const QString &what, F f)
{
    return [what, f = std::move(f)](auto &&...args) {
        runGuarded(what, [&] { callHandler(f, std::forward<decltype(args)>(args)...); });
    };
}

template <typename F> auto guarded(F f)
{
    return guarded(QString(), std::move(f));
}
