#include "Driver.h"
#include "KeyTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallix::testing {
namespace {

struct TypedCase {
    const char* name;
    const char* regional;
    std::vector<int> codes;
    const char* keys; // the same presses on the buttons
};

// Typing gives exactly what pressing the buttons gives.
TEST(KeyTable, TypingMatchesButtons)
{
    const TypedCase cases[] = {
        {"Chain", "1.5", {'1', '2', '+', '3', 13}, "12+3="},
        {"EqualsKey", "1.5", {'7', '/', '2', '='}, "7/2="},
        {"CommaKeyTypesPoint", "1.5", {'1', ',', '5'}, "1.5"},
        {"PointKeyTypesComma", "1,5", {'1', '.', '5'}, "1.5"},
        {"MinusSubtracts", "1.5", {'5', '-', '8', 13}, "5-8="},
        {"Times", "1.5", {'6', '*', '7', '='}, "6*7="},
        {"Percent", "1.5", {'2', '0', '0', '+', '1', '0', '%'}, "200+10%"},
        {"BackspaceClearsEntry", "1.5", {'5', '+', '3', 8, '4', 13}, "5+3c4="},
        {"EscClearsAll", "1.5", {'5', '+', '3', 27}, "5+3C"},
        {"AllDigits", "1.5", {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}, "0123456789"},
        {"SecondPointRefused", "1.5", {'1', '.', ','}, "1.."},
    };
    for (const auto& c : cases) {
        Session typed(c.regional);
        for (const int code : c.codes)
            pctKeyTrap_KeyPress(typed.calculator, typed.effects, static_cast<std::int16_t>(code));
        Session clicked(c.regional);
        clicked.press(c.keys);
        EXPECT_EQ(typed.display(), clicked.display()) << c.name;
        EXPECT_EQ(typed.state().OperandCount, clicked.state().OperandCount) << c.name;
        EXPECT_EQ(typed.state().PendingOperator, clicked.state().PendingOperator) << c.name;
        EXPECT_EQ(typed.effects.beeps, clicked.effects.beeps) << c.name;
        EXPECT_EQ(typed.effects.focusReturns, clicked.effects.focusReturns) << c.name;
    }
}

// Every code outside the table beeps once and changes nothing.
TEST(KeyTable, OtherCodesBeepAndChangeNothing)
{
    std::vector<int> refused = {'a', 'Z', 'E', ' ', 9, 10, 0, 7, 127, 128, 0x0416, 0x00B1, -1, -32768, 32767};
    for (int code = 1; code < 128; ++code) {
        if (code != 8 && code != 13 && code != 27 && std::string("0123456789%*+,-./=").find(static_cast<char>(code)) == std::string::npos)
            refused.push_back(code);
    }
    for (const int code : refused) {
        Session s;
        s.press("12+3.");
        const CalculatorState before = s.state();
        const std::string display = s.display();
        const int focus = s.effects.focusReturns;
        pctKeyTrap_KeyPress(s.calculator, s.effects, static_cast<std::int16_t>(code));
        EXPECT_EQ(s.effects.beeps, 1) << "code " << code;
        EXPECT_EQ(s.display(), display) << "code " << code;
        EXPECT_EQ(s.state().InputState, before.InputState) << "code " << code;
        EXPECT_EQ(s.state().PointTyped, before.PointTyped) << "code " << code;
        EXPECT_EQ(s.effects.focusReturns, focus) << "code " << code;
    }
}

} // namespace
} // namespace tallix::testing
