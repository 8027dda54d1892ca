#include "Display.h"

#include "DisplayMarks.h"
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
bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

std::wstring withVisibleMarks(std::wstring_view text)
{
    std::wstring marked;
    marked.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]);
        const char32_t c = pair ? 0x10000 + ((text[i] - 0xD800u) << 10) + (text[i + 1] - 0xDC00u) : text[i];
        const char32_t mark = visibleMark(c);
        if (mark == c)
            marked += text.substr(i, pair ? 2 : 1);
        else
            marked += static_cast<wchar_t>(mark); // every mark is a single UTF-16 unit
        i += pair;
    }
    return marked;
}

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
    const std::wstring marked = withVisibleMarks(tail);
    if (tail.size() == text.size() && textWidth(dc, marked) <= width)
        return marked;

    // The longest end of the tail that fits beside the ellipsis; a cut text
    // always shows the ellipsis, even when that end is empty.
    const int room = width - textWidth(dc, ellipsis);
    const std::wstring_view ending = marked;
    std::size_t low = 0, high = ending.size(); // ending.substr(high) always fits
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (textWidth(dc, ending.substr(middle)) <= room)
            high = middle;
        else
            low = middle + 1;
    }
    if (high < ending.size() && isLowSurrogate(ending[high]))
        ++high;
    return ellipsis + std::wstring(ending.substr(high));
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
    // Forced left to right, characters stand in the order of the text: a
    // Hebrew letter between two digits does not swap them.
    const std::wstring shown = L"\u202D" + visibleText(dc, m_text, area.right - area.left) + L"\u202C";
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
