// The calculator window on Win32: creates the controls, menu and
// accelerators that Layout places, sends clicks, typed characters and menu
// commands to the calculator and shows the display text it reports. The
// arithmetic and the display rules are the calculator's; this class only
// wires and draws.
#pragma once

#include "Accessibility.h"
#include "Calculator.h"
#include "Display.h"
#include "Frame.h"
#include "KeyTrap.h"
#include "Look.h"
#include "MainForm.h"
#include "Window.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tallix {

class AboutWindow;

class MainWindow : public Window, public MenuCommands, private Effects {
public:
    // regionalOnePointFive: 1.5 written by the user's regional settings.
    explicit MainWindow(std::string_view regionalOnePointFive);
    ~MainWindow() override;

    // The About window the Help menu shows; until it is set the command does nothing.
    void setAboutWindow(AboutWindow* about) { m_about = about; }
    void setIcons(HICON large, HICON small);
    void show(int how);

    // Ctrl+C and Ctrl+V: true when the message was one of them and is done.
    bool translateAccelerator(MSG& message);

    void pctKeyTrap_KeyPress(std::int16_t code);
    void mnuCopy_Click() override;
    void mnuPaste_Click() override;
    void mnuAbout_Click() override;

private:
    // Effects
    void displayChanged(std::string_view text) override;
    void beep() override;
    void showError(std::string_view text, std::string_view title) override;
    void focusKeyTrap() override;
    void setDecimalCaption(std::string_view caption) override;

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void buildControls();
    HWND createControl(std::size_t row, HWND parent);
    HMENU buildMenu();
    // Fonts and every control anew from the twips at the window's new
    // density, and the window at the place Windows suggests.
    void rescale(int dpi, const RECT& suggested);
    void command(int id, int notification);

    int m_dpi;
    GdiObject<HBRUSH> m_windowBrush;
    GdiObject<HBRUSH> m_faceBrush;
    GdiObject<HFONT> m_displayFont;
    GdiObject<HFONT> m_buttonFont;
    HACCEL m_accelerators = nullptr;
    AccessibleNames m_names;

    Calculator m_calculator{*this};
    AboutWindow* m_about = nullptr;
    std::unique_ptr<Display> m_display;
    std::unique_ptr<KeyTrap> m_keyTrap;
    std::vector<std::unique_ptr<Frame>> m_frames;
    std::array<HWND, mainControls.size()> m_controls{}; // by row
    HWND m_decimalButton = nullptr;
};

} // namespace tallix
