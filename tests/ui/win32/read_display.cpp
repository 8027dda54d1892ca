// Reads the Tallix display from another process, as a screen reader reads a
// window's value (WM_GETTEXT): waits until it reads EXPECTED, prints what it
// read last in UTF-8, and fails if it never did.
//   read_display.exe EXPECTED SECONDS
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

std::wstring displayText()
{
    const HWND display = FindWindowExW(FindWindowW(nullptr, L"Tallix"), nullptr, L"TallixDisplay", nullptr);
    std::wstring text(display ? SendMessageW(display, WM_GETTEXTLENGTH, 0, 0) : 0, L'\0');
    text.resize(SendMessageW(display, WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data())));
    return display ? text : L"(no display)";
}

} // namespace

int main()
{
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 3)
        return 2;
    const std::wstring expected = args[1];
    std::wstring text;
    for (DWORD start = GetTickCount(); (text = displayText()) != expected && GetTickCount() - start < _wtoi(args[2]) * 1000u;)
        Sleep(100);
    std::string utf8(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    return text == expected ? 0 : 1;
}
