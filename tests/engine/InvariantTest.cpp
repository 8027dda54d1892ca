#include "Driver.h"
#include "Invariants.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tallix::testing {
namespace {

const char* const pasted[] = {
    "", "0", "-0", "abc", "12,5", "1.5", "1E999", "-1E999", "1.7E308", "-1.7E308", "1E-320",
    "4.94065645841247E-324", "99999999999999999999", "0,0", "-,5", "Жж", "\xFF\xFE", "1e", " 7",
};

// 50,000 seeded presses and pastes under each separator; after every step
// the invariants hold, the window was told exactly the changes of the
// display, and every result the calculator wrote reads back as itself.
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
            const std::string script = choice < keys.size() ? std::string(1, keys[choice])
                                                            : "[" + std::string(pasted[pickPaste(random)]) + "]";
            if (history.size() > 200)
                history.erase(0, history.size() - 200);
            history += script;

            const std::string before = s.display();
            const int focusBefore = s.effects.focusReturns;
            const int changesBefore = s.effects.displayChanges;
            ASSERT_EQ(s.effects.focusReturns - focusBefore, s.press(script)) << history;
            ASSERT_EQ(brokenInvariant(s.calculator), "") << history;
            ASSERT_EQ(s.effects.displayChanges - changesBefore, s.display() != before ? 1 : 0) << history;
            ASSERT_EQ(s.effects.lastDisplay, s.display()) << history;

            if (std::string_view("%+-*/=").find(script[0]) != std::string_view::npos && s.display() != before) {
                ASSERT_EQ(brokenResult(s.calculator, script[0] != '%'), "") << history;
            }
        }
    }
}

} // namespace
} // namespace tallix::testing
