// libFuzzer target: any input is a sequence of actions on the calculator
// (see Actions.h); it traps as soon as a rule breaks.
#include "Actions.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!tallix::testing::brokenRule({reinterpret_cast<const char*>(data), size}).empty())
        __builtin_trap();
    return 0;
}
