// Spoken names for screen readers, given to any window through the system's
// dynamic annotation service (IAccPropServices). Where that service is
// missing, windows keep the names Windows derives from their text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

struct IAccPropServices;

namespace tallix {

class AccessibleNames {
public:
    AccessibleNames(); // needs COM on this thread
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    void setName(HWND window, std::string_view name);
    // The value of a window that shows a changing text, such as the display.
    void setValue(HWND window, const std::wstring& value);

private:
    IAccPropServices* m_service = nullptr;
};

} // namespace tallix
