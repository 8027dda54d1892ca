// The one-line display on Win32: right-aligned text on the face colour inside
// a one-pixel border. What it draws for its text (marks, the ellipsis, the
// tail that fits) is DisplayText's; it only paints that, left to right. The
// text stays in the program: asked for its window text, the display answers
// from it, so a huge paste never lands in the desktop's shared heap.
#pragma once

#include "Window.h"

#include <string>
#include <string_view>

namespace tallix {

class Display : public Window {
public:
    // font and background are the caller's and outlive the display; dpi is
    // the density the window is laid out at.
    Display(HWND parent, RECT rect, HFONT font, HBRUSH background, int dpi);

    // Called only when the text changed.
    void setText(std::string_view text);

    // On a monitor of another density: the font made for it.
    void setFont(HFONT font, int dpi);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint();

    std::wstring m_text;
    HFONT m_font;
    HBRUSH m_background;
    int m_dpi;
};

} // namespace tallix
