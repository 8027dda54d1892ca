#include "Driver.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tallix::testing {
namespace {

using Boxes = decltype(RecordingEffects::errors);

// Keys typed on a just-started calculator (the script of Driver.h) and what
// they leave: the display, the bells, and the one error box they raise.
struct KeyCase {
    const char* name;
    const char* regional; // "1.5" or "1,5"
    std::string keys;
    std::string display;
    int beeps = 0;
    std::string box = "";
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class Keys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keys, LeaveDisplayBellsAndBox)
{
    const KeyCase& c = GetParam();
    Session s(c.regional);
    const int handlers = s.press(c.keys);
    EXPECT_EQ(s.display(), c.display) << c.keys;
    EXPECT_EQ(s.effects.lastDisplay, c.display) << c.keys << ": the window was not told the last change";
    EXPECT_EQ(s.effects.beeps, c.beeps) << c.keys;
    EXPECT_EQ(s.effects.errors, (c.box.empty() ? Boxes{} : Boxes{{c.box, "Ошибка"}})) << c.keys;
    EXPECT_EQ(s.effects.focusReturns, handlers) << c.keys << ": a handler did not give the focus back once";
}

const auto caseName = [](const auto& info) { return std::string(info.param.name); };

const std::string ones31(31, '1');
const std::string cyrillic31 = [] { std::string text; for (int i = 0; i < 31; ++i) text += "Ж"; return text; }();

INSTANTIATE_TEST_SUITE_P(Typed, Keys, ::testing::Values(
    KeyCase{"DigitsReplaceZero", "1.5", "059", "59"},
    KeyCase{"PointFirst", "1.5", ".5", "0.5"},
    KeyCase{"CommaKeyTypesPoint", "1.5", "1,5", "1.5"},
    KeyCase{"SecondPointBeeps", "1.5", "5.2.", "5.2", 1},
    KeyCase{"PointResetByNewEntry", "1.5", "5.+3.", "3."},
    KeyCase{"SignOff", "1.5", "[-Ж]~", "Ж"},
    KeyCase{"NoSignOnZero", "1.5", "0~", "0"},
    KeyCase{"NoSignOnBarePoint", "1.5", ".~", "0."},
    KeyCase{"NoSignOnBareComma", "1,5", ".~", "0,"},
    KeyCase{"SignOnZeroPointZero", "1.5", "0.0~", "-0.0"},
    KeyCase{"NoSignAfterOperator", "1.5", "5+~", "5"},
    KeyCase{"ClearAll", "1.5", "5+3C", "0"},
    // Letters, blanks, other controls, bytes of a Cyrillic letter (negative codes).
    KeyCase{"OtherKeysBeep", "1.5", "1a \t\x7f:Ж\x01" "2", "12", 8},
    // 32 characters, not bytes, the sign included; a refused digit keeps the display whole.
    KeyCase{"LimitCountsCharacters", "1.5", "[" + cyrillic31 + "]23", cyrillic31 + "2", 1},
    KeyCase{"LimitCountsTheSign", "1.5", ones31 + "~2", "-" + ones31, 1},
    KeyCase{"NoPrecedence", "1.5", "2+3*4\r", "20"},
    KeyCase{"NegativeFraction", "1.5", "1-1.5=", "-0.5"},
    KeyCase{"LastOperatorWins", "1.5", "5+*2=", "10"},
    KeyCase{"EqualsStartsAfresh", "1.5", "3=4=", "4"},
    KeyCase{"EqualsTwice", "1.5", "5+3==", "8"},
    KeyCase{"ClearEntryThenEquals", "1.5", "5+3c=", "0"},
    // The accumulator stays as it was, and the chain goes on.
    KeyCase{"DivideByZeroGoesOn", "1.5", "5/[-0]=+2=", "7", 0, "Нельзя делить на ноль"},
    // 1 + (2^-53 + 2^-64) lies just above the middle between 1 and the next double, so it rounds up;
    // rounded first to the x87's 64-bit mantissa it lands on the middle itself and then, to even, on 1.
    KeyCase{"RoundsOnceToDouble", "1.5", "1+[1.1107651257113993e-16]-1=", "2.22044604925031E-16"},
    KeyCase{"PastedCommaWithComma", "1,5", "[12,5]+0=", "12,5"},
    KeyCase{"PastedCommaWithPoint", "1.5", "[12,5]+0=", "12"},
    KeyCase{"PasteKeepsPointTyped", "1,5", "1.[7].", "7", 1},
    KeyCase{"ClearEntryAllowsPointOnPaste", "1,5", "1.c[7].", "7,"},
    KeyCase{"ClearAllAllowsPointOnPaste", "1.5", "1.C[7].", "7."},
    KeyCase{"PercentThenEquals", "1.5", "200+10%=", "220"},
    KeyCase{"PercentComma", "1,5", "200+12.5%", "25"},
    KeyCase{"PercentFraction", "1.5", "50+1%", "0.5"},
    KeyCase{"PercentNegativeKeepsBarePointComma", "1,5", "10~+5%", "-,5"},
    KeyCase{"PercentClearAllKeepsAccumulator", "1.5", "200+5C+10%", "20"},
    KeyCase{"PercentDigitAppends", "1.5", "200+10%5", "205"}
), caseName);

// A press whose result or read number lies beyond the double range shows the
// box; one whose text the window cannot take (its memory running out) throws.
// Either leaves the calculator as it was before the press, so the chain goes on.
TEST(RefusedPress, LeavesStateAndDisplayAsTheyWere)
{
    // The keys before, the refused press, and whether it overflows (else the window takes no text over 10 bytes).
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"[1E300]*[1E300]", "=", true}, {"[1E999]", "+", true}, {"2+[-1E999]", "=", true}, {"2+3*[1E999]", "%", true},
        {"[1E300]+[1E300]", "%", true}, {"12", "[12345678901]", false}, {"1234567891", "0", false},
        {"1234567891", "~", false}, {"1/3", "=", false},
    };
    for (const auto& [before, press, overflows] : cases) {
        Session s;
        s.press(before);
        s.effects.refuseLongerThan = 10;
        const CalculatorState state = s.state();
        const std::string display = s.display();
        if (overflows)
            s.press(press);
        else
            EXPECT_THROW(s.press(press), std::bad_alloc) << before << press;
        EXPECT_EQ(s.effects.errors, (overflows ? Boxes{{"Переполнение", "Ошибка"}} : Boxes{})) << before << press;
        EXPECT_EQ(s.state(), state) << before << press;
        EXPECT_EQ(s.display(), display) << before << press;
    }
}

} // namespace
} // namespace tallix::testing
