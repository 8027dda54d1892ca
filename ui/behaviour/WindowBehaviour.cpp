#include "WindowBehaviour.h"

#include "KeyTable.h"
#include "Layout.h"

namespace tallix {

WindowBehaviour::WindowBehaviour(Surface& surface) : m_surface(surface) {}

void WindowBehaviour::Form_Load(std::string_view regionalOnePointFive)
{
    guarded([&] { m_calculator.Form_Load(regionalOnePointFive); }, boxNow());
}

void WindowBehaviour::click(std::size_t row)
{
    guarded([&] { m_calculator.run(pressOf(mainControls[row])); }, boxNow());
}

void WindowBehaviour::command(std::size_t row)
{
    guarded([&] {
        if (const auto run = mainMenu[row].click)
            (this->*run)();
    }, boxNow());
}

bool WindowBehaviour::keyPressed(Key key, std::u16string_view text)
{
    const std::u16string_view units = typedBy(key, text);
    for (const char16_t unit : units)
        typed(unit);
    return !units.empty();
}

// A lone second half of a character beyond the BMP is dropped: its first
// half already beeped for the whole character.
void WindowBehaviour::typed(char16_t unit)
{
    if (unit >= 0xDC00 && unit <= 0xDFFF)
        return;
    guarded([&] { pctKeyTrap_KeyPress(m_calculator, m_surface, static_cast<std::int16_t>(unit)); }, boxNow());
}

KeyInMenus WindowBehaviour::keyInMenus(MenuState state, bool typesText)
{
    const KeyInMenus answer = tallix::keyInMenus(state, typesText);
    if (answer == KeyInMenus::refuse)
        guarded([&] { m_surface.beep(); }, boxNow());
    return answer;
}

void WindowBehaviour::released(bool buttonHasFocus)
{
    if (buttonHasFocus)
        keyboardReturned();
}

void WindowBehaviour::keyboardReturned()
{
    guarded([&] { m_surface.focusKeyTrap(); }, boxNow());
}

// Copy takes the display text whole, as pasted: the display itself may
// show marks and only the end of a long text.
void WindowBehaviour::mnuCopy_Click()
{
    if (!m_surface.setClipboardText(m_calculator.display()))
        m_surface.beep();
}

// A clipboard that cannot be read leaves the display and the state as they were.
void WindowBehaviour::mnuPaste_Click()
{
    if (const auto text = m_surface.clipboardText())
        m_calculator.paste(*text);
    else
        m_surface.beep();
}

void WindowBehaviour::mnuAbout_Click()
{
    m_surface.showAbout();
    m_surface.focusKeyTrap();
}

} // namespace tallix
