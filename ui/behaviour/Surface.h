// What the window behaviour and the calculator ask of a front end's main
// window: besides the calculator's own wants (display text, beep, error box,
// focus, decimal caption), the clipboard and the About window. A front end
// implements it with its widgets; tests fake it. Nothing here decides anything.
#pragma once

#include "Effects.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallix {

class Surface : public Effects {
public:
    // Plain text, empty when the clipboard holds none; nothing when it could
    // not be read: held by another program, or its owner silent.
    virtual std::optional<std::string> clipboardText() = 0;
    // False when the clipboard could not be written.
    virtual bool setClipboardText(std::string_view text) = 0;
    // Modal; returns once the About window is closed.
    virtual void showAbout() = 0;
};

} // namespace tallix
