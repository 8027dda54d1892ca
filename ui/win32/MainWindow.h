// The calculator window on Win32: creates the controls, menu and accelerators
// that Layout places, follows the monitor's density, and hands every event to
// the window behaviour, which decides and answers through Surface.
#pragma once

#include "Accessibility.h"
#include "Display.h"
#include "Frame.h"
#include "KeyTrap.h"
#include "Look.h"
#include "MainForm.h"
#include "Window.h"
#include "WindowBehaviour.h"

#include <array>
#include <memory>
#include <string_view>
#include <vector>

namespace tallix {

class MainWindow : public Window {
public:
    // regionalOnePointFive: 1.5 written by the user's regional settings.
    explicit MainWindow(std::string_view regionalOnePointFive);
    ~MainWindow() override;

    void setIcons(HICON large, HICON small);
    void show(int how);

    // Ctrl+C and Ctrl+V: true when the message was one of them and is done.
    bool translateAccelerator(MSG& message);

private:
    class WidgetSurface; // the Surface the behaviour speaks to, done with this window's controls

    static LRESULT CALLBACK keypadButton(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR window);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void buildControls();
    HWND createControl(std::size_t row, HWND parent, PixelRect place);
    HMENU buildMenu();
    // Fonts and every control anew from the twips at the window's new
    // density, and the window at the place Windows suggests.
    void rescale(int dpi, const RECT& suggested);
    void command(int id, int notification);

    std::unique_ptr<WidgetSurface> m_surface;
    WindowBehaviour m_behaviour;
    int m_dpi;
    GdiObject<HBRUSH> m_windowBrush;
    GdiObject<HBRUSH> m_faceBrush;
    GdiObject<HFONT> m_displayFont;
    GdiObject<HFONT> m_buttonFont;
    HACCEL m_accelerators = nullptr;
    AccessibleNames m_names;

    std::unique_ptr<Display> m_display;
    std::unique_ptr<KeyTrap> m_keyTrap;
    std::vector<std::unique_ptr<Frame>> m_frames;
    std::array<HWND, mainControls.size()> m_controls{}; // by row
};

} // namespace tallix
