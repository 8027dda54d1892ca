#include "NumberText.h"
#include "ReadOut.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace tallix {
namespace {

constexpr double maxDouble = std::numeric_limits<double>::max();

TEST(NumberToText, WritesFifteenDigitsPlainOrWithExponent)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {15, " 15"}, {-0.25, "-.25"}, {0, " 0"}, {-0.0, " 0"}, {0.1 + 0.2, " .3"}, {1200, " 1200"},
        {2.0 / 3, " .666666666666667"}, {123456789.125, " 123456789.125"}, {999999999999999.0, " 999999999999999"},
        {1e15, " 1E+15"}, {-1e16, "-1E+16"}, {9999999999999999.0, " 1E+16"}, // rounding carries into the exponent
        {1.25e-5, " .0000125"}, {9.999999999999999e-6, " .00001"}, {1e-6, " 1E-06"}, {1.5e-7, " 1.5E-07"},
        {1e-9, " 1E-09"}, {-1e-10, "-1E-10"}, {1.5e100, " 1.5E+100"}, {-2.5e-100, "-2.5E-100"},
        {maxDouble, " 1.79769313486231E+308"}, // cut, not rounded beyond the range
        {1.7976931348623e308, " 1.7976931348623E+308"},
        {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberToText(c.value), c.text) << "value " << c.value;
}

TEST(TextToNumber, ReadsTheLeadingNumber)
{
    const std::string longFraction = "0." + std::string(500, '0') + "1e99";
    const struct {
        std::string_view text;
        double value;
    } cases[] = {
        {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"inf", 0}, {"nan", 0}, {"-.", 0},
        {"12", 12}, {"  12", 12}, {"\t12", 0}, {"+7", 7}, {"-7", -7}, {".5", 0.5}, {"-.25", -0.25},
        {"5.", 5}, {"12,5", 12}, {"1.5.6", 1.5}, {"1e3", 1000}, {"1E+3", 1000}, {"2.5e-2", 0.025},
        {"1e", 1}, {"1e+", 1}, {"1e-x", 1}, {"1ex", 1}, {"1E-07x", 1e-7}, {"0x10", 0}, {"1 2", 1},
        {"00012", 12}, {"0.000e999", 0}, {"1e-400", 0}, {"-1e-400", 0}, {"0.05e1", 0.5},
        {"4.94065645841247E-324", std::numeric_limits<double>::denorm_min()},
        // The number ends where the text ends, whatever follows it in memory.
        {std::string_view("12", 1), 1}, {std::string_view("1.5", 2), 1}, {std::string_view("1e5", 2), 1},
        {std::string_view("1e+5", 3), 1}, {std::string_view("-5", 1), 0}, {std::string_view(" 5", 1), 0},
        {std::string_view("1e55", 3), 1e5},
        // A long fraction underflows whatever its exponent's digits.
        {longFraction, 0},
    };
    for (const auto& c : cases) {
        const ParsedNumber parsed = textToNumber(c.text);
        EXPECT_FALSE(parsed.overflow) << c.text;
        EXPECT_EQ(parsed.value, c.value) << c.text;
    }
}

TEST(TextToNumber, ReportsOverflowBeyondDoubleRangeOnly)
{
    // Junk after a long integer is no exponent; a negative exponent shorter
    // than the integer keeps it beyond the range.
    const std::string longInteger = "1" + std::string(400, '0');
    const std::string longerInteger = "1" + std::string(1809, '0') + "e-1500";
    using namespace std::string_literals;
    for (const std::string& text : {"1E999"s, "-1e309"s, "1.8e308"s, "1000e306"s, "1e99999999999999999999"s,
                                    "0.0000001e316"s, "0.01e311"s, "10e308"s, longInteger, longInteger + "e1!!!",
                                    longInteger + "x-999", longerInteger})
        EXPECT_TRUE(textToNumber(text).overflow) << text;
    for (const char* text : {"1e308", "0.00001e313", "1e-99999999999999999999", "0.1e-330", "10e-330"})
        EXPECT_FALSE(textToNumber(text).overflow) << text;
}

// Every text a result is shown as reads back as the same value to the
// precision shown, in both separators and with both flag values.
TEST(ReadOutRoundTrip, HoldsAcrossTheWholeDoubleRange)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-307, 307);
    std::bernoulli_distribution negative(0.5);

    std::vector<double> values = {maxDouble, std::numeric_limits<double>::min(), 1e15, 1e-5, 9.99999999999999e14};
    for (int i = 0; i < 20000; ++i) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        values.push_back(negative(random) ? -v : v);
    }
    for (double v = std::numeric_limits<double>::min(); v > 0; v /= 7.3)
        values.push_back(v); // subnormals too
    for (const double v : values) {
        for (const char* decimal : {".", ","}) {
            for (const bool fix : {true, false}) {
                const std::string text = NumberToReadOut(v, fix, decimal);
                const double back = ReadOutToNumber(text, decimal).value();
                ASSERT_EQ(NumberToReadOut(back, fix, decimal), text) << "value " << v;
                ASSERT_LE(std::fabs(back - v), std::fabs(v) * 5e-15 + 1e-323) << text;
            }
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
        {"ok", "ok"}, {"\x7F", "\x7F"}, {"\x80", "!"}, {"a\xD0", "a!"}, {"Ж\x80Ж", "Ж!Ж"},
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
        EXPECT_EQ(codePointCount(toValidUtf8(c.bytes)), codePointCount(c.text)) << c.bytes;
    }
}

} // namespace
} // namespace tallix
