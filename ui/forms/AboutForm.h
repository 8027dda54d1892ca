// The About window as data, for every front end: caption, size, the offset
// from the main window at which it opens, its controls in twips and the two
// lines of the engraved rule. No toolkit and no behaviour here.
#pragma once

#include "Colour.h"

#include <array>
#include <string_view>

namespace tallix {

enum class AboutKind { Image, Label, Button };

struct AboutControl {
    std::string_view name;
    AboutKind kind;
    std::string_view content;     // the text; for the image, its resource name
    FormColour textColour;
    int left, top, width, height; // twips
};

inline constexpr std::string_view aboutCaption = "О программе Tallix";
inline constexpr int aboutWidth = 4995;  // twips, client area
inline constexpr int aboutHeight = 2265; // twips, client area
inline constexpr int belowMain = 1050;   // twips from the main window's outer top
inline constexpr int rightOfMain = 500;  // twips from the main window's outer left

namespace detail {
inline constexpr FormColour black = Colour{0, 0, 0};
inline constexpr FormColour systemText = SystemColour::Text;
} // namespace detail

// clang-format off
inline constexpr std::array<AboutControl, 7> aboutControls{{
    {"Image1",         AboutKind::Image,  "about.bmp",           detail::systemText,  120,  240,  750, 1485},
    {"lblTitle",       AboutKind::Label,  "Vantly® Калькулятор", detail::black,      1080,  240, 3825,  240},
    {"Label1",         AboutKind::Label,  "Tallix 1.0",          detail::systemText, 1080,  480, 3825,  240},
    {"lblVersion",     AboutKind::Label,  "© Vantly, 2026",      detail::systemText, 1080,  720, 3825,  240},
    {"lblDescription", AboutKind::Label,  "Разработчики:",       detail::black,      1020, 1500, 3885,  285},
    {"Label2",         AboutKind::Label,  "Команда Vantly",      detail::systemText, 1020, 1860, 2415,  255},
    {"cmdOK",          AboutKind::Button, "OK",                  detail::systemText, 3600, 1800, 1260,  345},
}};
// clang-format on

struct RuleLine {
    int x1, y1, x2, y2; // twips
    int widthPx;
    FormColour colour;
};

// An engraved rule: a dark line with a white one a pixel below it.
inline constexpr std::array<RuleLine, 2> engravedRule{{
    {1020, 1140, 4860, 1140, 2, Colour{255, 255, 255}},
    {1005, 1125, 4855, 1125, 1, SystemColour::ButtonShadow},
}};

} // namespace tallix
