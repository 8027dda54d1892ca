// Moved to a monitor of 144 dpi, the window takes the size Windows suggests
// and places every control and its font anew from the twips.
#include "Layout.h"
#include "win32/Convert.h"
#include "win32/MainWindow.h"

#include <gtest/gtest.h>
#include <objbase.h>

namespace tallix {
namespace {

PixelRect inClient(HWND control, HWND window)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

TEST(Rescale, MovedTo144DpiTheWindowIsLaidOutThere)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    MainWindow window("1.5");
    window.show(SW_SHOW);
    RECT suggested, client;
    GetWindowRect(window.hwnd(), &suggested);
    GetClientRect(window.hwnd(), &client);
    const PixelSize size = mainClientSize(144);
    suggested.right += size.width - client.right, suggested.bottom += size.height - client.bottom;
    SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    GetClientRect(window.hwnd(), &client);
    EXPECT_EQ(client.right, size.width);
    EXPECT_EQ(client.bottom, size.height);
    const HWND display = FindWindowExW(window.hwnd(), nullptr, L"TallixDisplay", nullptr);
    EXPECT_EQ(inClient(display, window.hwnd()), placeInClient(mainControls[0], 144)) << "the display";
    int buttons = 0;
    for (HWND frame = nullptr; (frame = FindWindowExW(window.hwnd(), frame, L"TallixFrame", nullptr));) {
        for (HWND button = nullptr; (button = FindWindowExW(frame, button, L"Button", nullptr)); ++buttons) {
            wchar_t caption[8] = {};
            GetWindowTextW(button, caption, 8);
            const auto row = std::ranges::find_if(mainControls, [&](const ControlRow& r) {
                return r.kind == ControlKind::Button && r.caption == utf8(caption);
            });
            ASSERT_NE(row, mainControls.end()) << utf8(caption);
            EXPECT_EQ(inClient(button, window.hwnd()), placeInClient(*row, 144)) << row->caption;
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_EQ(font.lfHeight, -24) << row->caption << ": 12 points at 144 dpi";
        }
    }
    EXPECT_EQ(buttons, 20);
}

} // namespace
} // namespace tallix
