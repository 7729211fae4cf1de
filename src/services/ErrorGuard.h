#pragma once

#include <functional>
#include <type_traits>
#include <utility>

class DbError;

// The boundary between a window event and the engine: an engine refusal ends the user's action
// at the failing step, its message is shown under "Corvane" and the program goes on.
// Returns false when the action was stopped by an engine error. A guarded action started from
// within another one (a change handler raised by a guarded handler) lets the error pass on, so
// that the outer action stops at the failing step too and the message shows once.
bool runGuarded(const std::function<void()> &action);

// The one place that tells the user of an engine error: its message under "Corvane", OK.
void showEngineError(const DbError &error);

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

template <typename F> auto guarded(F f)
{
    return [f = std::move(f)](auto &&...args) {
        runGuarded([&] { callHandler(f, std::forward<decltype(args)>(args)...); });
    };
}
