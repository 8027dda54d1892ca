// Test helpers: a recording fake of the window's side effects, and a driver typing a script through the key
// table: each character is its key ("+", "5", "%"...), but "~" is the sign button, "c" Backspace, "C" Esc and
// "[text]" a paste.
#pragma once

#include "Calculator.h"
#include "KeyTable.h"

#include <algorithm>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallix::testing {

// Base: Effects, or the window's Surface, which extends it.
template <class Base = Effects>
struct Recording : Base {
    int displayChanges = 0;
    std::string lastDisplay = "0";
    int beeps = 0;
    int focusReturns = 0;
    std::vector<std::pair<std::string, std::string>> errors; // text, title
    std::string decimalCaption = ".";
    std::size_t refuseLongerThan = std::string::npos; // a window that runs out of memory on longer texts

    void displayChanged(std::string_view text) override
    {
        if (text.size() > refuseLongerThan)
            throw std::bad_alloc();
        ++displayChanges;
        lastDisplay = text;
    }
    void beep() override { ++beeps; }
    void showError(std::string_view text, std::string_view title) override { errors.emplace_back(text, title); }
    void focusKeyTrap() override { ++focusReturns; }
    void setDecimalCaption(std::string_view caption) override { decimalCaption = caption; }
};
using RecordingEffects = Recording<>;

// A calculator just started under the given regional 1.5 ("1.5" or "1,5").
struct Session {
    RecordingEffects effects;
    Calculator calculator{effects};

    explicit Session(std::string_view regionalOnePointFive = "1.5") { calculator.Form_Load(regionalOnePointFive); }

    void press(std::string_view script)
    {
        for (std::size_t i = 0; i < script.size(); ++i) {
            const char key = script[i];
            if (key == '[') {
                const std::size_t end = std::min(script.find(']', i), script.size()); // an unclosed paste takes the rest
                calculator.paste(script.substr(i + 1, end - i - 1));
                i = end;
            } else if (key == '~') {
                calculator.cmdOpp_Click();
            } else {
                const auto code = static_cast<std::int16_t>(key == 'c' ? 8 : key == 'C' ? 27 : key);
                pctKeyTrap_KeyPress(calculator, effects, code);
            }
        }
    }
    const std::string& display() const { return calculator.display(); }
    const CalculatorState& state() const { return calculator.state(); }
};

} // namespace tallix::testing
