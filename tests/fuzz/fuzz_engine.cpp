// libFuzzer target: reads its input as typed characters, sign changes and
// pastes on the calculator, under either separator, and traps as soon as an
// invariant breaks. Layout: byte 0 picks the separator; then one byte per
// action: a character code typed as it is, or one of the four action bytes
// below followed by its own bytes (a 16-bit code, a pasted text).
#include "Calculator.h"
#include "Invariants.h"
#include "KeyTable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace tallix;
using tallix::testing::brokenInvariant;
using tallix::testing::brokenResult;

struct NullEffects : Effects {
    void displayChanged(std::string_view) override {}
    void beep() override {}
    void showError(std::string_view, std::string_view) override {}
    void focusKeyTrap() override {}
    void setDecimalCaption(std::string_view) override {}
};

enum Action : std::uint8_t { WideCode = 0xFC, SignChange = 0xFD, Paste = 0xFE, PasteEdgeNumber = 0xFF };

constexpr std::array<std::string_view, 14> edgeNumbers = {
    "1.79769313486231E+308", "-1.79769313486231E+308", "1.7976931348623157E308", "1E308", "1E-320",
    "4.94065645841247E-324", "2.2250738585072E-308", "1E999", "-1E999", "99999999999999999999",
    "0.1", "-0", "1E15", "1E-5"};

void check(const std::string& broken)
{
    if (!broken.empty())
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader input(data, size);
    NullEffects effects;
    Calculator calculator(effects);
    calculator.Form_Load((input.byte() & 1) != 0 ? "1,5" : "1.5");

    while (!input.empty()) {
        const std::string before = calculator.readOut();
        const std::uint8_t action = input.byte();
        std::int16_t typed = -1;

        if (action == WideCode) {
            typed = static_cast<std::int16_t>(input.byte() | (input.byte() << 8));
        } else if (action == SignChange) {
            calculator.cmdOpp_Click();
        } else if (action == Paste) {
            const std::uint8_t length = input.byte();
            calculator.paste(input.bytes(length < 200 ? length : input.left()));
        } else if (action == PasteEdgeNumber) {
            std::string text(edgeNumbers[input.byte() % edgeNumbers.size()]);
            if (calculator.state().DecimalChar == "," && (input.byte() & 1) != 0)
                std::replace(text.begin(), text.end(), '.', ',');
            calculator.paste(text);
        } else {
            typed = action;
        }
        if (typed != -1)
            pctKeyTrap_KeyPress(calculator, effects, typed);

        check(brokenInvariant(calculator));
        const KeyAction key = keyFor(typed).action;
        if ((key == KeyAction::Operator || key == KeyAction::Percent) && calculator.readOut() != before)
            check(brokenResult(calculator, key == KeyAction::Operator));
    }
    return 0;
}
