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

struct ToText {
    double value;
    const char* text;
};

TEST(NumberToText, WritesFifteenDigitsPlainOrWithExponent)
{
    const ToText cases[] = {
        {15, " 15"},
        {0.25, " .25"},
        {-0.25, "-.25"},
        {0, " 0"},
        {-0.0, " 0"},
        {0.1 + 0.2, " .3"},
        {2.0 / 3, " .666666666666667"},
        {-7, "-7"},
        {1e14, " 100000000000000"},
        {999999999999999.0, " 999999999999999"},
        {1e15, " 1E+15"},
        {-1e16, "-1E+16"},
        {9999999999999999.0, " 1E+16"}, // rounding carries into the exponent
        {1.5e-7, " 1.5E-07"},
        {1e-5, " .00001"},
        {1.25e-5, " .0000125"},
        {9.999999999999999e-6, " .00001"},
        {1e-6, " 1E-06"},
        {1.5e100, " 1.5E+100"},
        {-2.5e-100, "-2.5E-100"},
        {std::numeric_limits<double>::max(), " 1.79769313486231E+308"},
        {-std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
        {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
        {123456789.125, " 123456789.125"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberToText(c.value), c.text) << "value " << c.value;
}

struct FromText {
    const char* text;
    double value;
};

TEST(TextToNumber, ReadsTheLeadingNumber)
{
    const FromText cases[] = {
        {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"inf", 0}, {"nan", 0}, {"-.", 0},
        {"12", 12}, {"  12", 12}, {"\t12", 0}, {"+7", 7}, {"-7", -7}, {".5", 0.5}, {"-.25", -0.25},
        {"5.", 5}, {"12,5", 12}, {"1.5.6", 1.5}, {"1e3", 1000}, {"1E+3", 1000},
        {"2.5e-2", 0.025}, {"1e", 1}, {"1e+", 1}, {"1ex", 1}, {"1E-07x", 1e-7},
        {"0x10", 0}, {"1 2", 1}, {"00012", 12}, {"0.000e999", 0}, {"1e-400", 0}, {"-1e-400", 0},
        {"4.94065645841247E-324", std::numeric_limits<double>::denorm_min()},
        {"1.79769313486231E+308", 1.79769313486231e308},
    };
    for (const auto& c : cases) {
        const ParsedNumber parsed = textToNumber(c.text);
        EXPECT_FALSE(parsed.overflow) << c.text;
        EXPECT_EQ(parsed.value, c.value) << c.text;
    }
}

TEST(TextToNumber, ReportsOverflowBeyondDoubleRange)
{
    for (const char* text : {"1E999", "-1e309", "1.8e308", "1000e306", "1e99999999999999999999",
                             "0.0000001e316"})
        EXPECT_TRUE(textToNumber(text).overflow) << text;
    for (const char* text : {"1e308", "0.00001e313", "1e-99999999999999999999"})
        EXPECT_FALSE(textToNumber(text).overflow) << text;
}

struct ReadOutCase {
    double value;
    const char* point;      // DecimalChar ".", with the negative-point step
    const char* comma;      // DecimalChar ",", with it
    const char* commaBare;  // DecimalChar ",", without it
};

TEST(NumberToReadOut, AppliesSeparatorAndNegativePoint)
{
    const ReadOutCase cases[] = {
        {15, "15", "15", "15"},
        {3.5, "3.5", "3,5", "3,5"},
        {0.25, "0.25", "0,25", "0,25"},
        {-0.25, "-0.25", "-0,25", "-,25"},
        {-7, "-7", "-7", "-7"},
        {0, "0", "0", "0"},
        {-0.0, "0", "0", "0"},
        {1.5e-7, "1.5E-07", "1,5E-07", "1,5E-07"},
        {-1e-7, "-1E-07", "-1E-07", "-1E-07"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberToReadOut(c.value, true, "."), c.point) << c.value;
        EXPECT_EQ(NumberToReadOut(c.value, true, ","), c.comma) << c.value;
        EXPECT_EQ(NumberToReadOut(c.value, false, ","), c.commaBare) << c.value;
    }
}

struct ReadCase {
    const char* text;
    const char* decimal;
    double value;
};

TEST(ReadOutToNumber, ReadsFirstSeparatorOnly)
{
    const ReadCase cases[] = {
        {"12,5", ",", 12.5}, {"-0,5", ",", -0.5}, {"12,5", ".", 12}, {"1,2,3", ",", 1.2},
        {"1.5", ",", 1.5},   {"", ",", 0},        {"abc", ".", 0},   {"5,", ",", 5},
        {"5.", ".", 5},      {"-,25", ",", -0.25}, {"1,5E-07", ",", 1.5e-7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadOutToNumber(c.text, c.decimal), c.value) << c.text << " with " << c.decimal;
    EXPECT_EQ(ReadOutToNumber("1E999", "."), std::nullopt);
    EXPECT_EQ(ReadOutToNumber("-1,8E308", ","), std::nullopt);
}

// Every text a result is shown as reads back as the same value to the
// precision shown, in both separators and with both flag values.
TEST(ReadOutRoundTrip, HoldsAcrossTheWholeDoubleRange)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-307, 307);
    std::bernoulli_distribution negative(0.5);

    std::vector<double> values = {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                                  1e15, 1e-5, 9.99999999999999e14, 0.1, 1.0 / 3};
    for (int i = 0; i < 20000; ++i) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        values.push_back(negative(random) ? -v : v);
    }
    for (const double v : values) {
        if (!std::isfinite(v) || v == 0)
            continue;
        for (const char* decimal : {".", ","}) {
            for (const bool fix : {true, false}) {
                const std::string text = NumberToReadOut(v, fix, decimal);
                const double back = ReadOutToNumber(text, decimal).value();
                ASSERT_EQ(NumberToReadOut(back, fix, decimal), text) << "value " << v;
                ASSERT_LE(std::fabs(back - v), std::fabs(v) * 5e-15) << text;
            }
        }
    }
}

TEST(ReadOutRoundTrip, SubnormalsReadBackNonZero)
{
    for (double v = std::numeric_limits<double>::min(); v > 0; v /= 7.3) {
        const double back = ReadOutToNumber(NumberToReadOut(v, true, ","), ",").value();
        EXPECT_GT(back, 0) << v;
        EXPECT_LE(std::fabs(back - v), std::fabs(v) * 1e-3 + std::numeric_limits<double>::denorm_min());
    }
}

TEST(Utf8, CountsCodePointsAndRepairsBytes)
{
    EXPECT_EQ(codePointCount("abc"), 3u);
    EXPECT_EQ(codePointCount("Жж±"), 3u);
    EXPECT_EQ(codePointCount("\xF0\x9F\x98\x80"), 1u);

    const struct {
        const char* bytes;
        const char* text;
    } repairs[] = {
        {"ok", "ok"},
        {"\xFF", "\xEF\xBF\xBD"},
        {"a\xD0", "a\xEF\xBF\xBD"},                         // cut sequence at the end
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},           // overlong
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // surrogate
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"Ж\x80Ж", "Ж\xEF\xBF\xBDЖ"},
    };
    for (const auto& r : repairs) {
        EXPECT_EQ(toValidUtf8(r.bytes), r.text);
        EXPECT_TRUE(isValidUtf8(toValidUtf8(r.bytes)));
    }
    EXPECT_FALSE(isValidUtf8("\xC3"));
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));
}

} // namespace
} // namespace tallix
