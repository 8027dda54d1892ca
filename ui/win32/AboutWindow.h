// The About window on Win32: our own window class with standard controls, run
// modally by its own message loop, built ("loaded") anew at every showing at
// its monitor's density and destroyed when closed, so it is placed afresh.
#pragma once

#include "Look.h"
#include "Window.h"

namespace tallix {

class AboutWindow : public Window {
public:
    // Loads the window beside mainWindow, shows it modally and returns once
    // it is closed, through OK or the close box.
    static void Show(HWND mainWindow);

    // Opens 1050 twips below and 500 twips right of the main window's outer corner.
    void Form_Load();
    void cmdOK_Click();

private:
    explicit AboutWindow(HWND mainWindow);

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void load();
    void paint();
    void runModalLoop();

    HWND m_mainWindow;
    int m_dpi = 96;
    GdiObject<HFONT> m_font;
    GdiObject<HBITMAP> m_picture;
    HWND m_ok = nullptr;
    bool m_closed = false;
};

} // namespace tallix
