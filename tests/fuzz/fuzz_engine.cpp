// libFuzzer target: any input is a key script (Driver.h) typed on a
// calculator started under either separator. The sanitizers catch what goes
// wrong inside; it traps on a display that is not UTF-8 or that the window
// was not told.
#include "Driver.h"
#include "Utf8.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tallix::testing::Session s(size % 2 != 0 ? "1,5" : "1.5");
    s.press({reinterpret_cast<const char*>(data), size});
    if (!tallix::isValidUtf8(s.display()) || s.effects.lastDisplay != s.display())
        __builtin_trap();
    return 0;
}
