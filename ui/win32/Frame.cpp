#include "Frame.h"

namespace tallix {

Frame::Frame(HWND parent, PixelRect place, HBRUSH background)
{
    create(L"TallixFrame", L"", {WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, place, parent, nullptr},
           background);
}

LRESULT Frame::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
        return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
    case WM_PAINT: {
        const Painting painting(hwnd());
        RECT edge;
        GetClientRect(hwnd(), &edge);
        DrawEdge(painting.dc, &edge, BDR_SUNKENOUTER, BF_RECT);
        return 0;
    }
    }
    return Window::handle(message, wParam, lParam);
}

} // namespace tallix
