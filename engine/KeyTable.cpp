#include "KeyTable.h"

#include "Calculator.h"
#include "Effects.h"

#include <algorithm>
#include <array>

namespace tallix {

namespace {

struct KeyRow {
    std::int16_t code;
    Key key;
};

constexpr std::array<KeyRow, 11> keyTable{{
    {8, {KeyAction::ClearEntry, 0}}, // Backspace
    {13, {KeyAction::Operator, 4}},  // Enter
    {27, {KeyAction::ClearAll, 0}},  // Esc
    {'%', {KeyAction::Percent, 0}},
    {'*', {KeyAction::Operator, 2}},
    {'+', {KeyAction::Operator, 0}},
    {',', {KeyAction::DecimalPoint, 0}},
    {'-', {KeyAction::Operator, 1}}, // subtraction; the sign change has no key
    {'.', {KeyAction::DecimalPoint, 0}},
    {'/', {KeyAction::Operator, 3}},
    {'=', {KeyAction::Operator, 4}},
}};

} // namespace

Key keyFor(std::int16_t code)
{
    if (code >= '0' && code <= '9')
        return {KeyAction::Digit, static_cast<std::int16_t>(code - '0')};
    const auto row = std::find_if(keyTable.begin(), keyTable.end(),
                                  [&](const KeyRow& r) { return r.code == code; });
    return row == keyTable.end() ? Key{KeyAction::None, 0} : row->key;
}

void pctKeyTrap_KeyPress(Calculator& calculator, Effects& effects, std::int16_t code)
{
    const Key key = keyFor(code);
    switch (key.action) {
    case KeyAction::Digit: calculator.cmdNum_Click(key.Index); break;
    case KeyAction::ClearEntry: calculator.cmdCE_Click(); break;
    case KeyAction::ClearAll: calculator.cmdCancel_Click(); break;
    case KeyAction::Operator: calculator.cmdOper_Click(key.Index); break;
    case KeyAction::Percent: calculator.cmdPer_Click(); break;
    case KeyAction::DecimalPoint: calculator.cmdDec_Click(); break;
    case KeyAction::None: effects.beep(); break;
    }
}

} // namespace tallix
