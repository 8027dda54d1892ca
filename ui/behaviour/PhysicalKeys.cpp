#include "PhysicalKeys.h"

#include "Layout.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <memory>

namespace tallix {

namespace {

using Context = std::unique_ptr<xkb_context, decltype(&xkb_context_unref)>;
using Keymap = std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)>;

// Compiled from the system's keyboard data on first use, once per process.
struct Keymaps {
    Context context{xkb_context_new(XKB_CONTEXT_NO_FLAGS), &xkb_context_unref};
    Keymap latin = compile("us");
    Keymap russian = compile("ru");

    Keymap compile(const char* layout) const
    {
        if (!context)
            return {nullptr, &xkb_keymap_unref};
        const xkb_rule_names names{nullptr, nullptr, layout, nullptr, nullptr};
        return {xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS), &xkb_keymap_unref};
    }
};

bool isLetter(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 0x0400 && c <= 0x042F); // capitals, Latin or Cyrillic
}

} // namespace

// Every caption marks a Russian letter: two bytes of UTF-8.
char16_t accessKey(const MenuRow& row)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(row.caption[row.caption.find('&') + i]); };
    const auto letter = static_cast<char16_t>((byte(1) & 0x1F) << 6 | (byte(2) & 0x3F));
    return letter >= u'а' && letter <= u'я' ? static_cast<char16_t>(letter - 0x20) : letter;
}

char16_t letterOnKey(std::uint32_t keycode, KeyboardLayout layout)
{
    static const Keymaps keymaps;
    xkb_keymap* keymap = layout == KeyboardLayout::Latin ? keymaps.latin.get() : keymaps.russian.get();
    if (!keymap)
        return 0;
    // The shifted level of a letter key carries the capital.
    const xkb_keysym_t* symbols = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, keycode, 0, 1, &symbols) != 1)
        return 0;
    const char32_t code = xkb_keysym_to_utf32(symbols[0]);
    return isLetter(code) ? static_cast<char16_t>(code) : 0;
}

std::optional<std::size_t> shortcutOnKey(std::uint32_t keycode, char16_t typed)
{
    const char16_t latin = letterOnKey(keycode, KeyboardLayout::Latin);
    if (latin == 0 || latin == typed)
        return std::nullopt;
    const auto row = std::ranges::find(mainMenu, static_cast<char>(latin), &MenuRow::ctrlKey);
    return row == mainMenu.end() ? std::nullopt : std::optional(static_cast<std::size_t>(row - mainMenu.begin()));
}

char16_t accessKeyOnKey(std::uint32_t keycode, char16_t typed, std::size_t menu)
{
    const char16_t russian = letterOnKey(keycode, KeyboardLayout::Russian);
    if (russian == 0 || russian == typed)
        return 0;
    const bool found = std::ranges::any_of(mainMenu, [&](const MenuRow& row) {
        return parentMenuRow(row) == menu && accessKey(row) == russian;
    });
    return found ? russian : 0;
}

} // namespace tallix
