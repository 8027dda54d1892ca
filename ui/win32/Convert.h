// The engine and the window descriptions keep texts as UTF-8, colours as RGB
// triples or system colours and places as pixel rectangles; the Win32 API
// wants UTF-16, COLORREFs and RECTs. Only those conversions live here.
#pragma once

#include "Colour.h"
#include "Layout.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace tallix {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);

// wchar_t is a UTF-16 unit on Windows.
inline std::u16string_view utf16(std::wstring_view text)
{
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}
inline std::wstring_view wide(std::u16string_view text)
{
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

inline COLORREF rgb(Colour colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}
// A system colour is the system's: the window text, or the dark edge of a button.
COLORREF rgb(FormColour colour);

inline RECT rect(PixelRect r)
{
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

} // namespace tallix
