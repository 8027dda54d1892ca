// Conversion between the display text, written with the user's separator,
// and doubles. Plain text edits around the number services; no state.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallix {

// With DecimalChar "," the first "," reads as the point: "12,5" is 12.5,
// "1,2,3" is 1.2. Any text gives a number ("abc" is 0), except a number
// beyond the double range ("1E999"), which gives nothing.
std::optional<double> ReadOutToNumber(std::string_view text, std::string_view DecimalChar);

// 0.25 gives "0.25"; -0.25 gives "-0.25" with fixNegativePoint, "-.25" without;
// with DecimalChar "," the point becomes ",". Negative zero shows "0".
std::string NumberToReadOut(double value, bool fixNegativePoint, std::string_view DecimalChar);

} // namespace tallix
