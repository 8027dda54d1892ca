// libFuzzer target: reads its input as typed characters, sign changes and
// pastes on the calculator, under either separator, and traps as soon as an
// invariant breaks. Layout: byte 0 picks the separator; then one byte per
// action: a character code typed as it is, or one of the four action bytes
// below followed by its own bytes (a 16-bit code, a pasted text).
#include "Driver.h"
#include "Invariants.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace tallix;

enum Action : std::uint8_t { WideCode = 0xFC, SignChange = 0xFD, Paste = 0xFE, PasteEdgeNumber = 0xFF };

constexpr std::array<std::string_view, 12> edgeNumbers = {
    "1.79769313486231E+308", "-1.79769313486231E+308", "1.7976931348623157E308", "1E-320", "4.94065645841247E-324",
    "2.2250738585072E-308", "1E999", "-1E999", "99999999999999999999", "-0", "1E15", "1E-5"};

void check(const std::string& broken)
{
    if (!broken.empty())
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto byte = [&]() -> std::uint8_t {
        const auto b = input.empty() ? 0 : static_cast<std::uint8_t>(input.front());
        input.remove_prefix(std::min<std::size_t>(1, input.size()));
        return b;
    };
    testing::Session s((byte() & 1) != 0 ? "1,5" : "1.5");

    while (!input.empty()) {
        const std::string before = s.display();
        const std::uint8_t action = byte();
        std::int16_t typed = -1;

        if (action == WideCode) {
            typed = static_cast<std::int16_t>(byte() | (byte() << 8));
        } else if (action == SignChange) {
            s.calculator.cmdOpp_Click();
        } else if (action == Paste) {
            const std::uint8_t length = byte(); // 200 and more: the rest of the input
            const std::string_view text = input.substr(0, length < 200 ? length : input.size());
            input.remove_prefix(text.size());
            s.calculator.paste(text);
        } else if (action == PasteEdgeNumber) {
            std::string text(edgeNumbers[byte() % edgeNumbers.size()]);
            if (s.state().DecimalChar == "," && (byte() & 1) != 0)
                std::replace(text.begin(), text.end(), '.', ',');
            s.calculator.paste(text);
        } else {
            typed = action;
        }
        if (typed != -1)
            pctKeyTrap_KeyPress(s.calculator, s.effects, typed);

        check(testing::brokenInvariant(s.calculator));
        const KeyAction key = keyFor(typed).action;
        if ((key == KeyAction::Operator || key == KeyAction::Percent) && s.display() != before)
            check(testing::brokenResult(s.calculator, key == KeyAction::Operator));
    }
    return 0;
}
