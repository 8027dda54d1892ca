// The one exception boundary between a toolkit and our code: whatever a
// toolkit calls runs inside guarded(). An exception drops that piece of work,
// whatever it had not yet written stays as it was, and the user is told.
#pragma once

#include <concepts>
#include <exception>
#include <new>
#include <stdexcept>
#include <string_view>

namespace tallix {

inline constexpr std::string_view outOfMemoryMessage = "Недостаточно памяти: действие отменено";
inline constexpr std::string_view internalErrorMessage = "Внутренняя ошибка: действие отменено";

// tell(message) shows the error box with that message, now or, where no
// window may open (inside a paint), once the toolkit is back in its loop.
// Should even telling fail, the user is left with the window as it was.
template <std::invocable Work, std::invocable<std::string_view> Tell>
void guarded(Work&& work, Tell&& tell) noexcept
{
    std::string_view message;
    try {
        work();
        return;
    } catch (const std::bad_alloc&) {
        message = outOfMemoryMessage;
    } catch (const std::length_error&) {
        message = outOfMemoryMessage; // a text longer than a string may hold
    } catch (...) {
        message = internalErrorMessage;
    }
    try {
        tell(message);
    } catch (...) {
    }
}

} // namespace tallix
