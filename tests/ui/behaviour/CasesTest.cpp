// The cases of the real windows (cases.tsv) against a fake window: keys go
// where a person's keys would go (the key trap, a button that kept the
// keyboard, an open menu, the About window), with the letters on the keys
// of the case's keyboard layout, and the fake keeps the display, the
// clipboard, the bells and the boxes still open.
#include "Layout.h"
#include "PhysicalKeys.h"
#include "WindowBehaviour.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <fstream>
#include <ostream>
#include <memory>
#include <optional>
#include <sstream>

namespace tallix {
namespace {

std::string utf8(char32_t c)
{
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80)
        return {byte(c)};
    if (c < 0x800)
        return {byte(0xC0 | c >> 6), byte(0x80 | (c & 0x3F))};
    if (c < 0x10000)
        return {byte(0xE0 | c >> 12), byte(0x80 | (c >> 6 & 0x3F)), byte(0x80 | (c & 0x3F))};
    return {byte(0xF0 | c >> 18), byte(0x80 | (c >> 12 & 0x3F)), byte(0x80 | (c >> 6 & 0x3F)), byte(0x80 | (c & 0x3F))};
}

// printf %b's escapes: \r \n \t \\, \xHH a byte, \uHHHH and \UHHHHHHHH a character.
std::string unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char after = i + 1 < text.size() && text[i] == '\\' ? text[++i] : 0;
        const std::size_t digits = after == 'x' ? 2 : after == 'u' ? 4 : after == 'U' ? 8 : 0;
        if (digits) {
            const auto code = static_cast<char32_t>(std::stoul(text.substr(i + 1, digits), nullptr, 16));
            out += after == 'x' ? std::string(1, static_cast<char>(code)) : utf8(code);
            i += digits;
        } else {
            out += after == 'r' ? '\r' : after == 'n' ? '\n' : after == 't' ? '\t' : text[i];
        }
    }
    return out;
}

struct KeyPress {
    std::uint32_t keycode = 0;
    xkb_keysym_t symbol = XKB_KEY_NoSymbol;
    bool ctrl = false, alt = false;
};

