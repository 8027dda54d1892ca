// The Windows services the windows use: the regional decimal separator, the
// system beep, the critical error box and the clipboard's Unicode text.
// Texts are UTF-8 on this side. Knows nothing about the calculator.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tallix {

// 1.5 written by the user's regional settings: "1,50", "1.50" and the like.
std::string regionalOnePointFive();

void systemBeep();

// Modal: a critical icon, one OK button; returns once it is dismissed.
void showCriticalBox(HWND owner, std::string_view text, std::string_view title);

// Another program may hold the clipboard for a moment (a clipboard manager,
// a remote desktop's sync): both wait a few hundred milliseconds for it.
// Nothing when it stays held; empty when it holds no text.
std::optional<std::string> clipboardText(HWND owner);
// False when the clipboard could not be written.
bool setClipboardText(HWND owner, std::string_view text);

} // namespace tallix
