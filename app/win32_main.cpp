// Starts Tallix on Win32: the main window, which opens the About window
// itself, then the message loop; returns when the main window is closed. Reads and saves
// nothing.
#include "win32/MainWindow.h"
#include "win32/Platform.h"
#include "resource_ids.h"

#include <objbase.h>
#include <windows.h>

namespace {

// The screen readers' names need COM.
struct ComApartment {
    ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComApartment() { CoUninitialize(); }
};

HICON applicationIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(TALLIX_ICON_GROUP), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    ComApartment com;
    tallix::MainWindow frmTallix(tallix::regionalOnePointFive());
    frmTallix.setIcons(applicationIcon(instance, SM_CXICON, SM_CYICON),
                       applicationIcon(instance, SM_CXSMICON, SM_CYSMICON));
    frmTallix.show(show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!frmTallix.translateAccelerator(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
