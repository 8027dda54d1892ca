// The letter a physical key carries in a given keyboard layout, whatever
// layout is active: Ctrl shortcuts are Latin letters and the menus' access
// keys Russian ones, and both must work from their own key under any layout.
// Keys are the X keycodes Qt reports as native scan codes (evdev codes + 8).
#pragma once

#include <QChar>

#include <cstdint>

namespace tallix {

enum class KeyboardLayout { Latin, Russian };

// Upper case, or a null QChar for a key without a letter (or no keycode).
QChar letterOnKey(std::uint32_t keycode, KeyboardLayout layout);

} // namespace tallix
