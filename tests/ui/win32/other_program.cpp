// Another program beside Tallix under Wine:
//   read EXPECTED SECONDS  reads the display as a screen reader does (WM_GETTEXT)
//                          until it reads EXPECTED; prints what it read last in UTF-8
//   put                    puts its input, UTF-8, on the clipboard as a Windows
//                          program does: Tallix sees it at once, whereas Wine takes
//                          a text from the X clipboard a moment after X has it
//   hold                   holds the clipboard open, as a clipboard manager or a
//                          remote desktop may, until its input ends; says "held"
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

std::string input()
{
    std::string text;
    char part[4096];
    for (DWORD count; ReadFile(GetStdHandle(STD_INPUT_HANDLE), part, sizeof part, &count, nullptr) && count;)
        text.append(part, count);
    return text;
}

void write(const std::string& text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void openClipboard()
{
    while (!OpenClipboard(nullptr))
        Sleep(10);
}

} // namespace

int main()
{
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring mode = count > 1 ? args[1] : L"";
    if (mode == L"read" && count == 4) {
        const std::wstring expected = args[2];
        std::wstring text;
        for (DWORD start = GetTickCount(); (text = displayText()) != expected && GetTickCount() - start < _wtoi(args[3]) * 1000u;)
            Sleep(100);
        std::string utf8(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
        write(utf8);
        return text == expected ? 0 : 1;
    }
    if (mode == L"put") {
        const std::string utf8 = input();
        const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (units + 1) * sizeof(wchar_t));
        auto* text = static_cast<wchar_t*>(GlobalLock(memory));
        text[MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text, units)] = L'\0';
        GlobalUnlock(memory);
        openClipboard();
        const bool put = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        return put ? 0 : 1;
    }
    if (mode == L"hold") {
        openClipboard();
        write("held\n");
        input();
        CloseClipboard();
        return 0;
    }
    return 2;
}
