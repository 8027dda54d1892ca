#include "Driver.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tallix::testing {
namespace {

using Boxes = decltype(RecordingEffects::errors);

struct KeyCase {
    const char* name;
    const char* regional; // "1.5" or "1,5"
    std::string keys;
    std::string display;
    int beeps = 0;
    std::string box = ""; // the text of the one error box the keys raise
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class KeySequence : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeySequence, ShowsDisplayAndBeeps)
{
    const KeyCase& c = GetParam();
    Session s(c.regional);
    const int handlers = s.press(c.keys);
    EXPECT_EQ(s.display(), c.display) << c.keys;
    EXPECT_EQ(s.effects.lastDisplay, c.display) << "the window was told the last change";
    EXPECT_EQ(s.effects.beeps, c.beeps) << c.keys;
    EXPECT_EQ(s.effects.errors, (c.box.empty() ? Boxes{} : Boxes{{c.box, "Ошибка"}})) << c.keys;
    EXPECT_EQ(s.effects.focusReturns, handlers) << "every handler gives the focus back once";
}

const auto caseName = [](const auto& info) { return std::string(info.param.name); };

const std::string ones31(31, '1');
const std::string ones32(32, '1');
const std::string cyrillic31 = [] { std::string text; for (int i = 0; i < 31; ++i) text += "Ж"; return text; }();

INSTANTIATE_TEST_SUITE_P(Entry, KeySequence, ::testing::Values(
    KeyCase{"Digits", "1.5", "59", "59"},
    KeyCase{"ZeroSeven", "1.5", "07", "7"},
    KeyCase{"PointFive", "1.5", ".5", "0.5"},
    KeyCase{"CommaKeyTypesPoint", "1.5", "1,5", "1.5"},
    KeyCase{"PointKeyTypesComma", "1,5", "1.5", "1,5"},
    KeyCase{"SecondPoint", "1.5", "5.2.", "5.2", 1},
    KeyCase{"SignThenDigit", "1.5", "5~3", "-53"},
    KeyCase{"SignTwice", "1.5", "5~~", "5"},
    KeyCase{"SignOnPoint", "1.5", ".~", "0."},
    KeyCase{"SignOnPointComma", "1,5", ".~", "0,"},
    KeyCase{"SignOnZero", "1.5", "0~", "0"},
    KeyCase{"SignOnZeroPointZero", "1.5", "0.0~", "-0.0"},
    KeyCase{"SignAfterOperator", "1.5", "5+~", "5"},
    KeyCase{"SignOffCyrillic", "1.5", "[-Ж]~", "Ж"},
    KeyCase{"ClearEntryThenDigit", "1.5", "5c3", "3"},
    KeyCase{"PointAfterClearEntry", "1.5", "5.c.", "0."},
    KeyCase{"PointAfterOperator", "1.5", "5.+.", "0.", 0},
    KeyCase{"PointResetByNewEntry", "1.5", "5.+3.", "3."},
    KeyCase{"DigitAfterResult", "1.5", "5+3=7", "7"},
    KeyCase{"ClearAll", "1.5", "5+3C", "0"},
    // Letters, blanks, other controls, bytes of a Cyrillic letter (negative codes): each beeps, nothing else.
    KeyCase{"OtherKeysBeep", "1.5", "1a \t\x7f:Ж\x01" "2", "12", 8},
    // The limit counts characters, sign and point included; a refused digit
    // keeps the display whole, sign and all.
    KeyCase{"LimitTakesThirtySecond", "1.5", ones31 + "2", ones31 + "2"},
    KeyCase{"LimitRefusesThirtyThird", "1.5", ones32 + "2", ones32, 1},
    KeyCase{"LimitKeepsSign", "1.5", ones32 + "~2", "-" + ones32, 1},
    KeyCase{"LimitCountsCharactersNotBytes", "1.5", "[" + cyrillic31 + "]23", cyrillic31 + "2", 1}
), caseName);

INSTANTIATE_TEST_SUITE_P(Operators, KeySequence, ::testing::Values(
    KeyCase{"Chain", "1.5", "12+3\r", "15"},
    KeyCase{"NoPrecedence", "1.5", "2+3*4=", "20"},
    KeyCase{"Half", "1.5", "7/2=", "3.5"},
    KeyCase{"HalfComma", "1,5", "7/2=", "3,5"},
    KeyCase{"NegativeFraction", "1.5", "1-1.5=", "-0.5"},
    KeyCase{"LastOperatorWins", "1.5", "5+*2=", "10"},
    KeyCase{"EqualsStartsAfresh", "1.5", "3=4=", "4"},
    KeyCase{"EqualsTwice", "1.5", "5+3==", "8"},
    KeyCase{"OperatorFirst", "1.5", "+5=", "5"},
    KeyCase{"ClearEntryThenEquals", "1.5", "5+3c=", "0"},
    KeyCase{"UnderflowShowsZero", "1.5", "[1E-200]*[1E-200]=", "0"},
    KeyCase{"NegativeZeroShowsZero", "1.5", "5~*0=", "0"},
    // Division by zero shows the accumulator unchanged, and the chain goes on.
    KeyCase{"DivideByZero", "1.5", "5/0=", "5", 0, "Нельзя делить на ноль"},
    KeyCase{"DivideByNegativeZeroGoesOn", "1.5", "5/[-0]=+2=", "7", 0, "Нельзя делить на ноль"},
    KeyCase{"DivideByZeroWithComma", "1,5", "5/0,0=", "5", 0, "Нельзя делить на ноль"},
    // 1 + (2^-53 + 2^-64) lies just above the middle between 1 and the next
    // double, so it rounds up; rounded first to the x87's 64-bit mantissa it
    // lands on the middle itself and then, to even, on 1.
    KeyCase{"RoundsOnceToDouble", "1.5", "1+[1.1107651257113993e-16]-1=", "2.22044604925031E-16"},
    KeyCase{"ResultReadsBackWithComma", "1,5", "1/3*3=", "1"},
    KeyCase{"PastedOperand", "1.5", "2+[5]=", "7"},
    KeyCase{"PastedCommaWithComma", "1,5", "C[12,5]+0=", "12,5"},
    KeyCase{"PastedCommaWithPoint", "1.5", "C[12,5]+0=", "12"},
    KeyCase{"PastedText", "1.5", "[abc]5", "abc5"},
    KeyCase{"PastedTextReadsZero", "1.5", "[abc]+1=", "1"},
    KeyCase{"PastedZeroThenDigit", "1.5", "[0]7", "7"},
    KeyCase{"PasteKeepsPointTyped", "1,5", "1.[7].", "7", 1},
    KeyCase{"PasteAfterClearEntryAllowsPoint", "1,5", "c[1,5].", "1,5,"}
), caseName);

INSTANTIATE_TEST_SUITE_P(Percent, KeySequence, ::testing::Values(
    KeyCase{"ThenEquals", "1.5", "200+10%=", "220"},
    KeyCase{"Comma", "1,5", "200+12.5%", "25"},
    KeyCase{"Fraction", "1.5", "50+1%", "0.5"},
    KeyCase{"NegativeKeepsBarePointComma", "1,5", "10~+5%", "-,5"},
    KeyCase{"AfterOperator", "1.5", "200+%", "400"},
    KeyCase{"ClearAllKeepsAccumulator", "1.5", "200+5=C10%", "20.5"},
    KeyCase{"DigitAppends", "1.5", "200+10%5", "205"}
), caseName);

TEST(KeySequenceState, OperatorsKeepTheChainClearEntryKeepsItClearAllEndsIt)
{
    Session s;
    s.press("12+");
    EXPECT_EQ(s.state(),
              (CalculatorState{.Accumulator = 12, .OperandCount = 1, .PendingOperator = "+", .InputState = InputKind::OPS}));
    s.press("3.5=");
    EXPECT_EQ(s.state(), (CalculatorState{.Accumulator = 15.5, .Operand = 3.5, .OperandCount = 1,
                                          .PendingOperator = "=", .InputState = InputKind::OPS, .PointTyped = -1}));
    s.press("*2.5c");
    EXPECT_EQ(s.state(), (CalculatorState{.Accumulator = 15.5, .Operand = 3.5, .OperandCount = 1,
                                          .PendingOperator = "*", .InputState = InputKind::CE}));
    s.press("1.5C");
    EXPECT_EQ(s.state(), (CalculatorState{.Accumulator = 15.5, .Operand = 3.5, .PendingOperator = "",
                                          .InputState = InputKind::NONE}));
}

// Indexes no button has (never sent by the window) do nothing but give the focus back.
TEST(KeySequenceState, IndexOutsideTheArrayChangesNothing)
{
    Session s;
    s.press("12+3");
    const CalculatorState before = s.state();
    s.calculator.cmdNum_Click(-1);
    s.calculator.cmdNum_Click(10);
    s.calculator.cmdOper_Click(-1);
    s.calculator.cmdOper_Click(5);
    EXPECT_EQ(s.state(), before);
    EXPECT_EQ(s.display(), "3");
    EXPECT_EQ(s.effects.focusReturns, 4 + 4);
}

// The separator is "," exactly when the regional 1.5 holds a comma. Start-up
// sets its five fields and nothing else: not the display, not the numbers.
TEST(StartUp, ChoosesSeparatorFromProbeAndSetsOnlyItsFields)
{
    const struct {
        const char* probe;
        const char* decimal;
    } cases[] = {{"1.5", "."}, {"1,5", ","}, {"1\xD9\xAB" "5", "."}, {"1.5,", ","}};
    for (const auto& c : cases) {
        Session s(c.probe);
        EXPECT_EQ(s.state(), (CalculatorState{.PendingOperator = "", .InputState = InputKind::NONE, .DecimalChar = c.decimal})) << c.probe;
        EXPECT_EQ(s.effects.decimalCaption, c.decimal) << c.probe;
        EXPECT_EQ(s.effects.focusReturns + s.effects.displayChanges, 0) << c.probe;
    }
    Session s("1,5");
    s.press("12+3=4,");
    s.calculator.Form_Load("1.5");
    EXPECT_EQ(s.state(), (CalculatorState{.Accumulator = 15, .Operand = 3, .PendingOperator = "", .InputState = InputKind::NONE}));
    EXPECT_EQ(s.display(), "4,");
}

// A result or a read number beyond the double range shows the box at the last
// press and leaves everything as before it, so the chain goes on.
TEST(Overflow, ShowsBoxAndChangesNothing)
{
    const struct {
        const char* name;
        std::string keys;
    } cases[] = {
        {"Product", "[1E300]*[1E300]="}, {"Sum", "[1.7E308]+[1.7E308]="}, {"Difference", "[-1.7E308]-[1.7E308]="},
        {"Quotient", "[1E300]/[1E-300]="}, {"PastedFirstOperand", "[1E999]+"}, {"PastedSecondOperand", "2+[-1E999]="},
        {"PastedAfterOperator", "2+3*[1E999]%"}, {"Percent", "[1E300]+[1E300]%"},
    };
    for (const auto& c : cases) {
        Session s;
        s.press(std::string_view(c.keys).substr(0, c.keys.size() - 1));
        const CalculatorState state = s.state();
        const std::string display = s.display();
        const int changes = s.effects.displayChanges;
        const int focus = s.effects.focusReturns;

        EXPECT_EQ(s.press(c.keys.substr(c.keys.size() - 1)), 1) << c.name;
        EXPECT_EQ(s.effects.errors, (Boxes{{"Переполнение", "Ошибка"}})) << c.name;
        EXPECT_EQ(s.state(), state) << c.name;
        EXPECT_EQ(s.display(), display) << c.name;
        EXPECT_EQ(s.effects.displayChanges, changes) << c.name;
        EXPECT_EQ(s.effects.focusReturns, focus + 1) << c.name;
        s.press("C2+3=");
        EXPECT_EQ(s.display(), "5") << c.name << ": the calculator goes on after the box";
    }
}


// A window that cannot take a long text (memory running out while it
// copies it) leaves the calculator as it was before the press.
TEST(DisplayRefused, LeavesDisplayAndStateAsTheyWere)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12", "[12345678901]"}, {"1234567891", "0"}, {"1234567891", "~"}, {"1/3", "="}};
    for (const auto& [before, press] : cases) {
        Session s;
        s.press(before);
        s.effects.refuseLongerThan = 10;
        const CalculatorState state = s.state();
        const std::string display = s.display();
        EXPECT_THROW(s.press(press), std::bad_alloc) << before << press;
        EXPECT_EQ(s.state(), state) << before << press;
        EXPECT_EQ(s.display(), display) << before << press;
    }
}

} // namespace
} // namespace tallix::testing
