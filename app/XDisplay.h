// Before Qt starts: can the window's X display be reached? Qt answers a
// missing display with an abort; the user gets one line instead, naming the
// display and saying what to do. Other platforms are left to Qt.
#pragma once

#include <optional>
#include <string>

namespace tallix {

// Empty when the window can open; otherwise the line to show.
std::optional<std::string> missingDisplayMessage();

} // namespace tallix
