// The out-of-sight child window that holds the keyboard focus and hands every
// typed character (WM_CHAR), Tab included, to the window behaviour as UTF-16
// units. Keys that type nothing, and accelerators, never come here.
#pragma once

#include "Window.h"

namespace tallix {

class WindowBehaviour;

class KeyTrap : public Window {
public:
    KeyTrap(HWND parent, PixelRect place, WindowBehaviour& behaviour);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    WindowBehaviour& m_behaviour;
};

} // namespace tallix
