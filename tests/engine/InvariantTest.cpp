#include "Driver.h"
#include "ReadOut.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace tallix::testing {
namespace {

const char* const pasted[] = {
    "", "0", "-0", "abc", "12,5", "1.5", "1E999", "-1E999", "1.7E308", "-1.7E308", "1E-320",
    "4.94065645841247E-324", "99999999999999999999", "0,0", "-,5", "Жж", "\xFF\xFE", "1e", " 7",
};

void expectInvariants(const Session& s, const std::string& history)
{
    const CalculatorState& st = s.state();
    ASSERT_TRUE(st.OperandCount == 0 || st.OperandCount == 1) << history;
    ASSERT_TRUE(st.PointTyped == 0 || st.PointTyped == -1) << history;
    ASSERT_TRUE(st.InputState == InputKind::NUMS || st.InputState == InputKind::OPS ||
                st.InputState == InputKind::CE || st.InputState == InputKind::NONE)
        << history;
    ASSERT_TRUE(st.PendingOperator.empty() ||
                std::find(operatorCaptions.begin(), operatorCaptions.end(), st.PendingOperator) !=
                    operatorCaptions.end())
        << history;
    ASSERT_TRUE(std::isfinite(st.Accumulator) && std::isfinite(st.Operand)) << history;
    std::string lower = s.display();
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    ASSERT_EQ(lower.find("inf"), std::string::npos) << history;
    ASSERT_EQ(lower.find("nan"), std::string::npos) << history;
    ASSERT_TRUE(isValidUtf8(s.display())) << history;
}

TEST(RandomSequence, InvariantsHoldAfterEveryStep)
{
    for (const char* regional : {"1.5", "1,5"}) {
        Session s(regional);
        std::mt19937 random(42);
        const std::string keys = "0123456789.~cC%+-*/=";
        std::uniform_int_distribution<std::size_t> pick(0, keys.size()); // last slot: paste
        std::uniform_int_distribution<std::size_t> pickPaste(0, std::size(pasted) - 1);
        std::string history;

        for (int step = 0; step < 50000; ++step) {
            const std::size_t choice = pick(random);
            std::string script = choice < keys.size() ? std::string(1, keys[choice])
                                                      : "[" + std::string(pasted[pickPaste(random)]) + "]";
            if (history.size() > 200)
                history.erase(0, history.size() - 200);
            history += script;

            const std::string before = s.display();
            const int focusBefore = s.effects.focusReturns;
            const int presses = s.press(script);
            ASSERT_EQ(s.effects.focusReturns - focusBefore, presses) << history;
            ASSERT_EQ(s.effects.lastDisplay, s.display()) << "the window is told every change: " << history;
            expectInvariants(s, history);

            // A result the engine wrote reads back as itself.
            const bool wroteResult = std::string_view("%+-*/=").find(script[0]) != std::string_view::npos;
            if (wroteResult && s.display() != before) {
                const std::string& shown = s.display();
                const bool fix = script[0] != '%';
                ASSERT_EQ(NumberToReadOut(ReadOutToNumber(shown, s.state().DecimalChar).value(), fix,
                                          s.state().DecimalChar),
                          shown)
                    << history;
            }
        }
    }
}

} // namespace
} // namespace tallix::testing
