// Every handler a toolkit calls runs inside guarded(): an exception (memory
// running out while copying a huge paste) must never unwind through the
// toolkit's own frames. The handler's work is dropped, the calculator keeps
// what it had, and the user is told in the error box.
#pragma once

#include "Calculator.h"

#include <exception>

namespace tallix {

// tellUser(text, title) shows the error box; should even that fail, the
// user is left with the window as it was.
template <typename Handler, typename TellUser>
void guarded(Handler&& handler, TellUser&& tellUser) noexcept
{
    try {
        handler();
    } catch (const std::exception&) {
        try {
            tellUser(outOfMemoryMessage, errorTitle);
        } catch (const std::exception&) {
        }
    }
}

} // namespace tallix
