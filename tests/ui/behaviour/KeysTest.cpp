// The key rules the cases cannot reach through a fake window: menu mode and
// the letters on physical keys (X keycodes: 54 carries C and С, 55 V and М,
// 42 G and П, 27 R and К, 41 F and А, 38 A and Ф).
#include "Layout.h"
#include "PhysicalKeys.h"
#include "WindowBehaviour.h"

#include <gtest/gtest.h>

namespace tallix {
namespace {

TEST(Keys, InMenusAnOpenMenuRefusesAndTheBarHandsOn)
{
    EXPECT_EQ(keyInMenus(MenuState::closed, true), KeyInMenus::asUsual);
    EXPECT_EQ(keyInMenus(MenuState::barHasKeyboard, true), KeyInMenus::toCalculator);
    EXPECT_EQ(keyInMenus(MenuState::menuOpen, true), KeyInMenus::refuse);
    EXPECT_EQ(keyInMenus(MenuState::menuOpen, false), KeyInMenus::asUsual);
}

TEST(Keys, ShortcutsAndAccessKeysByThePhysicalKey)
{
    const auto row = [](std::string_view name) { return std::ranges::find(mainMenu, name, &MenuRow::name) - mainMenu.begin(); };
    EXPECT_EQ(shortcutOnKey(54, u'С'), row("mnuCopy")) << "Ctrl+С copies under a Russian layout";
    EXPECT_EQ(shortcutOnKey(55, u'М'), row("mnuPaste"));
    EXPECT_EQ(shortcutOnKey(54, u'C'), std::nullopt) << "the toolkit's own match";
    EXPECT_EQ(shortcutOnKey(38, u'Ф'), std::nullopt) << "no shortcut on A";
    EXPECT_EQ(accessKeyOnKey(42, u'G', inMenuBar), u'П') << "Alt+G opens Правка under a Latin layout";
    EXPECT_EQ(accessKeyOnKey(42, u'П', inMenuBar), 0) << "the toolkit's own match";
    EXPECT_EQ(accessKeyOnKey(27, u'R', row("mnuEdit")), u'К');
    EXPECT_EQ(accessKeyOnKey(41, u'F', row("mnuEdit")), u'А') << "Вст&авить, its letter in lower case";
    EXPECT_EQ(accessKeyOnKey(41, u'F', inMenuBar), 0) << "no menu of the bar on А";
}

} // namespace
} // namespace tallix
