// Keys as every front end tells them apart, and the rules that turn key
// presses into characters for the key trap, menu-mode answers and the About
// window's buttons. The toolkit only names the key and the text it typed.
#pragma once

#include <string_view>

namespace tallix {

// The keys whose meaning does not depend on the text they type.
enum class Key { Backspace, Tab, Return, Escape, Delete, Other };

// What a key press hands the key trap: the text it typed; Backspace, Tab,
// Return and Esc, which some platforms send without their character, as
// their control characters; nothing for Delete, even where X11 types 127.
std::u16string_view typedBy(Key key, std::u16string_view text);

// Where the keyboard is while menus are in use.
enum class MenuState { closed, barHasKeyboard, menuOpen };
enum class KeyInMenus { asUsual, refuse, toCalculator };

// A key that types something while menus hold the keyboard: an open menu
// refuses it (with a beep); the menu bar holding the keyboard after a lone
// Alt, or after Esc closed its menu, leaves menu mode and hands it to the
// calculator: Alt, 3 types 3.
KeyInMenus keyInMenus(MenuState state, bool typesText);

// Return and Esc both press the About window's one button, OK, which also
// closes the window: OK is its default and its cancel button.
bool pressesAboutOk(Key key);

} // namespace tallix
