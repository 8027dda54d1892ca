// The one-line display: right-aligned text on the face colour inside a
// one-pixel black border. A text too wide for it shows its end, where typing
// happens, after an ellipsis, on one line; only a tail that can fit is ever
// measured, so a 1 MiB paste costs no more to draw. Line breaks, controls
// and direction marks are drawn as visible marks, left to right. Its window
// text is the display text, whole, for screen readers.
#pragma once

#include "Window.h"

#include <string>
#include <string_view>

namespace tallix {

class Display : public Window {
public:
    // font and background are the caller's and outlive the display.
    Display(HWND parent, RECT rect, HFONT font, HBRUSH background, COLORREF textColour);

    // Called only when the text changed.
    void setText(std::string_view text);

    // The part of text drawn in width pixels with the font selected in dc.
    static std::wstring visibleText(HDC dc, std::wstring_view text, int width);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint();

    std::wstring m_text;
    HFONT m_font;
    HBRUSH m_background;
    COLORREF m_textColour;
};

} // namespace tallix
