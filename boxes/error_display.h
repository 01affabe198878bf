// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <exception>
#include <type_traits>
#include <utility>

#include "error.h"
#include "prompts.h"

namespace kwintor {

// The text an exception carries for the player.
inline QString MessageOf(const std::exception& error) { return QString::fromUtf8(error.what()); }

// The real box behind ShowErrorDisplay.
void StandardErrorDisplay(const QString& message);

// Shows the exception now being caught in the error display, always once
// the event being handled is over: a box's nested loop opened inside a
// paint, resize or drag handler would run the whole game through a
// half-handled event. The only way an exception reaches the player; call
// it only from a catch block.
void ShowCaughtError() noexcept;

// Runs `action`; whatever it throws ends there and is shown by the error
// display, so no exception ever unwinds into Qt's event dispatch.
template <typename Action> void RunGuarded(Action&& action) noexcept
{
    try {
        std::forward<Action>(action)();
    } catch (...) {
        ShowCaughtError();
    }
}

// `handler` wrapped for connecting to a signal: every call runs guarded.
// A handler that takes nothing ignores the signal's arguments.
template <typename Handler> auto Guarded(Handler handler)
{
    return [handler = std::move(handler)](auto&&... arguments) {
        RunGuarded([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>)
                handler(std::forward<decltype(arguments)>(arguments)...);
            else
                handler();
        });
    };
}

}  // namespace kwintor
