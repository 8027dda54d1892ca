// Under Wine: the real main window, told what Windows tells a window moved to
// a monitor of 144 dpi, places every control anew from the twips at that
// density and takes the size suggested. Prints what differs and ends with 1
// then; shows the window 4 s more.
#include "Layout.h"
#include "win32/Convert.h"
#include "win32/MainWindow.h"

#include <objbase.h>

#include <cstdio>
#include <string>

int main()
{
    using namespace tallix;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int failures = 0;
    {
        MainWindow window("1.5");
        window.show(SW_SHOW);
        constexpr int dpi = 144;
        RECT outer;
        RECT client;
        GetWindowRect(window.hwnd(), &outer);
        GetClientRect(window.hwnd(), &client);
        const PixelSize size = mainClientSize(dpi);
        RECT suggested{outer.left + 10, outer.top + 20, outer.right + 10 + size.width - client.right,
                       outer.bottom + 20 + size.height - client.bottom};
        SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));

        const auto check = [&](const std::string& what, RECT got, RECT wanted) {
            if (!EqualRect(&got, &wanted)) {
                ++failures;
                std::puts(("FAIL: " + what + " is not where the twips put it at 144 dpi").c_str());
            }
        };
        GetWindowRect(window.hwnd(), &outer);
        check("the window", outer, suggested);
        GetClientRect(window.hwnd(), &client);
        check("the client area", client, rect({0, 0, size.width, size.height}));
        // Each control in its container's client area.
        for (std::size_t i = 0; i < mainControls.size(); ++i) {
            RECT place;
            GetWindowRect(window.control(i), &place);
            MapWindowPoints(nullptr, GetParent(window.control(i)), reinterpret_cast<POINT*>(&place), 2);
            check(objectName(mainControls[i]), place, rect(placeOf(mainControls[i], dpi)));
        }
        // Shown a while longer, for a screenshot beside a window opened at 144 dpi.
        const DWORD until = GetTickCount() + 4000;
        MSG message;
        while (GetTickCount() < until) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            Sleep(20);
        }
    }
    CoUninitialize();
    return failures == 0 ? 0 : 1;
}
