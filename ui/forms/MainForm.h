// The main window as data, for every front end: its caption, size, colours
// and font, the 24 controls with their twips, tab order, spoken names and the
// handler each one runs, and the menu tree with the command each item runs.
// Layout.h reads the geometry; no toolkit here.
#pragma once

#include "Calculator.h"
#include "Colour.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallix {

enum class ControlKind { Label, Frame, KeyTrap, Button };

inline constexpr std::int16_t noIndex = -1;

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::int16_t index; // element of a control array, or noIndex
    std::string_view caption;
    std::string_view container; // empty: the window's client area
    int left, top, width, height; // twips
    int tabOrder;
    std::string_view accessibleName;
    Handler click; // run with the control's Index; None for all but buttons
};

// What a click on the control runs: its handler with its Index.
constexpr Press pressOf(const ControlRow& row) { return {row.click, row.index}; }

inline constexpr std::string_view mainCaption = "Tallix";
inline constexpr int clientWidth = 3555;  // twips
inline constexpr int clientHeight = 2985; // twips
inline constexpr Colour windowColour{38, 97, 223};
inline constexpr Colour faceColour{203, 217, 248}; // the display and every button
inline constexpr Colour readOutTextColour{0, 0, 0};
inline constexpr Colour readOutBorderColour{0, 0, 0};
inline constexpr int readOutInset = 45; // twips from the display's outer edge to its text, the border included

struct FontSpec {
    std::string_view face;
    double points;
    int weight;
    int charset;
};
// Where this face is missing, a plain sans-serif of the same size takes its place.
inline constexpr FontSpec readOutFont{"MS Sans Serif", 9.75, 400, 204};

// clang-format off
inline constexpr std::array<ControlRow, 24> mainControls{{
    {"lblReadOut", ControlKind::Label,   noIndex, "0",  "",         120,  120, 3315,  315, 13, "Табло",                  Handler::None},
    {"fraNums",    ControlKind::Frame,   noIndex, "",   "",          60,  540, 1935, 2355, 14, "Цифры",                  Handler::None},
    {"fraOpers",   ControlKind::Frame,   noIndex, "",   "",        2160,  540, 1335, 2355, 15, "Действия",               Handler::None},
    {"pctKeyTrap", ControlKind::KeyTrap, noIndex, "",   "",          60, 3240, 1935,  315,  0, "Ввод с клавиатуры",      Handler::None},
    {"cmdNum",     ControlKind::Button,  7,       "7",  "fraNums",  120,  180,  495,  435,  8, "Семь",                   Handler::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  8,       "8",  "fraNums",  720,  180,  495,  435,  9, "Восемь",                 Handler::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  9,       "9",  "fraNums", 1320,  180,  495,  435, 10, "Девять",                 Handler::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  4,       "4",  "fraNums",  120,  720,  495,  435,  5, "Четыре",                 Handler::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  5,       "5",  "fraNums",  720,  720,  495,  435,  6, "Пять",                   Handler::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  6,       "6",  "fraNums", 1320,  720,  495,  435,  7, "Шесть",                  Handler::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  1,       "1",  "fraNums",  120, 1260,  495,  435,  2, "Один",                   Handler::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  2,       "2",  "fraNums",  720, 1260,  495,  435,  3, "Два",                    Handler::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  3,       "3",  "fraNums", 1320, 1260,  495,  435,  4, "Три",                    Handler::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  0,       "0",  "fraNums",  120, 1800,  495,  435,  1, "Ноль",                   Handler::cmdNum_Click},
    {"cmdDec",     ControlKind::Button,  noIndex, ".",  "fraNums",  720, 1800,  495,  435, 11, "Десятичный разделитель", Handler::cmdDec_Click},
    {"cmdOpp",     ControlKind::Button,  noIndex, "±",  "fraNums", 1320, 1800,  495,  435, 12, "Смена знака",            Handler::cmdOpp_Click},
    {"cmdCancel",  ControlKind::Button,  noIndex, "C",  "fraOpers", 120,  180,  495,  435, 16, "Очистить всё",           Handler::cmdCancel_Click},
    {"cmdCE",      ControlKind::Button,  noIndex, "CE", "fraOpers", 720,  180,  495,  435, 17, "Очистить ввод",          Handler::cmdCE_Click},
    {"cmdOper",    ControlKind::Button,  2,       operatorCaptions[2], "fraOpers", 120,  720,  495,  435, 18, "Умножить",          Handler::cmdOper_Click},
    {"cmdOper",    ControlKind::Button,  3,       operatorCaptions[3], "fraOpers", 720,  720,  495,  435, 19, "Разделить",         Handler::cmdOper_Click},
    {"cmdOper",    ControlKind::Button,  0,       operatorCaptions[0], "fraOpers", 120, 1260,  495,  435, 20, "Плюс",              Handler::cmdOper_Click},
    {"cmdOper",    ControlKind::Button,  1,       operatorCaptions[1], "fraOpers", 720, 1260,  495,  435, 21, "Минус",             Handler::cmdOper_Click},
    {"cmdPer",     ControlKind::Button,  noIndex, "%",  "fraOpers", 120, 1800,  495,  435, 22, "Процент",                Handler::cmdPer_Click},
    {"cmdOper",    ControlKind::Button,  4,       operatorCaptions[4], "fraOpers", 720, 1800,  495,  435, 23, "Равно",             Handler::cmdOper_Click},
}};
// clang-format on

// The window's menu commands, carried out by the window's behaviour.
class MenuCommands {
public:
    virtual void mnuCopy_Click() = 0;
    virtual void mnuPaste_Click() = 0;
    virtual void mnuAbout_Click() = 0;

protected:
    ~MenuCommands() = default;
};

struct MenuRow {
    std::string_view name;
    std::string_view caption; // "&" marks the access key, a Russian letter
    std::string_view parent;  // empty: the menu bar
    char ctrlKey;             // the shortcut is Ctrl with this letter, or 0 for none
    void (MenuCommands::*click)(); // null for the menus of the bar
};

// clang-format off
inline constexpr std::array<MenuRow, 5> mainMenu{{
    {"mnuEdit",  "&Правка",      "",        0,   nullptr},
    {"mnuCopy",  "&Копировать",  "mnuEdit", 'C', &MenuCommands::mnuCopy_Click},
    {"mnuPaste", "Вст&авить",    "mnuEdit", 'V', &MenuCommands::mnuPaste_Click},
    {"mnuHelp",  "&Справка",     "",        0,   nullptr},
    {"mnuAbout", "&О программе", "mnuHelp", 0,   &MenuCommands::mnuAbout_Click},
}};
// clang-format on

// A control's own name, with the Index of an array element: "cmdNum7", "lblReadOut".
std::string objectName(const ControlRow& row);

} // namespace tallix
