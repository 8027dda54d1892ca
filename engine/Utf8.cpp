#include "Utf8.h"

#include <cstdint>

namespace tallix {

namespace {

// Length of the well-formed sequence starting at text[pos], or 0 when it is
// malformed (stray continuation byte, overlong form, surrogate, > U+10FFFF).
std::size_t sequenceLength(std::string_view text, std::size_t pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(pos);
    if (lead < 0x80)
        return 1;

    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // overlong
        if (lead == 0xED)
            high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90; // overlong
        if (lead == 0xF4)
            high = 0x8F; // beyond U+10FFFF
    } else {
        return 0;
    }

    if (pos + length > text.size())
        return 0;
    if (byte(pos + 1) < low || byte(pos + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

std::size_t codePointCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<std::uint8_t>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

std::string toValidUtf8(std::string_view bytes)
{
    static constexpr std::string_view replacement = "\xEF\xBF\xBD";
    std::string text;
    text.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t length = sequenceLength(bytes, pos);
        if (length == 0) {
            text += replacement;
            ++pos;
        } else {
            text.append(bytes.substr(pos, length));
            pos += length;
        }
    }
    return text;
}

bool isValidUtf8(std::string_view bytes)
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t length = sequenceLength(bytes, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

} // namespace tallix
