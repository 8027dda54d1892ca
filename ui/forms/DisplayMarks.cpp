#include "DisplayMarks.h"

#include <algorithm>
#include <iterator>

namespace tallix {

namespace {

struct Range {
    char32_t first, last;
};

// Controls and format characters of Unicode 15, in order.
constexpr Range invisible[] = {
    {0x0000, 0x001F}, {0x007F, 0x009F}, {0x00AD, 0x00AD}, {0x0600, 0x0605},
    {0x061C, 0x061C}, {0x06DD, 0x06DD}, {0x070F, 0x070F}, {0x0890, 0x0891},
    {0x08E2, 0x08E2}, {0x180E, 0x180E}, {0x200B, 0x200F}, {0x202A, 0x202E},
    {0x2060, 0x2064}, {0x2066, 0x206F}, {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB},
    {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A}, {0xE0001, 0xE0001}, {0xE0020, 0xE007F},
};

bool isInvisible(char32_t c)
{
    const Range* after = std::upper_bound(std::begin(invisible), std::end(invisible), c,
                                          [](char32_t code, const Range& range) { return code < range.first; });
    return after != std::begin(invisible) && c <= std::prev(after)->last;
}

} // namespace

char32_t visibleMark(char32_t c)
{
    switch (c) {
    case '\n': case '\v': case '\f': case '\r': case 0x85: case 0x2028: return 0x21B5;
    case 0x2029: return 0x00B6;
    case '\t': return 0x21E5;
    default: return isInvisible(c) ? 0xFFFD : c;
    }
}

} // namespace tallix
