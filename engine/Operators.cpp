// The operator buttons and percent. Evaluation is strictly left to right:
// each operator applies the one pressed before it, so 2 + 3 * 4 = shows 20.
#include "Calculator.h"

#include "ReadOut.h"

#include <cmath>

namespace tallix {

namespace {

double finiteOrOverflow(double result)
{
    if (!std::isfinite(result))
        throw Overflow();
    return result;
}

} // namespace

void Calculator::cmdOper_Click(std::int16_t Index)
{
    if (Index >= 0 && Index < static_cast<std::int16_t>(operatorCaptions.size())) {
        // An overflow leaves the calculator exactly as it was before the press,
        // so the chain goes on instead of sticking at two operands.
        const CalculatorState before = m_state;
        try {
            if (m_state.InputState == InputKind::NUMS)
                ++m_state.OperandCount;

            if (m_state.OperandCount == 1)
                m_state.Accumulator = ReadOutToNumber(m_readOut, m_state.DecimalChar);
            else if (m_state.OperandCount == 2)
                evaluate();

            m_state.InputState = InputKind::OPS;
            m_state.PendingOperator = operatorCaptions[static_cast<std::size_t>(Index)];
        } catch (const Overflow&) {
            m_state = before;
            m_effects.showError(overflowMessage, errorTitle);
        }
    }
    m_effects.focusKeyTrap();
}

void Calculator::evaluate()
{
    CalculatorState& s = m_state;
    s.Operand = ReadOutToNumber(m_readOut, s.DecimalChar);

    const std::string& op = s.PendingOperator;
    if (op == "+") {
        s.Accumulator = finiteOrOverflow(s.Accumulator + s.Operand);
    } else if (op == "-") {
        s.Accumulator = finiteOrOverflow(s.Accumulator - s.Operand);
    } else if (op == "*") {
        s.Accumulator = finiteOrOverflow(s.Accumulator * s.Operand);
    } else if (op == "/") {
        if (s.Operand == 0.0)
            m_effects.showError(divideByZeroMessage, errorTitle); // then show the accumulator as it is
        else
            s.Accumulator = finiteOrOverflow(s.Accumulator / s.Operand);
    } else if (op == "=") {
        s.Accumulator = s.Operand; // a new entry after a result starts afresh: 3 = 4 = shows 4
    }

    m_readOut = NumberToReadOut(s.Accumulator, true, s.DecimalChar);
    s.OperandCount = 1;
}

// Replaces the display with that many percent of the accumulator and touches
// nothing else: 200 + 10 % shows 20, and = then gives 220.
void Calculator::cmdPer_Click()
{
    try {
        const double x = ReadOutToNumber(m_readOut, m_state.DecimalChar);
        const double r = finiteOrOverflow((x * m_state.Accumulator) / 100);
        m_readOut = NumberToReadOut(r, false, m_state.DecimalChar);
    } catch (const Overflow&) {
        m_effects.showError(overflowMessage, errorTitle);
    }
    m_effects.focusKeyTrap();
}

} // namespace tallix
