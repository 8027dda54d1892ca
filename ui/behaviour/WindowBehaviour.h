// How the main window behaves, for every front end: it owns the calculator
// and turns the window's events (clicks, typed characters, menu commands, a
// press let go elsewhere, the keyboard coming back) into calculator
// handlers, clipboard work and focus moves, each inside the exception guard.
// What that needs of the toolkit goes through Surface.
#pragma once

#include "Calculator.h"
#include "Guarded.h"
#include "MainForm.h"
#include "Surface.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tallix {

class WindowBehaviour : public MenuCommands, private Effects {
public:
    explicit WindowBehaviour(Surface& surface);

    // regionalOnePointFive: 1.5 written by the user's regional settings.
    void Form_Load(std::string_view regionalOnePointFive);

    // A click on the control in that row of mainControls.
    void click(std::size_t row);
    // The menu item in that row of mainMenu.
    void command(std::size_t row);
    // One UTF-16 unit typed on the key trap: a character beyond the BMP is
    // one code, its first half, so "😀" beeps once.
    void typed(char16_t unit);
    // A press on a button was let go: off the button it clicked nothing, so
    // the keyboard still sits on the button unless it is given back here.
    void released(bool buttonHasFocus);
    // The window has the keyboard again: after a box, the About window or
    // another program, typing goes to the calculator.
    void keyboardReturned();

    void mnuCopy_Click() override;
    void mnuPaste_Click() override;
    void mnuAbout_Click() override;

    const Calculator& calculator() const { return m_calculator; }

    // Runs a front end's own handler as the entry points above run theirs.
    template <typename Work>
    void guarded(Work&& work) noexcept
    {
        tallix::guarded(work, [this](std::string_view text, std::string_view title) { m_surface.showError(text, title); });
    }

private:
    void displayChanged(std::string_view text) override;
    void beep() override;
    void showError(std::string_view text, std::string_view title) override;
    void focusKeyTrap() override;
    void setDecimalCaption(std::string_view caption) override;

    Surface& m_surface;
    Calculator m_calculator{*this};
};

} // namespace tallix
