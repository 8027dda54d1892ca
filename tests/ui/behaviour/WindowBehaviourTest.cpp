#include "Layout.h"
#include "WindowBehaviour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <sstream>
#include <string>

namespace tallix {
namespace {

// Writes down what the behaviour asks of the window; focus moves in a row once.
struct FakeSurface : Surface {
    std::string display = "0", clipboard, log;
    std::size_t refuseLongerThan = std::string::npos; // out of memory for longer texts

    void note(const std::string& what) { log += what == "focus" && log.ends_with("focus ") ? "" : what + " "; }
    void showDisplayText(std::string_view text) override
    {
        display = text.size() > refuseLongerThan ? throw std::bad_alloc() : std::string(text);
    }
    void setCaption(std::size_t row, std::string_view text) override { note(objectName(mainControls[row]) + "=" + std::string(text)); }
    void beep() override { note("beep"); }
    void showError(std::string_view text, std::string_view title) override { note(std::string(title) + ":" + std::string(text)); }
    void focusKeyTrap() override { note("focus"); }
    std::string clipboardText() override { return clipboard.size() > refuseLongerThan ? throw std::bad_alloc() : clipboard; }
    void setClipboardText(std::string_view text) override { clipboard = text; }
    void showAbout() override { note("about"); }
};

std::size_t rowOf(const std::string& name) // a control's, else a menu's
{
    const auto control = std::ranges::find_if(mainControls, [&](const ControlRow& row) { return objectName(row) == name; });
    if (control != mainControls.end())
        return control - mainControls.begin();
    return std::ranges::find(mainMenu, name, &MenuRow::name) - mainMenu.begin();
}

// Steps: load:1,5 | click:cmdNum7 | menu:mnuCopy | type:TEXT (ASCII; EMOJI
// types one character beyond the BMP) | clip:TEXT (CRLF: "1\r\n2") |
// released:kept or released:lost | returned | refuse:N (the window takes no
// text longer than N bytes).
void run(WindowBehaviour& behaviour, FakeSurface& surface, const std::string& steps)
{
    std::istringstream words(steps);
    for (std::string step; words >> step;) {
        const std::string what = step.substr(0, step.find(':')), arg = step.substr(std::min(step.size(), what.size() + 1));
        if (what == "load") behaviour.Form_Load(arg);
        else if (what == "click") behaviour.click(rowOf(arg));
        else if (what == "menu") behaviour.command(rowOf(arg));
        else if (what == "clip") surface.clipboard = arg == "CRLF" ? "1\r\n2" : arg;
        else if (what == "released") behaviour.released(arg == "kept");
        else if (what == "returned") behaviour.keyboardReturned();
        else if (what == "refuse") surface.refuseLongerThan = std::stoul(arg);
        else if (what == "type")
            for (const char16_t unit : arg == "EMOJI" ? u"\U0001F600" : std::u16string(arg.begin(), arg.end()))
                behaviour.typed(unit);
        else throw std::invalid_argument(step);
    }
}

TEST(WindowBehaviour, EventsReachTheCalculatorClipboardAndFocus)
{
    const struct {
        const char* name;
        const char* steps;
        const char* display;
        const char* log;
        const char* clipboard = "";
    } cases[] = {
        {"ClicksRunTheirButtons", "click:cmdNum2 click:cmdNum0 click:cmdNum0 click:cmdOper0 click:cmdNum1 click:cmdNum0 click:cmdPer", "20", "focus "},
        {"PointSignTimesEquals", "click:cmdNum5 click:cmdDec click:cmdNum5 click:cmdOpp click:cmdOper2 click:cmdNum2 click:cmdOper4", "-11", "focus "},
        {"ClearEntryKeepsTheSum", "type:7+2 click:cmdCE type:3=", "10", "focus "},
        {"ClearAllDropsTheSum", "type:9+ click:cmdCancel type:2=", "2", "focus "},
        {"UnknownKeyBeeps", "type:12a", "12", "focus beep "},
        {"CharacterBeyondTheBmpBeepsOnce", "type:EMOJI", "0", "beep "},
        {"CommaCaptionFromTheRegion", "load:1,5 type:1.5", "1,5", "cmdDec=, focus "},
        {"CopyTakesTheDisplay", "type:12 menu:mnuCopy", "12", "focus ", "12"},
        {"CopyKeepsWhatWasPasted", "clip:CRLF menu:mnuPaste menu:mnuCopy", "1\r\n2", "", "1\r\n2"},
        {"PasteIsATypedEntry", "clip:5 menu:mnuPaste type:1", "51", "focus ", "5"},
        {"AboutThenTheKeyTrap", "menu:mnuAbout", "0", "about focus "},
        {"MenusOfTheBarRunNothing", "menu:mnuEdit menu:mnuHelp", "0", ""},
        {"DivisionByZeroBoxThenTheKeyTrap", "type:5/0=", "5", "focus Ошибка:Нельзя делить на ноль focus "},
        {"PressLetGoOnTheButtonKeepsTheKeyboard", "released:kept", "0", "focus "},
        {"PressLetGoElsewhere", "released:lost", "0", ""},
        {"KeyboardBack", "returned", "0", "focus "},
        {"WindowOutOfMemoryKeepsTheDisplay", "type:12+3 refuse:3 clip:12345 menu:mnuPaste type:=", "15",
         "focus Ошибка:Недостаточно памяти: действие отменено focus ", "12345"},
        {"ClipboardOutOfMemory", "type:7 clip:12345 refuse:4 menu:mnuPaste type:1", "71",
         "focus Ошибка:Недостаточно памяти: действие отменено focus ", "12345"},
    };
    for (const auto& c : cases) {
        FakeSurface surface;
        WindowBehaviour behaviour(surface);
        run(behaviour, surface, c.steps);
        EXPECT_EQ(surface.display, c.display) << c.name;
        EXPECT_EQ(behaviour.calculator().display(), c.display) << c.name;
        EXPECT_EQ(surface.log, c.log) << c.name;
        EXPECT_EQ(surface.clipboard, c.clipboard) << c.name;
    }
}

} // namespace
} // namespace tallix
