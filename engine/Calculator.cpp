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

void Calculator::run(Press press)
{
    switch (press.handler) {
    case Handler::cmdNum_Click: cmdNum_Click(press.Index); break;
    case Handler::cmdDec_Click: cmdDec_Click(); break;
    case Handler::cmdOpp_Click: cmdOpp_Click(); break;
    case Handler::cmdCE_Click: cmdCE_Click(); break;
    case Handler::cmdCancel_Click: cmdCancel_Click(); break;
    case Handler::cmdOper_Click: cmdOper_Click(press.Index); break;
    case Handler::cmdPer_Click: cmdPer_Click(); break;
    case Handler::None: break;
    }
}

void Calculator::paste(std::string_view text)
{
    setDisplay(toValidUtf8(text));
    m_state.InputState = InputKind::NUMS;
}

void Calculator::setDisplay(std::string text)
{
    if (text == m_display)
        return;
    // The window first: one that cannot take the text (memory running out)
    // throws, and the display stays as it was.
    m_effects.displayChanged(text);
    m_display = std::move(text);
}

} // namespace tallix
