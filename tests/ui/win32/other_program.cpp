// Another program beside Tallix under Wine, in UTF-8 both ways:
//   read EXPECTED SECONDS  reads the display as a screen reader does (WM_GETTEXT)
//                          until it reads EXPECTED; prints what it read last
//   put                    puts its input on the clipboard as a Windows program
//                          does: Tallix sees it at once, where Wine takes a text
//                          from the X clipboard a moment after X has it
//   hold                   holds the clipboard open, as a clipboard manager or a
//                          remote desktop may, until its input ends; says "held"
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <iostream>
#include <iterator>
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
    return {std::istreambuf_iterator<char>(std::cin), {}};
}

} // namespace

int main()
{
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring mode = count > 1 ? args[1] : L"";
    _setmode(_fileno(stdin), _O_BINARY); // texts keep their CR LF
    _setmode(_fileno(stdout), _O_BINARY);
    while (mode != L"read" && !OpenClipboard(nullptr))
        Sleep(10);
    if (mode == L"read" && count == 4) {
        std::wstring text;
        for (DWORD start = GetTickCount(); (text = displayText()) != args[2] && GetTickCount() - start < _wtoi(args[3]) * 1000u;)
            Sleep(100);
        std::string utf8(text.size() * 3, '\0');
        utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr));
        std::cout << utf8 << std::flush;
        return text == args[2] ? 0 : 1;
    }
    if (mode == L"put") {
        const std::string utf8 = input();
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (utf8.size() + 1) * sizeof(wchar_t));
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), static_cast<wchar_t*>(GlobalLock(memory)), static_cast<int>(utf8.size()));
        GlobalUnlock(memory);
        return EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) && CloseClipboard() ? 0 : 1;
    }
    if (mode == L"hold") {
        std::cout << "held" << std::endl;
        input();
        return CloseClipboard() ? 0 : 1;
    }
    return 2;
}
