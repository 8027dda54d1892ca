// The guard sweep in the Win32 window under Wine: a paint, a key, a screen
// reader's WM_GETTEXT, which needs no allocation and so always answers, and
// a click on a keypad button, through the window procedures.
#include "GuardSweep.h"
#include "win32/Convert.h"
#include "win32/MainWindow.h"

#include <objbase.h>

namespace tallix {
namespace {

int* boxes = nullptr;

// Closes every message box as it opens.
LRESULT CALLBACK closeBoxes(int code, WPARAM window, LPARAM info)
{
    wchar_t name[16] = {};
    if (code == HCBT_ACTIVATE && GetClassNameW(reinterpret_cast<HWND>(window), name, 16) && name == std::wstring(L"#32770")) {
        ++*boxes;
        PostMessageW(reinterpret_cast<HWND>(window), WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, window, info);
}

TEST(Guards, EveryAllocationOfAWindowProcedureMayFail)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    MainWindow window("1.5");
    window.show(SW_SHOW);
    const HWND display = FindWindowExW(window.hwnd(), nullptr, L"TallixDisplay", nullptr);
    const HWND keyTrap = FindWindowExW(window.hwnd(), nullptr, L"TallixKeyTrap", nullptr);
    const HWND five = FindWindowExW(FindWindowExW(window.hwnd(), nullptr, L"TallixFrame", nullptr), nullptr, L"Button", L"5");
    wchar_t heard[64] = L"-", shown[64] = L"-";
    GuardedWindow guarded;
    guarded.type = [&](const std::string& keys) {
        for (const char key : keys)
            SendMessageW(keyTrap, WM_CHAR, static_cast<WPARAM>(key), 1);
    };
    guarded.display = [&] {
        SendMessageW(display, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(shown));
        return utf8(shown);
    };
    guarded.settle = [] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    };
    guarded.up = [&] { return IsWindowVisible(window.hwnd()) != 0; };
    boxes = &guarded.boxes;
    const HHOOK hook = SetWindowsHookExW(WH_CBT, closeBoxes, nullptr, GetCurrentThreadId());
    // Longer than a string keeps without allocating.
    sweep(guarded, "345678901", "345678913",
          {{"paint", [&] { RedrawWindow(display, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }, "", ""},
           {"key", [&] { SendMessageW(keyTrap, WM_CHAR, L'5', 1); }, "3456789015", "3456789027"},
           {"screen reader", [&] { SendMessageW(display, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(heard)); }, "", "", 0},
           {"button", [&] { SendMessageW(five, BM_CLICK, 0, 0); }, "3456789015", "3456789027"}});
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(std::wstring(heard), L"345678901") << "the screen reader heard the display with no memory to spare";
}

} // namespace
} // namespace tallix
