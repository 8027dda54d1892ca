// The About window on Win32. The object lives as long as the main window it
// is given; its on-screen window is built ("loaded") at every showing and
// destroyed when closed, so it is placed anew beside the main window each
// time. Nothing of it is built before the first showing.
#pragma once

#include "Look.h"
#include "Window.h"

namespace tallix {

class AboutWindow : public Window {
public:
    explicit AboutWindow(HWND mainWindow);

    // Loads the window, places it beside the main window and shows it
    // modally; returns once it is closed: IDOK through OK, IDCANCEL through
    // the close box.
    int Show();

    // Opens 1050 twips below and 500 twips right of the main window's outer corner.
    void Form_Load();
    void cmdOK_Click();

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void load();
    void paint();
    void runModalLoop();

    HWND m_mainWindow;
    int m_dpi = 96;
    GdiObject<HFONT> m_font;
    GdiObject<HBITMAP> m_picture;
    HWND m_ok = nullptr;
    int m_result = 0; // 0 while the window is open
};

} // namespace tallix
