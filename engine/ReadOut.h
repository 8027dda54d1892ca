// Conversion between the display text, written with the user's separator,
// and doubles. Plain text edits around the number services; no state.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tallix {

// A result or a read number beyond the double range. The handler that meets
// it restores the state it started from and shows the overflow box.
class Overflow : public std::runtime_error {
public:
    Overflow() : std::runtime_error("overflow") {}
};

// With DecimalChar "," the first "," reads as the point: "12,5" is 12.5,
// "1,2,3" is 1.2. Any text gives a number ("abc" is 0); throws Overflow for a
// number beyond the double range ("1E999").
double ReadOutToNumber(std::string_view text, std::string_view DecimalChar);

// 0.25 gives "0.25"; -0.25 gives "-0.25" with fixNegativePoint, "-.25" without;
// with DecimalChar "," the point becomes ",". Negative zero shows "0".
std::string NumberToReadOut(double value, bool fixNegativePoint, std::string_view DecimalChar);

} // namespace tallix
