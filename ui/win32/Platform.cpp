#include "Platform.h"

#include "Convert.h"

#include <cstring>

namespace tallix {

namespace {

// Closed again however the work in it ends, a failing allocation
// included: a clipboard left open is closed to every program.
struct OpenClipboardScope {
    explicit OpenClipboardScope(HWND owner)
    {
        for (int attempt = 0; attempt < 40; ++attempt) {
            if ((open = OpenClipboard(owner) != 0))
                return;
            Sleep(10);
        }
    }
    ~OpenClipboardScope()
    {
        if (open)
            CloseClipboard();
    }
    bool open = false;
};

struct LockScope {
    explicit LockScope(HGLOBAL block) : block(block), bytes(GlobalLock(block)) {}
    ~LockScope()
    {
        if (bytes)
            GlobalUnlock(block);
    }
    HGLOBAL block;
    void* bytes;
};

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

std::optional<std::string> clipboardText(HWND owner)
{
    const OpenClipboardScope clipboard(owner);
    if (!clipboard.open)
        return std::nullopt;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const LockScope locked(data);
    if (!data || !locked.bytes)
        return std::string();
    // Up to the terminating zero, and never past the block.
    const auto* chars = static_cast<const wchar_t*>(locked.bytes);
    return utf8(std::wstring_view(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t))));
}

bool setClipboardText(HWND owner, std::string_view text)
{
    const std::wstring chars = wide(text);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (chars.size() + 1) * sizeof(wchar_t));
    if (!block)
        return false;
    if (const LockScope locked(block); locked.bytes) {
        std::memcpy(locked.bytes, chars.c_str(), (chars.size() + 1) * sizeof(wchar_t));
    } else {
        GlobalFree(block);
        return false;
    }
    // Windows hands the clipboard only to the program that empties it.
    const OpenClipboardScope clipboard(owner);
    if (clipboard.open && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block))
        return true; // the clipboard owns the block now
    GlobalFree(block);
    return false;
}

} // namespace tallix
