// What the display draws for its text, for every front end: stand-ins for
// characters that would break its line, draw nothing or reorder the digits
// around them, and, for a text too wide, its end after an ellipsis. The
// display text itself, and so Copy, keeps every character.
#pragma once

#include "Colour.h"
#include "Layout.h"

#include <functional>
#include <string>
#include <string_view>

namespace tallix {

// Line breaks "↵", a paragraph separator "¶", a tab "⇥", every other control
// or format character (direction marks and overrides, zero-width characters)
// "�"; any other character stands for itself. Marks that common fonts have.
char32_t visibleMark(char32_t c);

// The width in pixels that a text takes in the display's font.
using TextWidth = std::function<int(std::u16string_view)>;

// The text with its marks when it fits (CR LF, a Windows line end, is one
// line break: "1\r\n2" shows "1↵2") in `width` pixels; otherwise "…" and
// the longest end that fits beside it, where typing happens. Only a tail that
// can fit is measured, so a 1 MiB text costs no more than a short one, and a
// character is never split.
std::u16string visibleText(std::u16string_view text, int width, const TextWidth& textWidth);

// How the display paints itself at a size and density: its face, a
// one-pixel border, and the visible text right-aligned on one line in the
// text area, forced left to right so that a Hebrew letter between two digits
// does not swap them.
struct DisplayPaint {
    Colour face, border, ink;
    PixelRect textArea; // inside the border and the inset, in the display's own pixels
    std::u16string text;
};

DisplayPaint displayPaint(std::u16string_view text, PixelSize size, int dpi, const TextWidth& textWidth);

} // namespace tallix
