// The stand-ins the display draws for characters that would break its line,
// draw nothing or reorder the digits around them. Both front ends draw the
// marks; the display text itself, and so Copy, keeps every character.
#pragma once

namespace tallix {

// Line breaks "↵", a paragraph separator "¶", a tab "⇥", every other control
// or format character (direction marks and overrides, zero-width characters)
// "�"; any other character stands for itself. Marks that common fonts have.
char32_t visibleMark(char32_t c);

} // namespace tallix
