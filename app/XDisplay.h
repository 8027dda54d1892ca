// Before Qt starts: X is chosen where a display offers it, and the display
// is checked; Qt answers a missing display with an abort, the user gets one
// line instead, naming the display and saying what to do.
#pragma once

#include <optional>
#include <string>

namespace tallix {

// Asks Qt for X (xcb) when DISPLAY names one and QT_QPA_PLATFORM is unset:
// on a Wayland desktop that is XWayland, where the About window can be
// placed from the main window and the refusal beep sounds; native Wayland
// allows neither.
void preferX();

// Empty when the window can open; otherwise the line to show.
std::optional<std::string> missingDisplayMessage();

} // namespace tallix