// The X keyboard layout of a case: xdotool's key names to keys.
class Keyboard {
public:
    explicit Keyboard(const std::string& layout)
    {
        const xkb_rule_names names{nullptr, nullptr, layout.c_str(), nullptr, nullptr};
        m_keymap.reset(xkb_keymap_new_from_names(m_context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    }

    // "ctrl+Cyrillic_es", "KP_Enter", "alt"; or one character typed.
    KeyPress press(const std::string& keys) const
    {
        KeyPress press;
        std::string name = keys;
        for (std::size_t plus; (plus = name.find('+')) != std::string::npos && plus + 1 < name.size(); name.erase(0, plus + 1))
            (name.compare(0, plus, "ctrl") == 0 ? press.ctrl : press.alt) = true;
        press.alt |= name == "alt";
        press.symbol = xkb_keysym_from_name(name.c_str(), XKB_KEYSYM_NO_FLAGS);
        for (auto code = xkb_keymap_min_keycode(m_keymap.get()); code <= xkb_keymap_max_keycode(m_keymap.get()); ++code) {
            const xkb_keysym_t* symbols = nullptr;
            if (xkb_keymap_key_get_syms_by_level(m_keymap.get(), code, 0, 0, &symbols) == 1 && symbols[0] == press.symbol)
                return press.keycode = code, press;
        }
        return press;
    }
    KeyPress typing(char32_t character) const
    {
        const xkb_keysym_t symbol = xkb_utf32_to_keysym(character);
        char name[64] = {};
        xkb_keysym_get_name(symbol, name, sizeof name);
        KeyPress key = press(name);
        key.symbol = symbol; // typed with Shift or on no key at all: still that character
        return key;
    }

private:
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> m_context{xkb_context_new(XKB_CONTEXT_NO_FLAGS), &xkb_context_unref};
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> m_keymap{nullptr, &xkb_keymap_unref};
};

Key keyOf(xkb_keysym_t symbol)
{
    switch (symbol) {
    case XKB_KEY_BackSpace: return Key::Backspace;
    case XKB_KEY_Tab: return Key::Tab;
    case XKB_KEY_Return:
    case XKB_KEY_KP_Enter: return Key::Return;
    case XKB_KEY_Escape: return Key::Escape;
    case XKB_KEY_Delete:
    case XKB_KEY_KP_Delete: return Key::Delete;
    default: return Key::Other;
    }
}

std::u16string textOf(xkb_keysym_t symbol)
{
    const char32_t c = xkb_keysym_to_utf32(symbol);
    if (c == 0)
        return {};
    if (c < 0x10000)
        return std::u16string(1, static_cast<char16_t>(c));
    return {static_cast<char16_t>(0xD7C0 + (c >> 10)), static_cast<char16_t>(0xDC00 | (c & 0x3FF))};
}

struct FakeWindow final : Surface {
    std::string display = "0";
    std::optional<std::string> clipboard = "-";
    int bells = 0, boxes = 0;
    bool aboutOpen = false, held = false, onKeyTrap = true;
    MenuState menus = MenuState::closed;
    std::size_t openMenu = inMenuBar;
    std::size_t shortLimit = std::string::npos; // memory runs out for longer texts

    void displayChanged(std::string_view text) override
    {
        display = text.size() > shortLimit ? throw std::bad_alloc() : std::string(text);
    }
    void beep() override { ++bells; }
    void showError(std::string_view, std::string_view) override { ++boxes; }
    void focusKeyTrap() override { onKeyTrap = true; }
    void setDecimalCaption(std::string_view) override {}
    std::optional<std::string> clipboardText() override
    {
        if (held)
            return std::nullopt;
        return clipboard->size() > shortLimit ? throw std::bad_alloc() : clipboard;
    }
    bool setClipboardText(std::string_view text) override { return !held && (clipboard = text, true); }
    void showAbout() override { aboutOpen = true; }
};

std::size_t controlRow(const std::string& name)
{
    const auto row = std::ranges::find_if(mainControls, [&](const ControlRow& r) { return objectName(r) == name; });
    return row == mainControls.end() ? throw std::invalid_argument(name) : row - mainControls.begin();
}

std::size_t menuRow(std::string_view name)
{
    return std::ranges::find(mainMenu, name, &MenuRow::name) - mainMenu.begin();
}

// A key where the window sends it: the About window, the menu shortcuts,
// the menus (their access keys by the letter on the physical key, which the
// toolkit's own matching and ours give alike), the key trap, or a button
// that kept the keyboard and ignores it.
void press(FakeWindow& window, WindowBehaviour& behaviour, const KeyPress& key)
{
    const Key named = keyOf(key.symbol);
    const std::u16string text = key.ctrl || key.alt ? u"" : textOf(key.symbol);
    if (window.aboutOpen) {
        window.aboutOpen = !pressesAboutOk(named);
        return;
    }
    if (key.ctrl) {
        if (const auto row = shortcutOnKey(key.keycode, 0))
            behaviour.command(*row);
        return;
    }
    if (key.alt && key.symbol == XKB_KEY_NoSymbol) { // a lone Alt
        window.menus = MenuState::barHasKeyboard;
        return;
    }
    if (named == Key::Escape && window.menus != MenuState::closed) {
        window.menus = window.menus == MenuState::menuOpen ? MenuState::barHasKeyboard : MenuState::closed;
        return;
    }
    if (key.alt || window.menus != MenuState::closed) {
        const std::size_t menu = window.menus == MenuState::menuOpen ? window.openMenu : inMenuBar;
        const char16_t letter = accessKeyOnKey(key.keycode, 0, menu);
        const auto row = std::ranges::find_if(mainMenu, [&](const MenuRow& r) {
            return letter != 0 && parentMenuRow(r) == menu && accessKey(r) == letter;
        });
        if (row != mainMenu.end()) {
            window.openMenu = row - mainMenu.begin();
            window.menus = menu == inMenuBar ? MenuState::menuOpen : MenuState::closed;
            if (menu != inMenuBar)
                behaviour.command(window.openMenu);
            return;
        }
        if (key.alt)
            return;
    }
    switch (behaviour.keyInMenus(window.menus, !text.empty())) {
    case KeyInMenus::refuse: return;
    case KeyInMenus::toCalculator: window.menus = MenuState::closed; window.onKeyTrap = true; break;
    case KeyInMenus::asUsual: break;
    }
    if (window.onKeyTrap && window.menus == MenuState::closed)
        behaviour.keyPressed(named, text);
}

// The 32-bit code points of UTF-8 text.
std::u32string codePoints(const std::string& text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? lead : lead & (0x7F >> n);
        for (int k = 1; k < n; ++k)
            c = c << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out += c;
        i += n;
    }
    return out;
}

struct Case {
    std::string name, where, locale, layout, steps, display, clipboard;
    int bells;
};

std::vector<Case> fakeCases()
{
    std::ifstream file(TALLIX_CASES);
    std::vector<Case> cases;
    for (std::string line; std::getline(file, line);) {
        std::istringstream fields(line);
        Case c;
        std::string bells;
        if (line.empty() || line[0] == '#' || !std::getline(fields, c.name, '\t') || !std::getline(fields, c.where, '\t') ||
            !std::getline(fields, c.locale, '\t') || !std::getline(fields, c.layout, '\t') ||
            !std::getline(fields, c.steps, '\t') || !std::getline(fields, c.display, '\t') ||
            !std::getline(fields, c.clipboard, '\t') || !std::getline(fields, bells))
            continue;
        c.bells = std::stoi(bells);
        if (("," + c.where + ",").find(",fake,") != std::string::npos)
            cases.push_back(c);
    }
    return cases;
}

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name << ": " << c.steps;
}

