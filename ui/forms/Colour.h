// An RGB colour as the window descriptions give it; each front end turns it
// into its own colour type.
#pragma once

#include <cstdint>

namespace tallix {

struct Colour {
    std::uint8_t red, green, blue;
};

} // namespace tallix
