// The cases of the real windows (cases.tsv) marked "fake", against a fake
// window: keys reach the key trap, the About window while it is open, or a
// button that kept the keyboard and ignores them.
#include "Driver.h"
#include "Layout.h"
#include "WindowBehaviour.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <sstream>

namespace tallix {
namespace {

struct FakeWindow final : testing::Recording<Surface> {
    std::optional<std::string> clipboard = "-";
    bool aboutOpen = false, held = false, onKeyTrap = true;

    void focusKeyTrap() override { onKeyTrap = true; }
    std::optional<std::string> clipboardText() override
    {
        if (held)
            return std::nullopt;
        return clipboard->size() > refuseLongerThan ? throw std::bad_alloc() : clipboard;
    }
    bool setClipboardText(std::string_view text) override { return !held && (clipboard = text, true); }
    void showAbout() override { aboutOpen = true, onKeyTrap = false; }
};

// xdotool's names of the keys the cases press, with what X11 has them type.
const std::map<std::string, std::pair<Key, std::u16string>> namedKeys{
    {"Return", {Key::Return, u"\r"}}, {"KP_Enter", {Key::Return, u"\r"}}, {"BackSpace", {Key::Backspace, u"\b"}},
    {"Escape", {Key::Escape, u"\x1b"}}, {"Tab", {Key::Tab, u"\t"}},       {"Delete", {Key::Delete, u"\x7f"}},
    {"KP_Delete", {Key::Delete, u""}},  {"Left", {Key::Other, u""}},      {"F5", {Key::Other, u""}},
    {"U10000", {Key::Other, u"\U00010000"}}, // a character beyond the BMP, in two UTF-16 units
};

// Where a key goes: the About window while it is open, a menu shortcut, the
// key trap, or a button that kept the keyboard and ignores it.
void press(FakeWindow& window, WindowBehaviour& behaviour, const std::string& name)
{
    const auto named = namedKeys.find(name);
    const auto [key, text] = named != namedKeys.end() ? named->second : std::pair(Key::Other, std::u16string(name.begin(), name.end()));
    if (window.aboutOpen) {
        window.aboutOpen = !pressesAboutOk(key);
    } else if (name.starts_with("ctrl+")) {
        const auto row = std::ranges::find(mainMenu, static_cast<char>(std::toupper(name.back())), &MenuRow::ctrlKey);
        behaviour.command(row - mainMenu.begin());
    } else if (window.onKeyTrap) {
        behaviour.keyPressed(key, text);
    }
}

std::size_t rowOf(const std::string& name)
{
    const auto row = std::ranges::find_if(mainControls, [&](const ControlRow& r) { return objectName(r) == name; });
    return row == mainControls.end() ? throw std::invalid_argument(name) : row - mainControls.begin();
}

struct Case {
    std::string name, where, locale, layout, steps, display, clipboard, bells;
};

std::vector<Case> fakeCases()
{
    std::ifstream file(TALLIX_CASES);
    std::vector<Case> cases;
    for (std::string line; std::getline(file, line);) {
        std::istringstream fields(line);
        Case c;
        for (std::string* field : {&c.name, &c.where, &c.locale, &c.layout, &c.steps, &c.display, &c.clipboard, &c.bells})
            std::getline(fields, *field, '\t');
        if (line[0] != '#' && ("," + c.where + ",").find(",fake,") != std::string::npos)
            cases.push_back(c);
    }
    return cases;
}

class Cases : public ::testing::TestWithParam<Case> {};

TEST_P(Cases, GiveTheDisplayClipboardAndBells)
{
    const Case& c = GetParam();
    FakeWindow window;
    WindowBehaviour behaviour(window);
    behaviour.Form_Load(c.locale.starts_with("ru_") ? "1,5" : "1.5");
    std::istringstream steps(c.steps);
    for (std::string step; steps >> step;) {
        const std::string what = step.substr(0, step.find(':')), arg = step.substr(std::min(step.size(), what.size() + 1));
        if (what == "type") {
            for (const char character : arg)
                press(window, behaviour, std::string(1, character));
        } else if (what == "key" || what == "close") {
            ASSERT_TRUE(what == "key" || window.aboutOpen) << step << ": no About window";
            press(window, behaviour, arg);
        } else if (what == "click" || what == "drag") {
            window.onKeyTrap = false; // the press gives the button the keyboard
            if (what == "click")
                behaviour.click(rowOf(arg));
            else
                behaviour.released(true);
        } else if (what == "dismiss") {
            ASSERT_FALSE(window.errors.empty()) << step << ": no box";
            window.errors.pop_back();
        } else if (what == "about") {
            behaviour.command(std::ranges::find(mainMenu, "mnuAbout", &MenuRow::name) - mainMenu.begin());
        } else if (what == "clip") {
            window.clipboard = arg;
        } else if (what == "short") {
            window.refuseLongerThan = std::stoul(arg);
        } else {
            window.held = what == "hold";
        }
    }
    EXPECT_EQ(window.lastDisplay, c.display);
    EXPECT_EQ(behaviour.calculator().display(), window.lastDisplay);
    EXPECT_EQ(window.clipboard, c.clipboard);
    EXPECT_EQ(window.beeps, std::stoi(c.bells));
    EXPECT_TRUE(window.errors.empty()) << "a box left open";
    EXPECT_FALSE(window.aboutOpen);
    EXPECT_TRUE(window.onKeyTrap) << "the keyboard was not given back";
    EXPECT_EQ(window.decimalCaption, c.locale.starts_with("ru_") ? "," : ".");
}

TEST(Menus, AnOpenMenuRefusesATypedKeyWithABeepTheBarHandsItOn)
{
    FakeWindow window;
    WindowBehaviour behaviour(window);
    EXPECT_EQ(behaviour.keyInMenus(MenuState::menuOpen, true), KeyInMenus::refuse);
    EXPECT_EQ(behaviour.keyInMenus(MenuState::barHasKeyboard, true), KeyInMenus::toCalculator);
    EXPECT_EQ(behaviour.keyInMenus(MenuState::closed, true), KeyInMenus::asUsual);
    EXPECT_EQ(behaviour.keyInMenus(MenuState::menuOpen, false), KeyInMenus::asUsual);
    EXPECT_EQ(window.beeps, 1);
}

INSTANTIATE_TEST_SUITE_P(Fake, Cases, ::testing::ValuesIn(fakeCases()), [](const auto& info) {
    std::string name = info.param.name;
    std::ranges::replace(name, '-', '_');
    return name;
});

} // namespace
} // namespace tallix
