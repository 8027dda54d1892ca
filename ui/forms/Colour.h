// Colours as the window descriptions give them: an RGB value, or one of the
// system's own colours, which each front end looks up in its toolkit.
#pragma once

#include <cstdint>
#include <variant>

namespace tallix {

struct Colour {
    std::uint8_t red, green, blue;
};

enum class SystemColour {
    Text,         // the default text colour of dialog windows
    ButtonShadow, // the dark edge of a raised button
};

using FormColour = std::variant<Colour, SystemColour>;

} // namespace tallix
