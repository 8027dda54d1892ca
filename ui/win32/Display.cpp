#include "Display.h"

#include "Convert.h"
#include "DisplayText.h"
#include "MainForm.h"

#include <algorithm>
#include <cstring>

namespace tallix {

Display::Display(HWND parent, RECT rect, HFONT font, HBRUSH background, int dpi)
    : m_font(font), m_background(background), m_dpi(dpi)
{
    create(L"TallixDisplay", L"", {0, WS_CHILD | WS_VISIBLE, rect, parent, nullptr}, nullptr);
}

void Display::setText(std::string_view text)
{
    m_text = wide(text);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void Display::setFont(HFONT font, int dpi)
{
    m_font = font;
    m_dpi = dpi;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void Display::paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT area;
    GetClientRect(hwnd(), &area);
    FillRect(dc, &area, m_background);
    const HBRUSH border = CreateSolidBrush(rgb(readOutBorderColour));
    FrameRect(dc, &area, border);
    DeleteObject(border);

    const int inset = px(readOutInset, m_dpi);
    InflateRect(&area, -inset, 0);
    const HGDIOBJ oldFont = SelectObject(dc, m_font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, rgb(readOutTextColour));
    const auto textWidth = [dc](std::u16string_view part) {
        SIZE size{};
        GetTextExtentPoint32W(dc, wide(part).data(), static_cast<int>(part.size()), &size);
        return static_cast<int>(size.cx);
    };
    // Forced left to right, characters stand in the order of the text: a
    // Hebrew letter between two digits does not swap them.
    const std::wstring shown =
        L"\u202D" + std::wstring(wide(visibleText(utf16(m_text), area.right - area.left, textWidth))) + L"\u202C";
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &area,
              DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(hwnd(), &ps);
}

LRESULT Display::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1; // paint() covers every pixel
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(m_text.size());
    case WM_GETTEXT: {
        // As much as fits in the caller's buffer, always ended by a zero.
        if (wParam == 0 || lParam == 0)
            return 0;
        const std::size_t count = std::min<std::size_t>(m_text.size(), wParam - 1);
        auto* buffer = reinterpret_cast<wchar_t*>(lParam);
        std::memcpy(buffer, m_text.data(), count * sizeof(wchar_t));
        buffer[count] = L'\0';
        return static_cast<LRESULT>(count);
    }
    }
    return Window::handle(message, wParam, lParam);
}

} // namespace tallix
