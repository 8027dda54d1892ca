#include "Platform.h"

#include "Convert.h"

#include <cstring>

namespace tallix {

namespace {

// Another program may hold the clipboard for a moment.
bool openClipboard(HWND owner)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(10);
    }
    return false;
}

} // namespace

std::string regionalOnePointFive()
{
    wchar_t text[64] = {};
    if (GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, L"1.5", nullptr, text, 64) == 0)
        return "1.5";
    return utf8(text);
}

void systemBeep()
{
    MessageBeep(MB_OK);
}

void showCriticalBox(HWND owner, std::string_view text, std::string_view title)
{
    MessageBoxW(owner, wide(text).c_str(), wide(title).c_str(), MB_ICONERROR | MB_OK);
}

std::string clipboardText(HWND owner)
{
    if (!openClipboard(owner))
        return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            // Up to the terminating zero, and never past the block.
            const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
            text = utf8(std::wstring_view(chars, wcsnlen(chars, capacity)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void setClipboardText(HWND owner, std::string_view text)
{
    const std::wstring chars = wide(text);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (chars.size() + 1) * sizeof(wchar_t));
    if (!block)
        return;
    void* bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        return;
    }
    std::memcpy(bytes, chars.c_str(), (chars.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    // Windows hands the clipboard only to the program that empties it.
    if (openClipboard(owner)) {
        EmptyClipboard();
        if (SetClipboardData(CF_UNICODETEXT, block))
            block = nullptr; // the clipboard owns it now
        CloseClipboard();
    }
    if (block)
        GlobalFree(block);
}

} // namespace tallix
