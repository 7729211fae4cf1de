#pragma once

#include <functional>
#include <utility>

// The boundary between a window event and the engine: an engine refusal ends the user's action
// at the failing step, its message is shown under "Corvane" and the program goes on.
// Returns false when the action was stopped by an engine error.
bool runGuarded(const std::function<void()> &action);

// For connect(): wraps a handler so that it runs through runGuarded.
template <typename F>
auto guarded(F f)
{
    return [f = std::move(f)](auto &&...args) {
        runGuarded([&] { f(std::forward<decltype(args)>(args)...); });
    };
}
