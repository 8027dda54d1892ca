// How the main window behaves, for every front end: it owns the calculator
// and turns the window's events (clicks, key presses, menu commands, a press
// let go elsewhere, the keyboard coming back) into calculator handlers,
// clipboard work and focus moves, each inside the exception guard. The
// calculator and this speak to the window through Surface alone.
#pragma once

#include "Calculator.h"
#include "Guarded.h"
#include "Keys.h"
#include "MainForm.h"
#include "Surface.h"

#include <cstddef>
#include <string_view>

namespace tallix {

class WindowBehaviour : private MenuCommands {
public:
    explicit WindowBehaviour(Surface& surface);

    // regionalOnePointFive: 1.5 written by the user's regional settings.
    void Form_Load(std::string_view regionalOnePointFive);

    // A click on the control in that row of mainControls.
    void click(std::size_t row);
    // The menu item in that row of mainMenu.
    void command(std::size_t row);
    // A key pressed on the key trap, with the text it typed (UTF-16, a
    // character beyond the BMP in two units: "😀" beeps once). False when it
    // typed nothing, and the toolkit may pass it on.
    bool keyPressed(Key key, std::u16string_view text);
    // A key that types something while menus hold the keyboard; an open
    // menu's refusal beeps here, the rest is the front end's to do.
    KeyInMenus keyInMenus(MenuState state, bool typesText);
    // A press on a button was let go: off the button it clicked nothing, so
    // the keyboard still sits on the button unless it is given back here.
    void released(bool buttonHasFocus);
    // The window has the keyboard again: after a box, the About window or
    // another program, typing goes to the calculator.
    void keyboardReturned();

    const Calculator& calculator() const { return m_calculator; }

private:
    void mnuCopy_Click() override;
    void mnuPaste_Click() override;
    void mnuAbout_Click() override;
    void typed(char16_t unit);

    // An error raised by the window's own events is told at once.
    auto boxNow()
    {
        return [this](std::string_view message) { m_surface.showError(message, errorTitle); };
    }

    Surface& m_surface;
    Calculator m_calculator{m_surface};
};

} // namespace tallix
