// Reads bytes as actions on a just-started calculator and checks after each
// one what must always hold; the fuzz target runs it. Byte 0 picks the
// separator; then one byte per action: a character code typed as it is, or
// an action byte below with its own bytes.
#pragma once

#include "Driver.h"
#include "ReadOut.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallix::testing {

enum ActionByte : std::uint8_t {
    WideCode = 0xFC,       // then two bytes: a 16-bit character code, typed
    SignChange = 0xFD,     // the sign-change button
    Paste = 0xFE,          // then a length byte and that many bytes (200 and more: the rest)
    PasteEdgeNumber = 0xFF // then an index and, with the comma separator, a byte whose bit 0 writes it with ","
};

inline constexpr std::array<std::string_view, 12> edgeNumbers = {
    "1.79769313486231E+308", "-1.79769313486231E+308", "1.7976931348623157E308", "1E-320", "4.94065645841247E-324",
    "2.2250738585072E-308", "1E999", "-1E999", "99999999999999999999", "-0", "1E15", "1E-5"};

// The rule that broke and after which action, or "" when every rule held throughout.
inline std::string brokenRule(std::string_view input)
{
    const auto byte = [&]() -> std::uint8_t {
        const auto b = input.empty() ? 0 : static_cast<std::uint8_t>(input.front());
        input.remove_prefix(std::min<std::size_t>(1, input.size()));
        return b;
    };
    Session s((byte() & 1) != 0 ? "1,5" : "1.5");
    for (int step = 1; !input.empty(); ++step) {
        const std::string before = s.display();
        const int focus = s.effects.focusReturns;
        const int changes = s.effects.displayChanges;
        const std::uint8_t action = byte();
        Press key;

        if (action == SignChange) {
            s.press("~");
        } else if (action == Paste) {
            const std::uint8_t length = byte();
            const std::string_view text = input.substr(0, length < 200 ? length : input.size());
            input.remove_prefix(text.size());
            s.calculator.paste(text);
        } else if (action == PasteEdgeNumber) {
            std::string text(edgeNumbers[byte() % edgeNumbers.size()]);
            if (s.state().DecimalChar == "," && (byte() & 1) != 0)
                std::replace(text.begin(), text.end(), '.', ',');
            s.calculator.paste(text);
        } else {
            const auto code = static_cast<std::int16_t>(action == WideCode ? byte() | (byte() << 8) : action);
            key = keyFor(code);
            pctKeyTrap_KeyPress(s.calculator, s.effects, code);
        }

        const CalculatorState& st = s.state();
        const std::string& shown = s.display();
        const int handlers = action == SignChange || key.handler != Handler::None;
        // A result the calculator wrote must read back as the very same text.
        const bool wroteResult = (key.handler == Handler::cmdOper_Click || key.handler == Handler::cmdPer_Click) && shown != before;
        const std::optional<double> back = wroteResult ? ReadOutToNumber(shown, st.DecimalChar) : std::nullopt;
        const std::pair<bool, const char*> rules[] = {
            {st.OperandCount == 0 || st.OperandCount == 1, "OperandCount neither 0 nor 1"},
            {st.PointTyped == 0 || st.PointTyped == -1, "PointTyped neither 0 nor -1"},
            {st.PendingOperator.empty() || std::ranges::count(operatorCaptions, st.PendingOperator) == 1, "PendingOperator no caption"},
            {std::isfinite(st.Accumulator) && std::isfinite(st.Operand), "a number not finite"},
            {isValidUtf8(shown), "a display that is not UTF-8"},
            {s.effects.focusReturns - focus == handlers, "the focus not given back exactly once per handler"},
            {s.effects.displayChanges - changes == (shown != before) && s.effects.lastDisplay == shown,
             "the window not told exactly the display's changes"},
            {!wroteResult || (shown != "-0" && back &&
                              NumberToReadOut(*back, key.handler == Handler::cmdOper_Click, st.DecimalChar) == shown),
             "a result that does not read back"},
        };
        for (const auto& [holds, rule] : rules) {
            if (!holds)
                return std::string(rule) + " after action " + std::to_string(step) + ", the display " + shown;
        }
    }
    return "";
}

} // namespace tallix::testing
