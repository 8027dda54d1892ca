// Typed characters to button handlers. Plain C++: it only picks the handler
// for a character code and calls it on the calculator; anything else beeps.
#pragma once

#include <cstdint>

namespace tallix {

class Calculator;
class Effects;

enum class KeyAction { None, Digit, ClearEntry, ClearAll, Operator, Percent, DecimalPoint };

struct Key {
    KeyAction action;
    std::int16_t Index; // the digit, or the operator button's Index
};

// "7" is Digit 7, Enter and "=" are Operator 4, "," and "." both DecimalPoint;
// a code in no row is None.
Key keyFor(std::int16_t code);

// Backspace clears the entry, Esc clears all, "-" subtracts; None beeps.
void pctKeyTrap_KeyPress(Calculator& calculator, Effects& effects, std::int16_t code);

} // namespace tallix
