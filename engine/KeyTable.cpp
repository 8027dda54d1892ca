#include "KeyTable.h"

#include "Effects.h"

#include <algorithm>
#include <array>

namespace tallix {

namespace {

struct KeyRow {
    std::int16_t code;
    Press press;
};

constexpr std::array<KeyRow, 11> keyTable{{
    {8, {Handler::cmdCE_Click, 0}},             // Backspace
    {13, {Handler::cmdOper_Click, oper::equals}}, // Enter
    {27, {Handler::cmdCancel_Click, 0}},        // Esc
    {'%', {Handler::cmdPer_Click, 0}},
    {'*', {Handler::cmdOper_Click, oper::times}},
    {'+', {Handler::cmdOper_Click, oper::plus}},
    {',', {Handler::cmdDec_Click, 0}},
    {'-', {Handler::cmdOper_Click, oper::minus}}, // subtraction; the sign change has no key
    {'.', {Handler::cmdDec_Click, 0}},
    {'/', {Handler::cmdOper_Click, oper::divide}},
    {'=', {Handler::cmdOper_Click, oper::equals}},
}};

} // namespace

Press keyFor(std::int16_t code)
{
    if (code >= '0' && code <= '9')
        return {Handler::cmdNum_Click, static_cast<std::int16_t>(code - '0')};
    const auto row = std::find_if(keyTable.begin(), keyTable.end(),
                                  [&](const KeyRow& r) { return r.code == code; });
    return row == keyTable.end() ? Press{} : row->press;
}

void pctKeyTrap_KeyPress(Calculator& calculator, Effects& effects, std::int16_t code)
{
    const Press press = keyFor(code);
    if (press.handler == Handler::None)
        effects.beep();
    else
        calculator.run(press);
}

} // namespace tallix
