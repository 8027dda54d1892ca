// The number services the display conversion rests on: a double written as
// text with "." as the point, and the leading number of a text read back.
// Both ignore the user's separator; the display conversion deals with it.
#pragma once

#include <string>
#include <string_view>

namespace tallix {

// At most 15 significant digits; a leading blank for 0 or more, "-" below 0;
// no "0" before the point below 1; plain while the decimal exponent is -5..14,
// otherwise "1E+15" style. 15 gives " 15", -0.25 gives "-.25", 1e-7 " 1E-07".
std::string numberToText(double value);

struct ParsedNumber {
    double value = 0.0;
    bool overflow = false; // the number lies beyond the double range
};

// Reads the leading number of the text: leading spaces, an optional sign,
// digits with an optional "." and fraction, an optional exponent taken only
// when digits follow. Anything else ends it; no number at all reads 0.
// "12,5" reads 12, ".5" reads 0.5, "abc" reads 0, "1e" reads 1.
ParsedNumber textToNumber(std::string_view text);

} // namespace tallix
