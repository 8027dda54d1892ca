// The calculator behind the display: the state record, the display text and
// the button handlers that edit them. Every change of the display text, the
// beeps, error boxes and focus go through Effects; which key or button called
// a handler is the window's business.
#pragma once

#include "Effects.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallix {

// The kind of the last input. Only "is it NUMS?" is ever asked.
enum class InputKind { NUMS, OPS, CE, NONE };

struct CalculatorState {
    double Accumulator = 0.0;
    double Operand = 0.0;
    std::int16_t OperandCount = 0;
    std::string PendingOperator; // caption of the last operator pressed, or empty
    InputKind InputState = InputKind::NONE;
    std::int16_t PointTyped = 0; // 0 or -1
    std::string DecimalChar = ".";

    bool operator==(const CalculatorState&) const = default;
};

// Captions of the operator buttons by Index; the evaluation compares these texts.
inline constexpr std::array<std::string_view, 5> operatorCaptions = {"+", "-", "*", "/", "="};

// The Index of each operator button.
namespace oper {
inline constexpr std::int16_t plus = 0, minus = 1, times = 2, divide = 3, equals = 4;
} // namespace oper

// The button handlers by name. A press names one with the Index it passes:
// the digit for cmdNum_Click, the operator button for cmdOper_Click, unused
// by the others. Keys and buttons both reach the calculator as presses.
enum class Handler { None, cmdNum_Click, cmdDec_Click, cmdOpp_Click, cmdCE_Click, cmdCancel_Click, cmdOper_Click, cmdPer_Click };

struct Press {
    Handler handler = Handler::None;
    std::int16_t Index = 0;
};

inline constexpr std::string_view errorTitle = "Ошибка";
inline constexpr std::string_view divideByZeroMessage = "Нельзя делить на ноль";
inline constexpr std::string_view overflowMessage = "Переполнение";

class Calculator {
public:
    explicit Calculator(Effects& effects);

    // regionalOnePointFive: the number 1.5 written with the user's regional
    // decimal separator ("1,5" selects ",", anything without a comma ".").
    void Form_Load(std::string_view regionalOnePointFive);

    void cmdNum_Click(std::int16_t Index);
    void cmdDec_Click();
    void cmdOpp_Click();
    void cmdCE_Click();
    void cmdCancel_Click();
    void cmdOper_Click(std::int16_t Index);
    void cmdPer_Click();

    // Runs the handler the press names; a press of None does nothing.
    void run(Press press);

    // Paste: any text becomes the display text and counts as a typed entry.
    void paste(std::string_view text);
    // The display text whole, every character as pasted; the display itself
    // may draw marks and only the end of a long text.
    const std::string& display() const { return m_display; }

    const CalculatorState& state() const { return m_state; }

private:
    // Writes the display text, telling the window only when it changed. A
    // window that cannot take it (memory running out) leaves it as it was.
    void setDisplay(std::string text);
    // The steps of an evaluation on a working copy of the state; false when
    // the result or the operand lies beyond the double range.
    bool evaluate(CalculatorState& s, std::string& shown);

    CalculatorState m_state;
    std::string m_display = "0";
    Effects& m_effects;
};

} // namespace tallix
