// Prints where the layout puts the main window's client area and controls at
// a density (96 unless given), for the end-to-end runner to find them:
//   client WIDTH HEIGHT
//   aboutOffset RIGHT DOWN       (from the main window's outer corner)
//   faceColour RED GREEN BLUE
//   NAME LEFT TOP WIDTH HEIGHT   (in the client area)
#include "Layout.h"

#include <charconv>
#include <cstdio>
#include <cstring>
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

int main(int argc, char* argv[])
{
    using namespace tallix;
    int dpi = standardDpi;
    if (argc > 1)
        std::from_chars(argv[1], argv[1] + std::strlen(argv[1]), dpi);
    print("client", {mainClientSize(dpi).width, mainClientSize(dpi).height});
    print("aboutOffset", {aboutOffset(dpi).width, aboutOffset(dpi).height});
    print("faceColour", {faceColour.red, faceColour.green, faceColour.blue});
    for (const ControlRow& row : mainControls) {
        const PixelRect place = placeInClient(row, dpi);
        print(objectName(row), {place.left, place.top, place.width, place.height});
    }
}
