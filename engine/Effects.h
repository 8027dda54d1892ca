// What the calculator asks of the window it lives in: the beep, the modal
// error box, the focus going back to the key trap and the caption of the
// decimal-point button. The window implements it; tests record the calls.
#pragma once

#include <string_view>

namespace tallix {

class Effects {
public:
    virtual ~Effects() = default;

    virtual void beep() = 0;
    // A modal box with a critical icon and one OK button; returns once dismissed.
    virtual void showError(std::string_view text, std::string_view title) = 0;
    virtual void focusKeyTrap() = 0;
    virtual void setDecimalCaption(std::string_view caption) = 0;
};

} // namespace tallix
