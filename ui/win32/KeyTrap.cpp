#include "KeyTrap.h"

#include "WindowBehaviour.h"

#include <algorithm>

namespace tallix {

KeyTrap::KeyTrap(HWND parent, PixelRect place, WindowBehaviour& behaviour) : m_behaviour(behaviour)
{
    create(L"TallixKeyTrap", L"", {0, WS_CHILD | WS_VISIBLE | WS_TABSTOP, place, parent, nullptr}, nullptr);
}

LRESULT KeyTrap::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_CHAR: {
        const auto unit = static_cast<char16_t>(wParam);
        // Key repeats that arrived faster than they were read come as one message.
        const int repeats = std::max(1, static_cast<int>(LOWORD(lParam)));
        for (int i = 0; i < repeats; ++i)
            m_behaviour.keyPressed(Key::Other, {&unit, 1});
        return 0;
    }
    }
    return Window::handle(message, wParam, lParam);
}

} // namespace tallix
