// The letters on physical keys, which the cases reach through a real Qt
// window only (X keycodes: 54 carries C and С, 55 V and М, 42 G and П, 27 R
// and К, 41 F and А, 38 A and Ф, 52 Z and Я, 49 ` and Ё, 10 1 and 1).
#include "Layout.h"
#include "PhysicalKeys.h"

#include <gtest/gtest.h>

namespace tallix {
namespace {

TEST(Keys, LettersOnPhysicalKeys)
{
    const struct {
        std::uint32_t keycode;
        KeyboardLayout layout;
        char16_t letter;
    } cases[] = {{38, KeyboardLayout::Latin, u'A'},   {52, KeyboardLayout::Latin, u'Z'},   {52, KeyboardLayout::Russian, u'Я'},
                 {49, KeyboardLayout::Russian, u'Ё'}, {10, KeyboardLayout::Latin, 0},      {0, KeyboardLayout::Russian, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(letterOnKey(c.keycode, c.layout), c.letter) << "key " << c.keycode;
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
