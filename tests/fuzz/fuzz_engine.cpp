// libFuzzer target: reads its input as key presses, sign changes, Copy and
// Pastes on the calculator, under either separator, and traps as soon as an
// invariant breaks. Layout: byte 0 picks the separator; then one byte per
// action, followed by the action's own bytes (a code, a pasted text).
#include "Calculator.h"
#include "KeyTable.h"
#include "ReadOut.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace tallix;

struct NullEffects : Effects {
    void displayChanged(std::string_view) override {}
    void beep() override {}
    void showError(std::string_view, std::string_view) override {}
    void focusKeyTrap() override {}
    void setDecimalCaption(std::string_view) override {}
};

constexpr std::array<std::int16_t, 21> keyCodes = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 8,
                                                   13,  27,  '%', '*', '+', ',', '-', '.', '/', '='};

constexpr std::array<std::string_view, 14> edgeNumbers = {
    "1.79769313486231E+308", "-1.79769313486231E+308", "1.7976931348623157E308", "1E308", "1E-320",
    "4.94065645841247E-324", "2.2250738585072E-308", "1E999", "-1E999", "99999999999999999999",
    "0.1", "-0", "1E15", "1E-5"};

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_pos >= m_size; }
    std::uint8_t byte() { return empty() ? 0 : m_data[m_pos++]; }
    std::string_view bytes(std::size_t count)
    {
        count = std::min(count, m_size - m_pos);
        std::string_view taken(reinterpret_cast<const char*>(m_data + m_pos), count);
        m_pos += count;
        return taken;
    }
    std::size_t left() const { return m_size - m_pos; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

void checkState(const Calculator& calculator)
{
    const CalculatorState& s = calculator.state();
    check(s.OperandCount == 0 || s.OperandCount == 1);
    check(s.PointTyped == 0 || s.PointTyped == -1);
    check(s.InputState == InputKind::NUMS || s.InputState == InputKind::OPS || s.InputState == InputKind::CE ||
          s.InputState == InputKind::NONE);
    check(s.PendingOperator.empty() ||
          std::find(operatorCaptions.begin(), operatorCaptions.end(), s.PendingOperator) != operatorCaptions.end());
    check(std::isfinite(s.Accumulator) && std::isfinite(s.Operand));
    check(isValidUtf8(calculator.readOut()));
}

// A display the calculator wrote itself: a number that reads back as itself.
void checkResult(const Calculator& calculator, bool fixNegativePoint)
{
    const std::string& shown = calculator.readOut();
    const std::string& separator = calculator.state().DecimalChar;
    check(shown != "-0" && shown.find("inf") == std::string::npos && shown.find("nan") == std::string::npos);
    const std::optional<double> back = ReadOutToNumber(shown, separator);
    check(back && NumberToReadOut(*back, fixNegativePoint, separator) == shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader input(data, size);
    NullEffects effects;
    Calculator calculator(effects);
    calculator.Form_Load((input.byte() & 1) != 0 ? "1,5" : "1.5");

    while (!input.empty()) {
        const std::string before = calculator.readOut();
        const std::uint8_t action = input.byte() % 26;
        bool wroteResult = false;
        bool fixNegativePoint = true;

        if (action < keyCodes.size()) {
            const std::int16_t code = keyCodes[action];
            pctKeyTrap_KeyPress(calculator, effects, code);
            wroteResult = code == 13 || code == '%' || code == '*' || code == '+' || code == '-' ||
                          code == '/' || code == '=';
            fixNegativePoint = code != '%';
        } else if (action == 21) {
            calculator.cmdOpp_Click();
        } else if (action == 22) {
            check(calculator.readOut() == before); // Copy reads only
        } else if (action == 23) {
            const std::uint8_t length = input.byte();
            calculator.paste(input.bytes(length < 200 ? length : input.left()));
        } else if (action == 24) {
            const auto code = static_cast<std::int16_t>(input.byte() | (input.byte() << 8));
            pctKeyTrap_KeyPress(calculator, effects, code);
        } else {
            std::string text(edgeNumbers[input.byte() % edgeNumbers.size()]);
            if (calculator.state().DecimalChar == "," && (input.byte() & 1) != 0)
                std::replace(text.begin(), text.end(), '.', ',');
            calculator.paste(text);
        }

        checkState(calculator);
        if (wroteResult && calculator.readOut() != before)
            checkResult(calculator, fixNegativePoint);
    }
    return 0;
}
