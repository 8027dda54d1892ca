// Under Wine: the real main window, told what Windows tells a window moved to
// a monitor of 144 dpi (its new density, and a rectangle with the client area
// the twips give there), shown for end_to_end.sh to compare until it ends us.
#include "Layout.h"
#include "win32/MainWindow.h"

#include <objbase.h>

int main()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        tallix::MainWindow window("1.5");
        window.show(SW_SHOW);
        RECT outer;
        RECT client;
        GetWindowRect(window.hwnd(), &outer);
        GetClientRect(window.hwnd(), &client);
        const tallix::PixelSize size = tallix::mainClientSize(144);
        RECT suggested{outer.left, outer.top, outer.right + size.width - client.right,
                       outer.bottom + size.height - client.bottom};
        SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
    }
    CoUninitialize();
}
