#include "Keys.h"

namespace tallix {

std::u16string_view typedBy(Key key, std::u16string_view text)
{
    if (key == Key::Delete)
        return {};
    if (!text.empty())
        return text;
    switch (key) {
    case Key::Backspace: return u"\b";
    case Key::Tab: return u"\t";
    case Key::Return: return u"\r";
    case Key::Escape: return u"\x1b";
    default: return {};
    }
}

KeyInMenus keyInMenus(MenuState state, bool typesText)
{
    if (!typesText || state == MenuState::closed)
        return KeyInMenus::asUsual;
    return state == MenuState::menuOpen ? KeyInMenus::refuse : KeyInMenus::toCalculator;
}

bool pressesAboutOk(Key key)
{
    return key == Key::Return || key == Key::Escape;
}

} // namespace tallix
