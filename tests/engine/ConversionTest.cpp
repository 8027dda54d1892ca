#include "NumberText.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>

namespace tallix {
namespace {

TEST(NumberToText, WritesFifteenDigitsPlainOrWithExponent)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {15, " 15"}, {-0.25, "-.25"}, {-0.0, " 0"}, {0.1 + 0.2, " .3"}, {1200, " 1200"}, {123456789.125, " 123456789.125"},
        {999999999999999.0, " 999999999999999"}, {1e15, " 1E+15"}, {9999999999999999.0, " 1E+16"}, // rounding carries into the exponent
        {1.25e-5, " .0000125"}, {9.999999999999999e-6, " .00001"}, {1e-6, " 1E-06"}, {1.5e-9, " 1.5E-09"}, {-1e-10, "-1E-10"},
        {1.5e100, " 1.5E+100"}, {std::numeric_limits<double>::max(), " 1.79769313486231E+308"}, // cut, not rounded beyond the range
        {1.7976931348623e308, " 1.7976931348623E+308"}, {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberToText(c.value), c.text) << "value " << c.value;
}

// Overflow is reported beyond the double range only; underflow reads as 0.
TEST(TextToNumber, ReadsTheLeadingNumber)
{
    const std::string longFraction = "0." + std::string(500, '0') + "1e99"; // underflows whatever its exponent's digits
    const std::string longZeros = "0." + std::string(1000, '0') + "1e1310"; // an exponent longer than the zeros
    const std::string longInteger = "1" + std::string(400, '0') + "x-999"; // junk, no exponent
    const std::string longerInteger = "1" + std::string(1809, '0') + "e-1500"; // the exponent shorter than the integer
    const struct {
        std::string_view text;
        double value;
        bool overflow = false;
    } cases[] = {
        {"", 0}, {"-.", 0}, {"inf", 0}, {"  12", 12}, {"\t12", 0}, {"+7", 7}, {"-.25", -0.25}, {"12,5", 12}, {"1.5.6", 1.5},
        {"1E+3", 1000}, {"2.5e-2", 0.025}, {"1e", 1}, {"1e+", 1}, {"1e-x", 1}, {"1E-07x", 1e-7}, {"00012", 12},
        {"0.000e999", 0}, {"-1e-400", 0}, {"0.05e1", 0.5}, {"4.94065645841247E-324", std::numeric_limits<double>::denorm_min()},
        {"1e308", 1e308}, {"1e-99999999999999999999", 0}, {"0.1e-330", 0}, {"10e-330", 0}, {longFraction, 0},
        {"-1e309", 0, true}, {"1000e306", 0, true}, {"0.01e311", 0, true}, {"1e99999999999999999999", 0, true},
        {longZeros, 0, true}, {longInteger, 0, true}, {longerInteger, 0, true},
        // The number ends where the text ends, whatever follows it in memory.
        {std::string_view("1.5", 2), 1}, {std::string_view("1e+5", 3), 1}, {std::string_view("-5", 1), 0},
        {std::string_view(" 5", 1), 0}, {std::string_view("1e55", 3), 1e5},
    };
    for (const auto& c : cases) {
        const ParsedNumber parsed = textToNumber(c.text);
        EXPECT_EQ(parsed.overflow, c.overflow) << c.text;
        if (!c.overflow) {
            EXPECT_EQ(parsed.value, c.value) << c.text;
        }
    }
}

// Each row sits on one edge of the well-formed ranges.
TEST(Utf8, RepairsExactlyTheMalformedSequences)
{
    const struct {
        const char* bytes;
        const char* text; // after repair; "!" stands for U+FFFD
    } cases[] = {
        {"\x7F", "\x7F"}, {"\x80", "!"}, {"a\xD0", "a!"}, {"Ж\x80Ж", "Ж!Ж"},
        {"\xC1\xBF", "!!"}, {"\xC2\x80", "\xC2\x80"}, {"\xDF\xBF", "\xDF\xBF"}, {"\xDF\xC0", "!!"},
        {"\xE0\x9F\xBF", "!!!"}, {"\xE0\xA0\x80", "\xE0\xA0\x80"}, {"\xED\x9F\xBF", "\xED\x9F\xBF"},
        {"\xED\xA0\x80", "!!!"}, {"\xEF\xBF\xBF", "\xEF\xBF\xBF"}, {"\xEF\xBF\x7F", "!!\x7F"},
        {"\xF0\x8F\xBF\xBF", "!!!!"}, {"\xF0\x90\x80\x80", "\xF0\x90\x80\x80"}, {"\xF0\x90\x80", "!!!"},
        {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"}, {"\xF4\x90\x80\x80", "!!!!"}, {"\xF5\x80\x80\x80", "!!!!"},
    };
    for (const auto& c : cases) {
        std::string expected;
        for (const char* p = c.text; *p; ++p)
            expected += *p == '!' ? std::string("\xEF\xBF\xBD") : std::string(1, *p);
        EXPECT_EQ(toValidUtf8(c.bytes), expected) << c.bytes;
        EXPECT_EQ(isValidUtf8(c.bytes), expected == c.bytes) << c.bytes;
    }
}

} // namespace
} // namespace tallix
