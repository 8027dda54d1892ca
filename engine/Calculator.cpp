#include "Calculator.h"

#include "Utf8.h"

#include <utility>

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
    setReadOut(toValidUtf8(text));
    m_state.InputState = InputKind::NUMS;
}

void Calculator::setReadOut(std::string text)
{
    if (text == m_readOut)
        return;
    m_readOut = std::move(text);
    m_effects.displayChanged(m_readOut);
}

} // namespace tallix
