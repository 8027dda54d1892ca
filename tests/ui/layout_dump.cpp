// Prints where the layout puts the main window's client area and controls at
// 96 dpi, for the end-to-end runner to find them:
//   client WIDTH HEIGHT
//   NAME LEFT TOP WIDTH HEIGHT   (in the client area)
#include "Layout.h"

#include <charconv>
#include <cstdio>
#include <string>

namespace {

void print(std::string line, std::initializer_list<int> numbers)
{
    for (const int number : numbers) {
        char digits[16];
        line.append(" ").append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    }
    std::puts(line.c_str());
}

} // namespace

int main()
{
    using namespace tallix;
    const int dpi = standardDpi;
    print("client", {mainClientSize(dpi).width, mainClientSize(dpi).height});
    for (const ControlRow& row : mainControls) {
        const PixelRect place = placeInClient(row, dpi);
        print(objectName(row), {place.left, place.top, place.width, place.height});
    }
}
