// No exception crosses a toolkit's frames: whatever a toolkit calls runs
// inside guarded(). An exception (memory running out while copying a huge
// paste) drops the work, the calculator keeps what it had, and the user is
// told in the error box.
#pragma once

#include "Calculator.h"

#include <concepts>
#include <exception>
#include <string_view>

namespace tallix {

inline constexpr std::string_view outOfMemoryMessage = "Недостаточно памяти: действие отменено";

// tellUser(text, title) shows the error box; should even that fail, the
// user is left with the window as it was.
template <std::invocable Work, typename TellUser>
void guarded(Work&& work, TellUser&& tellUser) noexcept
{
    try {
        work();
    } catch (const std::exception&) {
        try {
            tellUser(outOfMemoryMessage, errorTitle);
        } catch (const std::exception&) {
        }
    }
}

} // namespace tallix
