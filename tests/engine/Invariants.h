// What must hold after every press, paste or key, whatever came before: used
// by the random-sequence test and by the fuzz target. Plain C++, no test
// framework: each check names the first broken rule, or returns "".
#pragma once

#include "Calculator.h"
#include "ReadOut.h"
#include "Utf8.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace tallix::testing {

inline std::string brokenInvariant(const Calculator& calculator)
{
    const CalculatorState& s = calculator.state();
    if (s.OperandCount != 0 && s.OperandCount != 1)
        return "OperandCount is " + std::to_string(s.OperandCount);
    if (s.PointTyped != 0 && s.PointTyped != -1)
        return "PointTyped is " + std::to_string(s.PointTyped);
    if (!s.PendingOperator.empty() &&
        std::find(operatorCaptions.begin(), operatorCaptions.end(), s.PendingOperator) == operatorCaptions.end())
        return "PendingOperator is " + s.PendingOperator;
    if (!std::isfinite(s.Accumulator) || !std::isfinite(s.Operand))
        return "a number is not finite";
    if (!isValidUtf8(calculator.readOut()))
        return "the display is not valid UTF-8";
    return "";
}

// A result the calculator wrote: no "-0", "inf" or "nan", and it reads back
// as the very same text.
inline std::string brokenResult(const Calculator& calculator, bool fixNegativePoint)
{
    const std::string& shown = calculator.readOut();
    const std::string& separator = calculator.state().DecimalChar;
    if (shown == "-0" || shown.find("inf") != std::string::npos || shown.find("nan") != std::string::npos)
        return "result shown as " + shown;
    const std::optional<double> back = ReadOutToNumber(shown, separator);
    if (!back || NumberToReadOut(*back, fixNegativePoint, separator) != shown)
        return "result " + shown + " does not read back";
    return "";
}

} // namespace tallix::testing
