#include "DisplayText.h"

#include <algorithm>
#include <iterator>
#include <numeric>

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

constexpr char16_t ellipsis = 0x2026;

bool isHighSurrogate(char16_t c) { return (c & 0xFC00) == 0xD800; }
bool isLowSurrogate(char16_t c) { return (c & 0xFC00) == 0xDC00; }

bool isInvisible(char32_t c)
{
    const Range* after = std::upper_bound(std::begin(invisible), std::end(invisible), c,
                                          [](char32_t code, const Range& range) { return code < range.first; });
    return after != std::begin(invisible) && c <= std::prev(after)->last;
}

std::u16string withVisibleMarks(std::u16string_view text)
{
    std::u16string marked;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]);
        const char32_t c = pair ? 0x10000 + ((text[i] - 0xD800u) << 10) + (text[i + 1] - 0xDC00u) : text[i];
        const char32_t mark = visibleMark(c);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i; // CR LF, as Windows ends lines, is one line break: one mark
        if (mark == c)
            marked += text.substr(i, pair ? 2 : 1);
        else
            marked += static_cast<char16_t>(mark); // every mark is a single UTF-16 unit
        i += pair;
    }
    return marked;
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

std::u16string visibleText(std::u16string_view text, int width, const TextWidth& textWidth)
{
    // Even the narrowest glyph is a pixel wide, so no more characters than
    // pixels can ever show.
    const std::size_t limit = static_cast<std::size_t>(std::max(width, 1)) + 1;
    const std::u16string_view tail = text.substr(text.size() - std::min(text.size(), limit));
    const std::u16string marked = withVisibleMarks(tail);
    if (tail.size() == text.size() && textWidth(marked) <= width)
        return marked;

    // The longest end of the tail that fits beside the ellipsis; a cut text
    // always shows the ellipsis, even when that end is empty.
    const int room = width - textWidth(std::u16string_view(&ellipsis, 1));
    const std::u16string_view ending = marked;
    std::size_t low = 0, high = ending.size(); // ending.substr(high) always fits
    while (low < high) {
        const std::size_t middle = std::midpoint(low, high);
        if (textWidth(ending.substr(middle)) <= room)
            high = middle;
        else
            low = middle + 1;
    }
    if (high < ending.size() && isLowSurrogate(ending[high]))
        ++high; // never split a character
    return ellipsis + std::u16string(ending.substr(high));
}

DisplayPaint displayPaint(std::u16string_view text, PixelSize size, int dpi, const TextWidth& textWidth)
{
    const int inset = px(readOutInset, dpi);
    const PixelRect textArea{inset, 1, size.width - 2 * inset, size.height - 2};
    return {faceColour, readOutBorderColour, readOutTextColour, textArea,
            u'\u202D' + visibleText(text, textArea.width, textWidth) + u'\u202C'};
}

} // namespace tallix
