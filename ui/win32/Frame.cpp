#include "Frame.h"

namespace tallix {

Frame::Frame(HWND parent, RECT rect, HBRUSH background)
{
    create(L"TallixFrame", L"", {WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent, nullptr},
           background);
}

LRESULT Frame::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
        return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd(), &ps);
        RECT edge;
        GetClientRect(hwnd(), &edge);
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
        EndPaint(hwnd(), &ps);
        return 0;
    }
    }
    return Window::handle(message, wParam, lParam);
}

} // namespace tallix
