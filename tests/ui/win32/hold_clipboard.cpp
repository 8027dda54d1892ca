// Holds the clipboard open, as a clipboard manager or a remote desktop may,
// until its input ends; says "held" once it has it.
#include <windows.h>

int main()
{
    while (!OpenClipboard(nullptr))
        Sleep(10);
    DWORD count = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "held\n", 5, &count, nullptr);
    for (char c; ReadFile(GetStdHandle(STD_INPUT_HANDLE), &c, 1, &count, nullptr) && count;) {
    }
    CloseClipboard();
}
