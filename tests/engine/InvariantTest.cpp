#include "Actions.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tallix::testing {
namespace {

// 100 seeded sequences of 500 presses and pastes each, half of them under
// the comma separator: every rule holds after every step.
TEST(RandomSequence, RulesHoldAfterEveryStep)
{
    std::vector<std::string> tokens = {"\b", "\r", "\x1b", "%", "*", "+", ",", "-", ".", "/", "=", "\xFD", "a"};
    for (char digit = '0'; digit <= '9'; ++digit)
        tokens.emplace_back(1, digit);
    for (const std::string_view text : {"", "0", "-0", "abc", "12,5", "1.5", "0,0", "-,5", "Жж", "\xFF\xFE", "1e", " 7"})
        tokens.push_back("\xFE" + std::string(1, static_cast<char>(text.size())) + std::string(text));
    for (std::size_t i = 0; i < edgeNumbers.size(); ++i)
        tokens.push_back("\xFF" + std::string(1, static_cast<char>(i)) + "\x01");

    std::mt19937 random(42);
    std::uniform_int_distribution<std::size_t> pick(0, tokens.size() - 1);
    for (int run = 0; run < 100; ++run) {
        std::string input(1, static_cast<char>(run % 2));
        for (int step = 0; step < 500; ++step)
            input += tokens[pick(random)];
        ASSERT_EQ(brokenRule(input), "") << "run " << run;
    }
}

} // namespace
} // namespace tallix::testing
