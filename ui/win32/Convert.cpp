#include "Convert.h"

#include <climits>

namespace tallix {

// Invalid sequences become U+FFFD either way, as the engine's own repair does.
std::wstring wide(std::string_view utf8)
{
    if (utf8.empty() || utf8.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring result(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, result.data(), static_cast<int>(result.size()));
    return result;
}

std::string utf8(std::wstring_view wide)
{
    if (wide.empty() || wide.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(wide.size());
    std::string result(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, result.data(), static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

COLORREF rgb(FormColour colour)
{
    if (const auto* own = std::get_if<Colour>(&colour))
        return rgb(*own);
    return GetSysColor(std::get<SystemColour>(colour) == SystemColour::Text ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
}

} // namespace tallix
