#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace tallix {

namespace {

constexpr int significantDigits = 15;
constexpr int lowestPlainExponent = -5;
constexpr int highestPlainExponent = 14;

struct Decimal {
    std::string digits; // no trailing zeros, at least one digit
    int exponent = 0;   // value = 0.d1d2d3... * 10^(exponent + 1)
};

// The 15-digit scientific form from to_chars, split into digits and exponent.
Decimal toDecimal(double magnitude, int digitsAfterPoint)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, digitsAfterPoint);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    const std::size_t e = text.find('e');
    Decimal decimal;
    decimal.digits.push_back(text[0]);
    if (e > 2)
        decimal.digits.append(text.substr(2, e - 2));
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    decimal.exponent);
    return decimal;
}

Decimal roundedDecimal(double magnitude)
{
    Decimal decimal = toDecimal(magnitude, significantDigits - 1);
    // Rounding the largest doubles up to 15 digits would give a text beyond
    // the double range (1.79769313486232E+308) that could not be read back;
    // cut the digits instead.
    if (decimal.exponent == std::numeric_limits<double>::max_exponent10) {
        std::string candidate = "0." + decimal.digits + "e309";
        if (textToNumber(candidate).overflow) {
            decimal = toDecimal(magnitude, std::numeric_limits<double>::max_digits10 - 1);
            decimal.digits.resize(significantDigits);
        }
    }
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    return decimal;
}

std::string plainText(const Decimal& decimal)
{
    const int pointAfter = decimal.exponent + 1; // digits before the point
    const auto count = static_cast<int>(decimal.digits.size());
    if (pointAfter <= 0)
        return "." + std::string(static_cast<std::size_t>(-pointAfter), '0') + decimal.digits;
    if (pointAfter >= count)
        return decimal.digits + std::string(static_cast<std::size_t>(pointAfter - count), '0');
    return decimal.digits.substr(0, static_cast<std::size_t>(pointAfter)) + "." +
           decimal.digits.substr(static_cast<std::size_t>(pointAfter));
}

std::string exponentText(const Decimal& decimal)
{
    std::string text = decimal.digits.substr(0, 1);
    if (decimal.digits.size() > 1)
        text += "." + decimal.digits.substr(1);
    text += decimal.exponent < 0 ? "E-" : "E+";
    const int absExponent = std::abs(decimal.exponent);
    if (absExponent < 10)
        text += '0';
    text += std::to_string(absExponent);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string numberToText(double value)
{
    if (value == 0.0)
        return " 0"; // negative zero included
    const std::string sign = std::signbit(value) ? "-" : " ";
    const Decimal decimal = roundedDecimal(std::fabs(value));
    if (decimal.exponent >= lowestPlainExponent && decimal.exponent <= highestPlainExponent)
        return sign + plainText(decimal);
    return sign + exponentText(decimal);
}

ParsedNumber textToNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    const std::size_t start = pos;
    std::size_t firstNonZero = std::string_view::npos;
    std::size_t integerDigits = 0;
    std::size_t fractionZeros = 0; // zeros after the point before the first other digit
    while (pos < text.size() && isDigit(text[pos])) {
        if (firstNonZero == std::string_view::npos && text[pos] != '0')
            firstNonZero = pos;
        if (firstNonZero != std::string_view::npos)
            ++integerDigits;
        ++pos;
    }
    bool anyDigit = pos > start;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            if (firstNonZero == std::string_view::npos) {
                if (text[pos] == '0')
                    ++fractionZeros;
                else
                    firstNonZero = pos;
            }
            anyDigit = true;
            ++pos;
        }
    }
    if (!anyDigit)
        return {};

    long long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponentPos = pos + 1;
        bool exponentNegative = false;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            exponentNegative = text[exponentPos] == '-';
            ++exponentPos;
        }
        if (exponentPos < text.size() && isDigit(text[exponentPos])) {
            // Only the sign of the leading digit's exponent is ever asked, and
            // the digits move it by less than the text's length; beyond that
            // (plus the double range) the exponent can stop growing.
            const auto saturation = static_cast<long long>(text.size()) + 400;
            while (exponentPos < text.size() && isDigit(text[exponentPos])) {
                exponent = std::min(saturation, exponent * 10 + (text[exponentPos] - '0'));
                ++exponentPos;
            }
            if (exponentNegative)
                exponent = -exponent;
            pos = exponentPos;
        }
    }

    ParsedNumber parsed;
    if (firstNonZero == std::string_view::npos)
        return parsed; // all zeros, whatever the exponent

    double magnitude = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + pos, magnitude,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: tell overflow from underflow by the decimal
        // exponent of the leading digit. Underflow reads as 0.
        const long long leadExponent = integerDigits > 0
                                           ? static_cast<long long>(integerDigits) - 1 + exponent
                                           : -static_cast<long long>(fractionZeros) - 1 + exponent;
        if (leadExponent > 0)
            parsed.overflow = true;
        return parsed;
    }
    parsed.value = negative ? -magnitude : magnitude;
    return parsed;
}

} // namespace tallix
