// The operator buttons and percent. Evaluation is strictly left to right:
// each operator applies the one pressed before it, so 2 + 3 * 4 = shows 20.
#include "Calculator.h"

#include "ReadOut.h"

#include <cfloat>
#include <cmath>
#include <optional>
#include <utility>

// Every result is a double rounded once, on every platform: 32-bit x86 must
// compute with SSE2 (-msse2 -mfpmath=sse), not with the x87's 80-bit
// intermediates, which round some results differently.
static_assert(FLT_EVAL_METHOD == 0, "doubles must be computed as doubles");

namespace tallix {

void Calculator::cmdOper_Click(std::int16_t Index)
{
    if (Index >= 0 && Index < static_cast<std::int16_t>(operatorCaptions.size())) {
        // The press works on a copy and keeps it only when every number stayed
        // in range: an overflow leaves the calculator as it was before the
        // press, so the chain goes on instead of sticking at two operands.
        CalculatorState s = m_state;
        std::string shown = m_display;
        bool inRange = true;

        if (s.InputState == InputKind::NUMS)
            ++s.OperandCount;

        if (s.OperandCount == 1) {
            const std::optional<double> entry = ReadOutToNumber(m_display, s.DecimalChar);
            inRange = entry.has_value();
            s.Accumulator = entry.value_or(s.Accumulator);
        } else if (s.OperandCount == 2) {
            inRange = evaluate(s, shown);
        }

        if (inRange) {
            s.InputState = InputKind::OPS;
            s.PendingOperator = operatorCaptions[static_cast<std::size_t>(Index)];
            setDisplay(shown);
            m_state = std::move(s);
        } else {
            m_effects.showError(overflowMessage, errorTitle);
        }
    }
    m_effects.focusKeyTrap();
}

bool Calculator::evaluate(CalculatorState& s, std::string& shown)
{
    const std::optional<double> entry = ReadOutToNumber(m_display, s.DecimalChar);
    if (!entry)
        return false;
    s.Operand = *entry;

    // The operator pending is known by the caption of its button.
    const auto pending = [&](std::int16_t Index) {
        return s.PendingOperator == operatorCaptions[static_cast<std::size_t>(Index)];
    };
    if (pending(oper::plus)) {
        s.Accumulator = s.Accumulator + s.Operand;
    } else if (pending(oper::minus)) {
        s.Accumulator = s.Accumulator - s.Operand;
    } else if (pending(oper::times)) {
        s.Accumulator = s.Accumulator * s.Operand;
    } else if (pending(oper::divide)) {
        if (s.Operand == 0.0)
            m_effects.showError(divideByZeroMessage, errorTitle); // then show the accumulator as it is
        else
            s.Accumulator = s.Accumulator / s.Operand;
    } else if (pending(oper::equals)) {
        s.Accumulator = s.Operand; // a new entry after a result starts afresh: 3 = 4 = shows 4
    }
    if (!std::isfinite(s.Accumulator))
        return false;

    shown = NumberToReadOut(s.Accumulator, true, s.DecimalChar);
    s.OperandCount = 1;
    return true;
}

// Replaces the display with that many percent of the accumulator and touches
// nothing else: 200 + 10 % shows 20, and = then gives 220.
void Calculator::cmdPer_Click()
{
    bool inRange = false;
    if (const std::optional<double> x = ReadOutToNumber(m_display, m_state.DecimalChar)) {
        const double r = (*x * m_state.Accumulator) / 100;
        inRange = std::isfinite(r);
        if (inRange)
            setDisplay(NumberToReadOut(r, false, m_state.DecimalChar));
    }
    if (!inRange)
        m_effects.showError(overflowMessage, errorTitle);
    m_effects.focusKeyTrap();
}

} // namespace tallix
