#include "Driver.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace tallix::testing {
namespace {

// Every code outside the table beeps once and changes nothing: no handler
// runs, so the focus is not even moved.
TEST(KeyTable, OtherCodesBeepAndChangeNothing)
{
    std::vector<int> refused = {0, 7, 9, 10, 127, 128, 0x00B1, 0x0416, -1, -32768, 32767, '0' + 256};
    for (int code = 1; code < 128; ++code) {
        if (code != 8 && code != 13 && code != 27 && std::string_view("0123456789%*+,-./=").find(char(code)) == std::string_view::npos)
            refused.push_back(code);
    }
    for (const int code : refused) {
        Session s;
        s.press("12+3.");
        const CalculatorState before = s.state();
        pctKeyTrap_KeyPress(s.calculator, s.effects, static_cast<std::int16_t>(code));
        EXPECT_EQ(s.effects.beeps, 1) << "code " << code;
        EXPECT_EQ(s.display(), "3.") << "code " << code;
        EXPECT_EQ(s.state(), before) << "code " << code;
        EXPECT_EQ(s.effects.focusReturns, 5) << "code " << code;
    }
}

} // namespace
} // namespace tallix::testing
