// A plain container for a keypad: the window's colour inside a thin sunken
// edge. The buttons in it report their clicks and ask to be drawn through it;
// it passes both on to the window it lies in.
#pragma once

#include "Window.h"

namespace tallix {

class Frame : public Window {
public:
    Frame(HWND parent, PixelRect place, HBRUSH background);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace tallix
