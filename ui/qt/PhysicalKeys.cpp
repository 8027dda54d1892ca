#include "PhysicalKeys.h"

#include <xkbcommon/xkbcommon.h>

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

} // namespace

QChar letterOnKey(std::uint32_t keycode, KeyboardLayout layout)
{
    static const Keymaps keymaps;
    xkb_keymap* keymap = layout == KeyboardLayout::Latin ? keymaps.latin.get() : keymaps.russian.get();
    if (!keymap || keycode == 0)
        return {};
    const xkb_keysym_t* symbols = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, keycode, 0, 0, &symbols) != 1)
        return {};
    const char32_t code = xkb_keysym_to_utf32(symbols[0]);
    if (code > 0xffff || !QChar::isLetter(code))
        return {};
    return QChar(static_cast<char16_t>(code)).toUpper();
}

} // namespace tallix
