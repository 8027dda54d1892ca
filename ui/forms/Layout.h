// The window descriptions read once for every front end: where each control
// of both windows sits in pixels at a given density, which control it lies
// in, the order the focus visits them, where the About window opens, and the
// menu tree. Front ends only create, connect and paint what this places.
#pragma once

#include "AboutForm.h"
#include "MainForm.h"
#include "Twips.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <string>

namespace tallix {

struct PixelRect {
    int left, top, width, height;
    bool operator==(const PixelRect&) const = default;
};

// 120, 120, 3315, 315 twips are 8, 8, 221, 21 px at 96 dpi.
constexpr PixelRect pixelRect(int left, int top, int width, int height, int dpi)
{
    return {px(left, dpi), px(top, dpi), px(width, dpi), px(height, dpi)};
}

// The container of a control that lies in the window's client area itself.
inline constexpr std::size_t inClientArea = static_cast<std::size_t>(-1);
// The parent of a menu of the bar.
inline constexpr std::size_t inMenuBar = static_cast<std::size_t>(-1);

// The row of the main control the given one lies in, or inClientArea.
constexpr std::size_t containerRow(const ControlRow& row)
{
    if (row.container.empty())
        return inClientArea;
    for (std::size_t i = 0; i < mainControls.size(); ++i) {
        if (mainControls[i].name == row.container && mainControls[i].kind == ControlKind::Frame)
            return i;
    }
    throw "a control lies in a frame the window does not have";
}

// Front ends create the controls in the table's order, so a frame must come
// before the buttons in it.
static_assert([] {
    for (std::size_t i = 0; i < mainControls.size(); ++i) {
        const std::size_t container = containerRow(mainControls[i]);
        if (container != inClientArea && container >= i)
            return false;
    }
    return true;
}());

// In its container's client area: a button's twips count from its frame.
constexpr PixelRect placeOf(const ControlRow& row, int dpi)
{
    return pixelRect(row.left, row.top, row.width, row.height, dpi);
}

// In the window's client area: a button's place in its frame plus the frame's.
constexpr PixelRect placeInClient(const ControlRow& row, int dpi)
{
    PixelRect place = placeOf(row, dpi);
    if (const std::size_t frame = containerRow(row); frame != inClientArea) {
        place.left += placeOf(mainControls[frame], dpi).left;
        place.top += placeOf(mainControls[frame], dpi).top;
    }
    return place;
}

constexpr bool takesFocus(ControlKind kind) { return kind == ControlKind::KeyTrap || kind == ControlKind::Button; }

// Rows of the main controls by their place in the tab order, the key trap
// first; labels and frames keep their place but never take the focus.
inline constexpr std::array<std::size_t, mainControls.size()> mainTabSequence = [] {
    std::array<std::size_t, mainControls.size()> rows{};
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    std::sort(rows.begin(), rows.end(),
              [](std::size_t a, std::size_t b) { return mainControls[a].tabOrder < mainControls[b].tabOrder; });
    return rows;
}();

struct PixelSize {
    int width, height;
};

constexpr PixelSize mainClientSize(int dpi) { return {px(clientWidth, dpi), px(clientHeight, dpi)}; }
constexpr PixelSize aboutClientSize(int dpi) { return {px(aboutWidth, dpi), px(aboutHeight, dpi)}; }

constexpr PixelRect placeOf(const AboutControl& row, int dpi)
{
    return pixelRect(row.left, row.top, row.width, row.height, dpi);
}

// The About window's outer corner from the main window's outer corner:
// 33 px right and 70 px down at 96 dpi.
constexpr PixelSize aboutOffset(int dpi) { return {px(rightOfMain, dpi), px(belowMain, dpi)}; }

// A rule line as the rectangle it fills: from x1 up to x2, its top row on
// y1 and as many rows as it is wide.
constexpr PixelRect placeOf(const RuleLine& line, int dpi)
{
    return {px(line.x1, dpi), px(line.y1, dpi), px(line.x2, dpi) - px(line.x1, dpi), line.widthPx};
}

// The row of the decimal-point button, whose caption follows the user's separator.
inline constexpr std::size_t decimalRow = [] {
    std::size_t row = 0;
    while (mainControls[row].click != Handler::cmdDec_Click)
        ++row;
    return row;
}();

// Creates the main window's controls in the table's order, each in the one
// made for its container (or in client): make(row, parent, rect) returns
// what it made. The results come back by row.
template <typename Widget, typename Make>
std::array<Widget, mainControls.size()> makeMainControls(Widget client, int dpi, Make&& make)
{
    std::array<Widget, mainControls.size()> made{};
    for (std::size_t i = 0; i < mainControls.size(); ++i) {
        const std::size_t container = containerRow(mainControls[i]);
        made[i] = make(i, container == inClientArea ? client : made[container], placeOf(mainControls[i], dpi));
    }
    return made;
}

// Hands visit the controls that take the focus, in tab order: the key trap
// first, then the buttons.
template <typename Widget, typename Visit>
void forTabChain(const std::array<Widget, mainControls.size()>& made, Visit&& visit)
{
    for (const std::size_t i : mainTabSequence) {
        if (takesFocus(mainControls[i].kind))
            visit(made[i]);
    }
}

// The row of the menu a menu item belongs to, or inMenuBar for a menu of the bar.
constexpr std::size_t parentMenuRow(const MenuRow& row)
{
    for (std::size_t i = 0; i < mainMenu.size(); ++i) {
        if (!row.parent.empty() && mainMenu[i].name == row.parent && mainMenu[i].parent.empty())
            return i;
    }
    if (row.parent.empty())
        return inMenuBar;
    throw "a menu item belongs to a menu the bar does not have";
}

static_assert([] {
    for (std::size_t i = 0; i < mainMenu.size(); ++i) {
        const std::size_t parent = parentMenuRow(mainMenu[i]);
        if ((parent == inMenuBar) != (mainMenu[i].click == nullptr) || (parent != inMenuBar && parent >= i))
            return false;
    }
    return true;
}(), "menus of the bar come before their items, and only items run commands");

// The shortcut as a menu shows it beside the caption: "Ctrl+C", or empty.
std::string shortcutText(const MenuRow& row);

// Creates the menu bar's menus and their items in the table's order:
// makeMenu(row) returns a menu of the bar, makeItem(menu, row, shortcut)
// puts an item in it.
template <typename Menu, typename MakeMenu, typename MakeItem>
void makeMainMenu(MakeMenu&& makeMenu, MakeItem&& makeItem)
{
    std::array<Menu, mainMenu.size()> menus{};
    for (std::size_t i = 0; i < mainMenu.size(); ++i) {
        const std::size_t parent = parentMenuRow(mainMenu[i]);
        if (parent == inMenuBar)
            menus[i] = makeMenu(mainMenu[i]);
        else
            makeItem(menus[parent], i, shortcutText(mainMenu[i]));
    }
}

// Creates the About window's controls in the table's order: make(row, rect).
template <typename Make>
void makeAboutControls(int dpi, Make&& make)
{
    for (const AboutControl& row : aboutControls)
        make(row, placeOf(row, dpi));
}

} // namespace tallix
