#include "Calculator.h"

#include "Utf8.h"

namespace tallix {

Calculator::Calculator(Effects& effects) : m_effects(effects) {}

void Calculator::Form_Load(std::string_view regionalOnePointFive)
{
    m_state.InputState = InputKind::NONE;
    m_state.PointTyped = 0;
    m_state.OperandCount = 0;
    m_state.PendingOperator.clear();

    if (regionalOnePointFive.find(',') != std::string_view::npos) {
        m_state.DecimalChar = ",";
        m_effects.setDecimalCaption(",");
    } else {
        m_state.DecimalChar = ".";
    }
}

void Calculator::paste(std::string_view text)
{
    m_readOut = toValidUtf8(text);
    m_state.InputState = InputKind::NUMS;
}

} // namespace tallix
