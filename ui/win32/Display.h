// The one-line display on Win32. What it paints (face, border, text area,
// the visible text with its marks and cut) is displayPaint's; it only draws
// that. The text stays in the program: asked for its window text, the display answers
// from it, so a huge paste never lands in the desktop's shared heap.
#pragma once

#include "Window.h"

#include <string>
#include <string_view>

namespace tallix {

class Display : public Window {
public:
    // font is the caller's and outlives the display; dpi is
    // the density the window is laid out at.
    Display(HWND parent, RECT rect, HFONT font, int dpi);

    // Called only when the text changed.
    void setText(std::wstring text) noexcept;

    // On a monitor of another density: the font made for it.
    void setFont(HFONT font, int dpi);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint();

    std::wstring m_text;
    HFONT m_font;
    int m_dpi;
};

} // namespace tallix
