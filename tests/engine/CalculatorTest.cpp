#include "Driver.h"

#include <gtest/gtest.h>

#include <string>

namespace tallix::testing {
namespace {

struct KeyCase {
    const char* name;
    const char* regional; // "1.5" or "1,5"
    std::string keys;
    std::string display;
    int beeps = 0;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class KeySequence : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeySequence, ShowsDisplayAndBeeps)
{
    const KeyCase& c = GetParam();
    Session s(c.regional);
    const int presses = s.press(c.keys);
    EXPECT_EQ(s.display(), c.display) << c.keys;
    EXPECT_EQ(s.effects.beeps, c.beeps) << c.keys;
    EXPECT_EQ(s.effects.focusReturns, presses) << "every press gives the focus back once";
}

std::string repeat(std::string_view text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

const auto caseName = [](const auto& info) { return std::string(info.param.name); };

const std::string ones32(32, '1');
const std::string ones31(31, '1');

INSTANTIATE_TEST_SUITE_P(Entry, KeySequence, ::testing::Values(
    KeyCase{"Digit", "1.5", "5", "5"},
    KeyCase{"Zero", "1.5", "0", "0"},
    KeyCase{"ZeroZero", "1.5", "00", "0"},
    KeyCase{"ZeroSeven", "1.5", "07", "7"},
    KeyCase{"PointFirst", "1.5", ".", "0."},
    KeyCase{"PointFirstComma", "1,5", ".", "0,"},
    KeyCase{"PointFive", "1.5", ".5", "0.5"},
    KeyCase{"ZeroPoint", "1.5", "0.", "0."},
    KeyCase{"SecondPoint", "1.5", "5..", "5.", 1},
    KeyCase{"SecondPointAfterDigit", "1.5", "5.2.", "5.2", 1},
    KeyCase{"SignAtStart", "1.5", "~", "0"},
    KeyCase{"Sign", "1.5", "5~", "-5"},
    KeyCase{"SignTwice", "1.5", "5~~", "5"},
    KeyCase{"SignThenDigit", "1.5", "5~3", "-53"},
    KeyCase{"SignOnPoint", "1.5", ".~", "0."},
    KeyCase{"SignOnPointComma", "1,5", ".~", "0,"},
    KeyCase{"SignOnZero", "1.5", "0~", "0"},
    KeyCase{"SignOnZeroPointZero", "1.5", "0.0~", "-0.0"},
    KeyCase{"ClearEntry", "1.5", "5c", "0"},
    KeyCase{"ClearEntryThenDigit", "1.5", "5c3", "3"},
    KeyCase{"SignAfterClearEntry", "1.5", "5c~", "0"},
    KeyCase{"PointAfterClearEntry", "1.5", "5.c.", "0."},
    KeyCase{"SignAfterOperator", "1.5", "5+~", "5"},
    KeyCase{"PointAfterOperator", "1.5", "5+.", "0."},
    KeyCase{"PointResetByNewEntry", "1.5", "5.+3.", "3."},
    KeyCase{"DigitAfterResult", "1.5", "5+3=7", "7"},
    KeyCase{"ClearAll", "1.5", "5+3C", "0"},
    // The limit counts sign and point; a refused digit keeps the display whole.
    KeyCase{"LimitRefusesDigit", "1.5", ones32 + "2", ones32, 1},
    KeyCase{"LimitPointMakes32", "1.5", ones31 + ".2", ones31 + ".", 1},
    KeyCase{"LimitPointMakes33", "1.5", ones32 + ".2", ones32 + ".", 1},
    KeyCase{"LimitKeepsSign", "1.5", ones32 + "~2", "-" + ones32, 1},
    KeyCase{"LimitWithSign", "1.5", "5~" + std::string(30, '1') + "2", "-5" + std::string(30, '1'), 1},
    KeyCase{"SignOffCyrillic", "1.5", "[-Ж]~", "Ж"},
    KeyCase{"LimitCountsCharactersNotBytes", "1.5", "[" + repeat("Ж", 31) + "]23", repeat("Ж", 31) + "2", 1}
), caseName);

INSTANTIATE_TEST_SUITE_P(Operators, KeySequence, ::testing::Values(
    KeyCase{"Chain", "1.5", "12+3=", "15"},
    KeyCase{"NoPrecedence", "1.5", "2+3*4=", "20"},
    KeyCase{"ShowsRunningResult", "1.5", "2+3*", "5"},
    KeyCase{"Half", "1.5", "7/2=", "3.5"},
    KeyCase{"HalfComma", "1,5", "7/2=", "3,5"},
    KeyCase{"NegativeFraction", "1.5", "1-1.5=", "-0.5"},
    KeyCase{"NegativeFractionComma", "1,5", "1-1.5=", "-0,5"},
    KeyCase{"Quarter", "1.5", "1/4=", "0.25"},
    KeyCase{"LastOperatorWins", "1.5", "5+*2=", "10"},
    KeyCase{"EqualsStartsAfresh", "1.5", "3=4=", "4"},
    KeyCase{"EqualsTwice", "1.5", "5+3==", "8"},
    KeyCase{"OperatorFirst", "1.5", "+5=", "5"},
    KeyCase{"ClearEntryThenEquals", "1.5", "5+3c=", "0"},
    KeyCase{"PointOneAndTwo", "1.5", ".1+.2=", "0.3"},
    KeyCase{"TwoThirds", "1.5", "2/3=", "0.666666666666667"},
    KeyCase{"Large", "1.5", "99999999*99999999=", "9.9999998E+15"},
    KeyCase{"Tiny", "1.5", ".000001*.000001=", "1E-12"},
    KeyCase{"UnderflowShowsZero",
            "1.5", "[1E-200]*[1E-200]=", "0"},
    KeyCase{"NegativeZeroShowsZero", "1.5", "5~*0=", "0"},
    KeyCase{"ResultReadsBackWithComma", "1,5", "1/3*3=", "1"},
    KeyCase{"PastedOperand", "1.5", "2+[5]=", "7"},
    KeyCase{"PastedCommaWithComma", "1,5", "C[12,5]+0=", "12,5"},
    KeyCase{"PastedCommaWithPoint", "1.5", "C[12,5]+0=", "12"},
    KeyCase{"PastedText", "1.5", "[abc]5", "abc5"},
    KeyCase{"PastedTextReadsZero", "1.5", "[abc]+1=", "1"},
    KeyCase{"PastedEmptyThenDigit", "1.5", "[]7", "7"},
    KeyCase{"PastedEmptyReadsZero", "1.5", "[]+2=", "2"},
    KeyCase{"PastedZeroThenDigit", "1.5", "[0]7", "7"},
    KeyCase{"PastedLongIsKeptWhole", "1.5", "[" + std::string(40, '9') + "]", std::string(40, '9')},
    KeyCase{"PastedLongRefusesDigit", "1.5", "[" + std::string(40, '9') + "]1", std::string(40, '9'), 1},
    KeyCase{"PasteKeepsPointTyped", "1,5", "1.[7].", "7", 1},
    KeyCase{"PasteAfterClearEntryAllowsPoint", "1,5", "c[1,5].", "1,5,"}
), caseName);

INSTANTIATE_TEST_SUITE_P(Percent, KeySequence, ::testing::Values(
    KeyCase{"OfAccumulator", "1.5", "200+10%", "20"},
    KeyCase{"ThenEquals", "1.5", "200+10%=", "220"},
    KeyCase{"Comma", "1,5", "200+12.5%", "25"},
    KeyCase{"Fraction", "1.5", "50+3%", "1.5"},
    KeyCase{"FractionComma", "1,5", "50+3%", "1,5"},
    KeyCase{"NegativeKeepsBarePoint", "1.5", "10~+5%", "-.5"},
    KeyCase{"NegativeKeepsBarePointComma", "1,5", "10~+5%", "-,5"},
    KeyCase{"AfterOperator", "1.5", "200+%", "400"},
    KeyCase{"AtStart", "1.5", "50%", "0"},
    KeyCase{"ClearAllKeepsAccumulator", "1.5", "200+5=C10%", "20.5"},
    KeyCase{"DigitAppends", "1.5", "200+10%5", "205"},
    KeyCase{"Twice", "1.5", "200+10%%", "40"},
    KeyCase{"TextReadsZero", "1.5", "5+[abc]%", "0"}
), caseName);

TEST(KeySequenceState, ChainStateAfterEachStep)
{
    Session s;
    s.press("12+");
    EXPECT_EQ(s.display(), "12");
    EXPECT_EQ(s.state().Accumulator, 12);
    EXPECT_EQ(s.state().OperandCount, 1);
    EXPECT_EQ(s.state().PendingOperator, "+");
    EXPECT_EQ(s.state().InputState, InputKind::OPS);
    s.press("3=");
    EXPECT_EQ(s.state().Accumulator, 15);
    EXPECT_EQ(s.state().Operand, 3);
    EXPECT_EQ(s.state().OperandCount, 1);
    EXPECT_EQ(s.state().PendingOperator, "=");
}

TEST(KeySequenceState, ClearEntryKeepsChainClearAllEndsIt)
{
    Session s;
    s.press("5+3c");
    EXPECT_EQ(s.state().InputState, InputKind::CE);
    EXPECT_EQ(s.state().OperandCount, 1);
    EXPECT_EQ(s.state().PendingOperator, "+");
    s.press("C");
    EXPECT_EQ(s.state().InputState, InputKind::NONE);
    EXPECT_EQ(s.state().OperandCount, 0);
    EXPECT_EQ(s.state().PendingOperator, "");
    EXPECT_EQ(s.state().Accumulator, 5) << "clear all leaves the accumulator";
}

struct StartCase {
    const char* name;
    const char* probe;
    const char* decimal;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class StartUp : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartUp, ChoosesSeparatorFromProbe)
{
    const StartCase& c = GetParam();
    Session s(c.probe);
    EXPECT_EQ(s.state().DecimalChar, c.decimal);
    EXPECT_EQ(s.effects.decimalCaption, c.decimal);
    EXPECT_EQ(s.display(), "0");
    EXPECT_EQ(s.state().InputState, InputKind::NONE);
    EXPECT_EQ(s.state().OperandCount, 0);
    EXPECT_EQ(s.state().PointTyped, 0);
    EXPECT_EQ(s.effects.focusReturns, 0) << "start-up does not move the focus";
}

INSTANTIATE_TEST_SUITE_P(Probes, StartUp, ::testing::Values(
    StartCase{"Point", "1.5", "."},
    StartCase{"Comma", "1,5", ","},
    StartCase{"Momayyez", "1\xD9\xAB" "5", "."},
    StartCase{"Empty", "", "."},
    StartCase{"CommaAnywhere", "1.5,", ","}
), caseName);

struct ErrorCase {
    const char* name;
    std::string keys;
    const char* message;
    std::string display;
    double accumulator;
    std::int16_t operandCount;
    const char* pending;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class ErrorBox : public ::testing::TestWithParam<ErrorCase> {};

// The overflow box leaves everything as before the press; division by zero
// shows the unchanged accumulator and goes on.
TEST_P(ErrorBox, ShowsBoxAndCarriesOn)
{
    const ErrorCase& c = GetParam();
    Session s;
    const int presses = s.press(c.keys);
    ASSERT_EQ(s.effects.errors.size(), 1u) << c.keys;
    EXPECT_EQ(s.effects.errors[0].first, c.message);
    EXPECT_EQ(s.effects.errors[0].second, "Ошибка");
    EXPECT_EQ(s.display(), c.display);
    EXPECT_EQ(s.state().Accumulator, c.accumulator);
    EXPECT_EQ(s.state().OperandCount, c.operandCount);
    EXPECT_EQ(s.state().PendingOperator, c.pending);
    EXPECT_EQ(s.effects.focusReturns, presses);
}

const std::string big = "[1E300]";

INSTANTIATE_TEST_SUITE_P(Boxes, ErrorBox, ::testing::Values(
    ErrorCase{"DivideByZero", "5/0=", "Нельзя делить на ноль", "5", 5, 1, "="},
    ErrorCase{"DivideByNegativeZero", "5/[-0]=", "Нельзя делить на ноль", "5", 5, 1, "="},
    ErrorCase{"DivideByZeroComma", "5/[0,0]=", "Нельзя делить на ноль", "5", 5, 1, "="},
    ErrorCase{"ProductOverflow", big + "*" + big + "=", "Переполнение", "1E300", 1e300, 1, "*"},
    ErrorCase{"SumOverflow", "[1.7E308]+[1.7E308]=", "Переполнение", "1.7E308", 1.7e308, 1, "+"},
    ErrorCase{"QuotientOverflow", big + "/[1E-300]=", "Переполнение", "1E-300", 1e300, 1, "/"},
    ErrorCase{"PastedOverflowFirstOperand", "[1E999]+", "Переполнение", "1E999", 0, 0, ""},
    ErrorCase{"PastedOverflowSecondOperand", "2+[-1E999]=", "Переполнение", "-1E999", 2, 1, "+"},
    ErrorCase{"PercentOverflow", big + "+" + big + "%", "Переполнение", "1E300", 1e300, 1, "+"}
), caseName);

TEST(ErrorBox, OverflowRestoresWholeStateAndChainGoesOn)
{
    Session s;
    s.press("[1E300]*[1E300]");
    const CalculatorState before = s.state();
    s.press("=");
    EXPECT_EQ(s.state().InputState, before.InputState);
    EXPECT_EQ(s.state().Operand, before.Operand);
    EXPECT_EQ(s.state().PointTyped, before.PointTyped);
    s.press("C2+3=");
    EXPECT_EQ(s.display(), "5") << "the calculator is not stuck after an overflow";
}

// 1 + (2^-53 + 2^-64) lies just above the middle between 1 and the next
// double, so it rounds up. Rounded first to the x87's 64-bit mantissa it
// lands on the middle itself, and then to even: 1. Every build (32-bit
// Windows included) must compute in doubles for the two to agree.
TEST(Arithmetic, RoundsEachResultOnceToDouble)
{
    Session s;
    s.press("1+[1.1107651257113993e-16]-1=");
    EXPECT_EQ(s.display(), "2.22044604925031E-16");
}

} // namespace
} // namespace tallix::testing
