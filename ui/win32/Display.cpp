#include "Display.h"

#include "Convert.h"
#include "DisplayText.h"
#include "Look.h"

namespace tallix {

Display::Display(HWND parent, PixelRect place, HFONT font, int dpi) : m_font(font), m_dpi(dpi)
{
    create(L"TallixDisplay", L"", {0, WS_CHILD | WS_VISIBLE, place, parent, nullptr}, nullptr);
}

void Display::setText(std::wstring text) noexcept
{
    m_text = std::move(text);
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
    const Painting painting(hwnd());
    const HDC dc = painting.dc;
    RECT area;
    GetClientRect(hwnd(), &area);
    const HGDIOBJ oldFont = SelectObject(dc, m_font);
    const DisplayPaint plan = displayPaint(utf16(m_text), {area.right, area.bottom}, m_dpi, [dc](std::u16string_view part) {
        SIZE size{};
        GetTextExtentPoint32W(dc, wide(part).data(), static_cast<int>(part.size()), &size);
        return static_cast<int>(size.cx);
    });
    const GdiObject<HBRUSH> face(CreateSolidBrush(rgb(plan.face)));
    const GdiObject<HBRUSH> border(CreateSolidBrush(rgb(plan.border)));
    FillRect(dc, &area, face.get());
    FrameRect(dc, &area, border.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, rgb(plan.ink));
    RECT textArea = rect(plan.textArea);
    DrawTextW(dc, wide(plan.text).data(), static_cast<int>(plan.text.size()), &textArea,
              DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

LRESULT Display::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(m_text.size());
    case WM_GETTEXT: {
        // As much as fits in the caller's buffer, always ended by a zero.
        if (wParam == 0 || lParam == 0)
            return 0;
        auto* buffer = reinterpret_cast<wchar_t*>(lParam);
        const std::size_t count = m_text.copy(buffer, wParam - 1);
        buffer[count] = L'\0';
        return static_cast<LRESULT>(count);
    }
    }
    return Window::handle(message, wParam, lParam);
}

} // namespace tallix
