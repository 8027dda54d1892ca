// What the window behaviour asks of a front end's main window: show a text,
// a caption, a beep or a box, move the keyboard, reach the clipboard, open
// the About window. A front end implements it with its widgets; tests fake
// it. Nothing here decides anything.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallix {

class Surface {
public:
    // The display's new text, whole; the display works out what it draws.
    virtual void showDisplayText(std::string_view text) = 0;
    // The caption of the control in the given row of mainControls.
    virtual void setCaption(std::size_t row, std::string_view caption) = 0;
    virtual void beep() = 0;
    // Modal: a critical icon and one OK button; returns once it is dismissed.
    virtual void showError(std::string_view text, std::string_view title) = 0;
    virtual void focusKeyTrap() = 0;
    // Plain text; empty when the clipboard holds none.
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(std::string_view text) = 0;
    // Modal; returns once the About window is closed.
    virtual void showAbout() = 0;

protected:
    ~Surface() = default;
};

} // namespace tallix
