#include "Display.h"

#include "Wide.h"

#include <algorithm>

namespace tallix {

namespace {

constexpr wchar_t ellipsis[] = L"\u2026";
constexpr int margin = 3; // the border and two pixels

int textWidth(HDC dc, std::wstring_view text)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

bool isLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

} // namespace

Display::Display(HWND parent, RECT rect, HFONT font, HBRUSH background, COLORREF textColour)
    : m_font(font), m_background(background), m_textColour(textColour)
{
    create(L"TallixReadOut", L"", {0, WS_CHILD | WS_VISIBLE, rect, parent, nullptr}, nullptr);
}

void Display::setText(std::string_view text)
{
    m_text = wide(text);
    SetWindowTextW(hwnd(), m_text.c_str());
    InvalidateRect(hwnd(), nullptr, FALSE);
}

std::wstring Display::visibleText(HDC dc, std::wstring_view text, int width)
{
    // Even the narrowest glyph is a pixel wide, so no more characters than
    // pixels can ever show.
    const std::size_t limit = static_cast<std::size_t>(std::max(width, 1)) + 1;
    std::wstring_view tail = text;
    if (tail.size() > limit) {
        std::size_t start = tail.size() - limit;
        if (isLowSurrogate(tail[start]))
            ++start; // never split a character
        tail.remove_prefix(start);
    }
    if (tail.size() == text.size() && textWidth(dc, tail) <= width)
        return std::wstring(text);

    // The longest end of the tail that fits beside the ellipsis; a cut text
    // always shows the ellipsis, even when that end is empty.
    const int room = width - textWidth(dc, ellipsis);
    std::size_t low = 0, high = tail.size(); // tail.substr(high) always fits
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (textWidth(dc, tail.substr(middle)) <= room)
            high = middle;
        else
            low = middle + 1;
    }
    if (high < tail.size() && isLowSurrogate(tail[high]))
        ++high;
    return ellipsis + std::wstring(tail.substr(high));
}

void Display::paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT area;
    GetClientRect(hwnd(), &area);
    FillRect(dc, &area, m_background);
    FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    InflateRect(&area, -margin, 0);
    const HGDIOBJ oldFont = SelectObject(dc, m_font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_textColour);
    const std::wstring shown = visibleText(dc, m_text, area.right - area.left);
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
    }
    return Window::handle(message, wParam, lParam);
}

} // namespace tallix
