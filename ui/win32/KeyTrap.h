// The out-of-sight child window that holds the keyboard focus and hands
// every typed character, Tab included, to the window behaviour as UTF-16
// units. Keys that type nothing (arrows, F-keys, Delete) produce no WM_CHAR
// and so nothing at all; menu accelerators are translated before they could
// become characters.
#pragma once

#include "Window.h"

namespace tallix {

class WindowBehaviour;

class KeyTrap : public Window {
public:
    KeyTrap(HWND parent, RECT rect, WindowBehaviour& behaviour);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    WindowBehaviour& m_behaviour;
};

} // namespace tallix
