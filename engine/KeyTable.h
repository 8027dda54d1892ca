// Typed characters to button handlers. Plain C++: it only picks the press a
// character code stands for and runs it on the calculator; anything else beeps.
#pragma once

#include "Calculator.h"

#include <cstdint>

namespace tallix {

class Effects;

// "7" is cmdNum_Click 7, Enter and "=" are cmdOper_Click 4, "," and "." both
// cmdDec_Click; a code in no row is a press of None.
Press keyFor(std::int16_t code);

// Backspace clears the entry, Esc clears all, "-" subtracts; None beeps.
void pctKeyTrap_KeyPress(Calculator& calculator, Effects& effects, std::int16_t code);

} // namespace tallix
