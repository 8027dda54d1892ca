// Digits, decimal point, sign change, clear entry and clear all. They never
// compute a number: they only compare, append, prefix and cut the display.
#include "Calculator.h"

#include "Utf8.h"

namespace tallix {

namespace {

constexpr std::size_t entryLengthLimit = 32;

} // namespace

void Calculator::cmdNum_Click(std::int16_t Index)
{
    if (Index >= 0 && Index <= 9) {
        // A digit on "0", or after anything but typing, begins a new entry.
        const bool begins = m_display == "0" || m_state.InputState != InputKind::NUMS;
        const std::string_view entry = begins ? std::string_view() : std::string_view(m_display);

        // Counting characters, sign and point included. A refused digit leaves
        // the display alone, so a long entry never loses its sign.
        if (codePointCount(entry) < entryLengthLimit)
            setDisplay(std::string(entry) + static_cast<char>('0' + Index));
        else
            m_effects.beep();

        if (begins)
            m_state.PointTyped = 0;
        m_state.InputState = InputKind::NUMS;
    }
    m_effects.focusKeyTrap();
}

void Calculator::cmdDec_Click()
{
    if (m_state.InputState != InputKind::NUMS)
        setDisplay("0" + m_state.DecimalChar);
    else if (m_state.PointTyped != 0)
        m_effects.beep();
    else
        setDisplay(m_display + m_state.DecimalChar);

    m_state.PointTyped = -1;
    m_state.InputState = InputKind::NUMS;
    m_effects.focusKeyTrap();
}

void Calculator::cmdOpp_Click()
{
    // Only an entry being typed takes a sign, and not a bare zero: "0", "0."
    // and "0," stay as they are, while "0.0" becomes "-0.0".
    const bool applies = m_state.InputState == InputKind::NUMS && m_display != "0." &&
                         m_display != "0," && m_display != "0";
    if (applies) {
        if (!m_display.starts_with('-'))
            setDisplay("-" + m_display);
        else
            setDisplay(m_display.substr(1));
    }
    m_effects.focusKeyTrap();
}

void Calculator::cmdCE_Click()
{
    setDisplay("0");
    m_state.PointTyped = 0;
    m_state.InputState = InputKind::CE;
    m_effects.focusKeyTrap();
}

void Calculator::cmdCancel_Click()
{
    setDisplay("0");
    m_state.PointTyped = 0;
    m_state.OperandCount = 0;
    m_state.InputState = InputKind::NONE;
    m_state.PendingOperator.clear();
    m_effects.focusKeyTrap();
}

} // namespace tallix