class Cases : public ::testing::TestWithParam<Case> {};

TEST_P(Cases, GiveTheDisplayClipboardAndBells)
{
    const Case& c = GetParam();
    FakeWindow window;
    WindowBehaviour behaviour(window);
    behaviour.Form_Load(c.locale.starts_with("ru_") ? "1,5" : "1.5");
    const Keyboard keyboard(c.layout);
    std::istringstream steps(c.steps);
    for (std::string step; steps >> step;) {
        const std::string what = step.substr(0, step.find(':')), arg = unescape(step.substr(std::min(step.size(), what.size() + 1)));
        if (what == "type") {
            for (const char32_t character : codePoints(arg))
                press(window, behaviour, keyboard.typing(character));
        } else if (what == "key" || what == "close") {
            ASSERT_TRUE(what == "key" || window.aboutOpen) << step << ": no About window";
            press(window, behaviour, keyboard.press(arg));
        } else if (what == "click") {
            window.onKeyTrap = false; // the press gives the button the keyboard
            behaviour.click(controlRow(arg));
        } else if (what == "drag") {
            window.onKeyTrap = false;
            behaviour.released(true);
        } else if (what == "dismiss") {
            ASSERT_GT(window.boxes--, 0) << step << ": no box";
        } else if (what == "about") {
            behaviour.command(menuRow("mnuAbout"));
        } else if (what == "clip") {
            window.clipboard = arg;
        } else if (what == "short") {
            window.shortLimit = std::stoul(arg);
        } else {
            window.held = what == "hold";
        }
    }
    EXPECT_EQ(window.display, unescape(c.display));
    EXPECT_EQ(behaviour.calculator().display(), window.display);
    EXPECT_EQ(window.clipboard, unescape(c.clipboard));
    EXPECT_EQ(window.bells, c.bells);
    EXPECT_EQ(window.boxes, 0) << "a box left open";
    EXPECT_FALSE(window.aboutOpen);
}

INSTANTIATE_TEST_SUITE_P(Fake, Cases, ::testing::ValuesIn(fakeCases()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::ranges::replace(name, '-', '_');
                             return name;
                         });

} // namespace
} // namespace tallix
