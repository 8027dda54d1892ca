// The engine and the window descriptions keep texts as UTF-8; the Win32 API
// wants UTF-16. These two conversions, used only at that boundary, are all
// that lives here.
#pragma once

#include <string>
#include <string_view>

namespace tallix {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);

} // namespace tallix
