#include "WindowBehaviour.h"

#include "KeyTable.h"
#include "Layout.h"

namespace tallix {

WindowBehaviour::WindowBehaviour(Surface& surface) : m_surface(surface) {}

void WindowBehaviour::Form_Load(std::string_view regionalOnePointFive)
{
    guarded([&] { m_calculator.Form_Load(regionalOnePointFive); });
}

void WindowBehaviour::click(std::size_t row)
{
    guarded([&] { m_calculator.run(pressOf(mainControls[row])); });
}

void WindowBehaviour::command(std::size_t row)
{
    guarded([&] {
        if (const auto run = mainMenu[row].click)
            (this->*run)();
    });
}

void WindowBehaviour::typed(char16_t unit)
{
    if (unit >= 0xDC00 && unit <= 0xDFFF)
        return;
    guarded([&] { pctKeyTrap_KeyPress(m_calculator, *this, static_cast<std::int16_t>(unit)); });
}

void WindowBehaviour::released(bool buttonHasFocus)
{
    if (buttonHasFocus)
        guarded([&] { m_surface.focusKeyTrap(); });
}

void WindowBehaviour::keyboardReturned()
{
    guarded([&] { m_surface.focusKeyTrap(); });
}

// Copy takes the display text whole, as pasted: the display itself may
// show marks and only the end of a long text.
void WindowBehaviour::mnuCopy_Click()
{
    m_surface.setClipboardText(m_calculator.display());
}

void WindowBehaviour::mnuPaste_Click()
{
    m_calculator.paste(m_surface.clipboardText());
}

void WindowBehaviour::mnuAbout_Click()
{
    m_surface.showAbout();
    m_surface.focusKeyTrap();
}

void WindowBehaviour::displayChanged(std::string_view text)
{
    m_surface.showDisplayText(text);
}

void WindowBehaviour::beep()
{
    m_surface.beep();
}

// The handler that raised the box gives the keyboard back itself.
void WindowBehaviour::showError(std::string_view text, std::string_view title)
{
    m_surface.showError(text, title);
}

void WindowBehaviour::focusKeyTrap()
{
    m_surface.focusKeyTrap();
}

void WindowBehaviour::setDecimalCaption(std::string_view caption)
{
    m_surface.setCaption(decimalRow, caption);
}

} // namespace tallix
