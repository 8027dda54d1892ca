// The out-of-sight child window that holds the keyboard focus and hands on
// every typed character, Tab included, as UTF-16 units. Keys that
// type nothing (arrows, F-keys, Delete) produce no WM_CHAR and so nothing at
// all; menu accelerators are translated before they could become characters.
#pragma once

#include "Window.h"

#include <functional>

namespace tallix {

class KeyTrap : public Window {
public:
    using KeyPress = std::function<void(char16_t unit)>;

    KeyTrap(HWND parent, RECT rect, KeyPress keyPress);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    KeyPress m_keyPress;
};

} // namespace tallix
