// Prints every code point the display draws as a mark, with its mark, in
// hexadecimal: "D 21B5" for a carriage return. display_marks.py checks them.
#include "DisplayText.h"

#include <charconv>
#include <cstdio>
#include <string>

namespace {

std::string hex(char32_t c)
{
    char text[8];
    return std::string(text, std::to_chars(text, text + sizeof text, static_cast<unsigned>(c), 16).ptr);
}

} // namespace

int main()
{
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (tallix::visibleMark(c) != c)
            std::puts((hex(c) + ' ' + hex(tallix::visibleMark(c))).c_str());
    }
}
