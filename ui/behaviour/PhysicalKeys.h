// Ctrl shortcuts and menu access keys by the physical key, for keyboard
// layouts in which the toolkit finds no match: the key that carries C copies
// under a Russian layout, and Alt with the key that carries П opens "Правка"
// under a Latin one. The letters on the keys come from the system's keyboard
// data (xkbcommon); keys are X keycodes (evdev codes + 8), as Qt reports
// them as native scan codes on Linux. The toolkit matches first; these rules
// see only the keys it let through, and the menus themselves stay its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tallix {

struct MenuRow;

enum class KeyboardLayout { Latin, Russian };

// Upper case: 'C' for the key of C and С; 0 for a key without a letter.
char16_t letterOnKey(std::uint32_t keycode, KeyboardLayout layout);

// The letter after "&" in a menu caption, in upper case: "Вст&авить" has А.
char16_t accessKey(const MenuRow& row);

// Ctrl with the key `keycode`, which typed the key `typed` (upper case) in
// the active layout: the row of mainMenu whose shortcut letter the key
// carries on a Latin layout, unless the active layout already gave it.
std::optional<std::size_t> shortcutOnKey(std::uint32_t keycode, char16_t typed);

// A key pressed for a menu (with Alt, or alone in an open menu or the menu
// bar holding the keyboard): the Russian letter it carries when the active
// layout typed another and `menu` (a row of mainMenu, or inMenuBar) has an
// item with that access key; else 0.
char16_t accessKeyOnKey(std::uint32_t keycode, char16_t typed, std::size_t menu);

} // namespace tallix
