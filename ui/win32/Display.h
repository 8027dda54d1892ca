// The one-line display on Win32: it only draws what displayPaint plans. Its
// text stays in the program, which answers for it when its window text is
// asked, so a huge paste never lands in the desktop's shared heap.
#pragma once

#include "Window.h"

#include <string>

namespace tallix {

class Display : public Window {
public:
    // font is the caller's and outlives the display; dpi is the density of the layout.
    Display(HWND parent, PixelRect place, HFONT font, int dpi);

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
