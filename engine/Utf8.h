// Character-level helpers for the display text, which is UTF-8: lengths are
// counted in code points, never bytes. Knows nothing about numbers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallix {

std::size_t codePointCount(std::string_view text);

// Malformed sequences become U+FFFD, so every later cut lands on a character
// boundary and the text handed back to the window is valid UTF-8.
std::string toValidUtf8(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

} // namespace tallix
