// Typed characters to button handlers. Plain C++: it only picks the handler
// for a character code and calls it on the calculator; anything else beeps.
#pragma once

#include <cstdint>

namespace tallix {

class Calculator;
class Effects;

// "0".."9" press that digit; Backspace clears the entry, Esc clears all,
// Enter and "=" give "=", "," and "." both type the user's separator.
void pctKeyTrap_KeyPress(Calculator& calculator, Effects& effects, std::int16_t KeyAscii);

} // namespace tallix
