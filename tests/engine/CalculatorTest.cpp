#include "Driver.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tallix::testing {
namespace {

using Boxes = decltype(RecordingEffects::errors);

// A press whose result or read number lies beyond the double range shows the
// box; one whose text the window cannot take (its memory running out) throws.
// Either leaves the calculator as it was before the press, so the chain goes on.
TEST(RefusedPress, LeavesStateAndDisplayAsTheyWere)
{
    // The keys before, the refused press, and its box (none: the window takes no text over 10 bytes).
    const char* const overflow = "Переполнение";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"[1E300]*[1E300]", "=", overflow}, {"[1E999]", "+", overflow}, {"2+[-1E999]", "=", overflow},
        {"2+3*[1E999]", "%", overflow}, {"[1E300]+[1E300]", "%", overflow},
        {"12", "[12345678901]", nullptr}, {"1234567891", "0", nullptr}, {"1234567891", "~", nullptr}, {"1/3", "=", nullptr},
    };
    for (const auto& [before, press, box] : cases) {
        Session s;
        s.press(before);
        s.effects.refuseLongerThan = 10;
        const CalculatorState state = s.state();
        const std::string display = s.display();
        if (box)
            s.press(press);
        else
            EXPECT_THROW(s.press(press), std::bad_alloc) << before << press;
        EXPECT_EQ(s.effects.errors, (box ? Boxes{{box, "Ошибка"}} : Boxes{})) << before << press;
        EXPECT_EQ(s.state(), state) << before << press;
        EXPECT_EQ(s.display(), display) << before << press;
    }
}

TEST(DivideByZero, ShowsItsBox)
{
    Session s;
    s.press("5/0=");
    EXPECT_EQ(s.effects.errors, (Boxes{{"Нельзя делить на ноль", "Ошибка"}}));
}

} // namespace
} // namespace tallix::testing
