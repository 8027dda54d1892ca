// The About window as data, for every front end: caption, size, the offset
// from the main window at which it opens, its controls in twips and the two
// lines of the engraved rule. No toolkit and no behaviour here.
#pragma once

#include <array>
#include <string_view>

namespace tallix {

enum class AboutKind { Image, Label, Button };

struct AboutControl {
    std::string_view name;
    AboutKind kind;
    std::string_view content;     // the text; for the image, its resource name
    bool black;                   // text colour black rather than the default
    int left, top, width, height; // twips
};

inline constexpr std::string_view aboutCaption = "О программе Tallix";
inline constexpr int aboutWidth = 4995;  // twips, client area
inline constexpr int aboutHeight = 2265; // twips, client area
inline constexpr int belowMain = 1050;   // twips from the main window's outer top
inline constexpr int rightOfMain = 500;  // twips from the main window's outer left

// clang-format off
inline constexpr std::array<AboutControl, 7> aboutControls{{
    {"Image1",         AboutKind::Image,  "about.jpg",           false,  120,  240,  750, 1485},
    {"lblTitle",       AboutKind::Label,  "Vantly® Калькулятор", true,  1080,  240, 3825,  240},
    {"Label1",         AboutKind::Label,  "Tallix 1.0",          false, 1080,  480, 3825,  240},
    {"lblVersion",     AboutKind::Label,  "© Vantly, 2026",      false, 1080,  720, 3825,  240},
    {"lblDescription", AboutKind::Label,  "Разработчики:",       true,  1020, 1500, 3885,  285},
    {"Label2",         AboutKind::Label,  "Команда Vantly",      false, 1020, 1860, 2415,  255},
    {"cmdOK",          AboutKind::Button, "OK",                  false, 3600, 1800, 1260,  345},
}};
// clang-format on

struct RuleLine {
    int x1, y1, x2, y2; // twips
    int widthPx;
    bool shadow; // the system's button-shadow colour, else white
};

// An engraved rule: a dark line with a white one a pixel below it.
inline constexpr std::array<RuleLine, 2> Line1{{
    {1020, 1140, 4860, 1140, 2, false},
    {1005, 1125, 4855, 1125, 1, true},
}};

} // namespace tallix
