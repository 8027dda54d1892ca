// What the calculator asks of the window it lives in: the new display text,
// the beep, the modal error box, the focus going back to the key trap and the
// caption of the decimal-point button. Each front end implements it; tests
// record the calls.
#pragma once

#include <string_view>

namespace tallix {

class Effects {
public:
    virtual ~Effects() = default;

    // Called once for every change of the display text, never when it stays.
    virtual void displayChanged(std::string_view text) = 0;
    virtual void beep() = 0;
    // A modal box with a critical icon and one OK button; returns once dismissed.
    virtual void showError(std::string_view text, std::string_view title) = 0;
    virtual void focusKeyTrap() = 0;
    virtual void setDecimalCaption(std::string_view caption) = 0;
};

} // namespace tallix
