// Test helpers: a recording fake of the window's side effects and a driver
// that presses keys written as a short script.
//   digits, "." point, "~" sign change, "c" clear entry, "C" clear all,
//   "%" percent, "+ - * / =" operators, "[text]" paste, spaces ignored.
#pragma once

#include "Calculator.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallix::testing {

struct RecordingEffects : Effects {
    int displayChanges = 0;
    std::string lastDisplay = "0";
    int beeps = 0;
    int focusReturns = 0;
    std::vector<std::pair<std::string, std::string>> errors; // text, title
    std::string decimalCaption = ".";

    void displayChanged(std::string_view text) override
    {
        ++displayChanges;
        lastDisplay = text;
    }
    void beep() override { ++beeps; }
    void showError(std::string_view text, std::string_view title) override
    {
        errors.emplace_back(text, title);
    }
    void focusKeyTrap() override { ++focusReturns; }
    void setDecimalCaption(std::string_view caption) override { decimalCaption = caption; }
};

// Returns the number of handler calls made.
inline int press(Calculator& calculator, std::string_view script)
{
    int presses = 0;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char key = script[i];
        if (key == ' ')
            continue;
        if (key == '[') {
            const std::size_t end = script.find(']', i);
            calculator.paste(script.substr(i + 1, end - i - 1));
            i = end;
            continue; // paste is a menu command: it does not move the focus
        }
        ++presses;
        if (key >= '0' && key <= '9') {
            calculator.cmdNum_Click(static_cast<std::int16_t>(key - '0'));
            continue;
        }
        switch (key) {
        case '.': calculator.cmdDec_Click(); break;
        case '~': calculator.cmdOpp_Click(); break;
        case 'c': calculator.cmdCE_Click(); break;
        case 'C': calculator.cmdCancel_Click(); break;
        case '%': calculator.cmdPer_Click(); break;
        default: {
            const std::string_view operators = "+-*/=";
            calculator.cmdOper_Click(static_cast<std::int16_t>(operators.find(key)));
        }
        }
    }
    return presses;
}

// A calculator just started under the given regional 1.5 ("1.5" or "1,5").
struct Session {
    RecordingEffects effects;
    Calculator calculator{effects};

    explicit Session(std::string_view regionalOnePointFive = "1.5")
    {
        calculator.Form_Load(regionalOnePointFive);
    }
    int press(std::string_view script) { return testing::press(calculator, script); }
    const std::string& display() const { return calculator.readOut(); }
    const CalculatorState& state() const { return calculator.state(); }
};

} // namespace tallix::testing
