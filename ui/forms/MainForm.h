// The main window as data, for every front end: its caption, size, colours
// and font, the 24 controls with their twips, tab order, spoken names and the
// handler each one runs, and the menu tree. No toolkit and no behaviour here.
#pragma once

#include "Calculator.h"
#include "Colour.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallix {

enum class ControlKind { Label, Frame, KeyTrap, Button };

// The click handler a button runs; the calculator's handler of the same name.
enum class Click { None, cmdNum_Click, cmdDec_Click, cmdOpp_Click, cmdCE_Click, cmdCancel_Click, cmdOper_Click, cmdPer_Click };

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
    Click click;
};

inline constexpr std::string_view mainCaption = "Tallix";
inline constexpr int clientWidth = 3555;  // twips
inline constexpr int clientHeight = 2985; // twips
inline constexpr Colour windowColour{38, 97, 223};
inline constexpr Colour faceColour{203, 217, 248}; // the display and every button
inline constexpr Colour readOutTextColour{0, 0, 0};

struct FontSpec {
    std::string_view face;
    double points;
    int weight;
    int charset;
};
// Where this face is missing, a plain sans-serif of the same size takes its place.
inline constexpr FontSpec readOutFont{"MS Sans Serif", 9.75, 400, 204};

namespace detail {
constexpr std::string_view op(std::size_t index) { return operatorCaptions[index]; }
} // namespace detail

// clang-format off
inline constexpr std::array<ControlRow, 24> mainControls{{
    {"lblReadOut", ControlKind::Label,   noIndex, "0",  "",         120,  120, 3315,  315, 13, "Табло",                  Click::None},
    {"fraNums",    ControlKind::Frame,   noIndex, "",   "",          60,  540, 1935, 2355, 14, "Цифры",                  Click::None},
    {"fraOpers",   ControlKind::Frame,   noIndex, "",   "",        2160,  540, 1335, 2355, 15, "Действия",               Click::None},
    {"pctKeyTrap", ControlKind::KeyTrap, noIndex, "",   "",          60, 3240, 1935,  315,  0, "Ввод с клавиатуры",      Click::None},
    {"cmdNum",     ControlKind::Button,  7,       "7",  "fraNums",  120,  180,  495,  435,  8, "Семь",                   Click::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  8,       "8",  "fraNums",  720,  180,  495,  435,  9, "Восемь",                 Click::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  9,       "9",  "fraNums", 1320,  180,  495,  435, 10, "Девять",                 Click::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  4,       "4",  "fraNums",  120,  720,  495,  435,  5, "Четыре",                 Click::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  5,       "5",  "fraNums",  720,  720,  495,  435,  6, "Пять",                   Click::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  6,       "6",  "fraNums", 1320,  720,  495,  435,  7, "Шесть",                  Click::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  1,       "1",  "fraNums",  120, 1260,  495,  435,  2, "Один",                   Click::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  2,       "2",  "fraNums",  720, 1260,  495,  435,  3, "Два",                    Click::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  3,       "3",  "fraNums", 1320, 1260,  495,  435,  4, "Три",                    Click::cmdNum_Click},
    {"cmdNum",     ControlKind::Button,  0,       "0",  "fraNums",  120, 1800,  495,  435,  1, "Ноль",                   Click::cmdNum_Click},
    {"cmdDec",     ControlKind::Button,  noIndex, ".",  "fraNums",  720, 1800,  495,  435, 11, "Десятичный разделитель", Click::cmdDec_Click},
    {"cmdOpp",     ControlKind::Button,  noIndex, "±",  "fraNums", 1320, 1800,  495,  435, 12, "Смена знака",            Click::cmdOpp_Click},
    {"cmdCancel",  ControlKind::Button,  noIndex, "C",  "fraOpers", 120,  180,  495,  435, 16, "Очистить всё",           Click::cmdCancel_Click},
    {"cmdCE",      ControlKind::Button,  noIndex, "CE", "fraOpers", 720,  180,  495,  435, 17, "Очистить ввод",          Click::cmdCE_Click},
    {"cmdOper",    ControlKind::Button,  2, detail::op(2), "fraOpers", 120,  720,  495,  435, 18, "Умножить",          Click::cmdOper_Click},
    {"cmdOper",    ControlKind::Button,  3, detail::op(3), "fraOpers", 720,  720,  495,  435, 19, "Разделить",         Click::cmdOper_Click},
    {"cmdOper",    ControlKind::Button,  0, detail::op(0), "fraOpers", 120, 1260,  495,  435, 20, "Плюс",              Click::cmdOper_Click},
    {"cmdOper",    ControlKind::Button,  1, detail::op(1), "fraOpers", 720, 1260,  495,  435, 21, "Минус",             Click::cmdOper_Click},
    {"cmdPer",     ControlKind::Button,  noIndex, "%",  "fraOpers", 120, 1800,  495,  435, 22, "Процент",                Click::cmdPer_Click},
    {"cmdOper",    ControlKind::Button,  4, detail::op(4), "fraOpers", 720, 1800,  495,  435, 23, "Равно",             Click::cmdOper_Click},
}};
// clang-format on

enum class MenuCommand { None, Copy, Paste, About };

struct MenuRow {
    std::string_view name;
    std::string_view caption; // "&" marks the access key
    std::string_view parent;  // empty: the menu bar
    char ctrlKey;             // the shortcut is Ctrl with this letter, or 0 for none
    MenuCommand command;
};

inline constexpr std::array<MenuRow, 5> mainMenu{{
    {"mnuEdit", "&Правка", "", 0, MenuCommand::None},
    {"mnuCopy", "&Копировать", "mnuEdit", 'C', MenuCommand::Copy},
    {"mnuPaste", "Вст&авить", "mnuEdit", 'V', MenuCommand::Paste},
    {"mnuHelp", "&Справка", "", 0, MenuCommand::None},
    {"mnuAbout", "&О программе", "mnuHelp", 0, MenuCommand::About},
}};

// A control's own name, with the Index of an array element: "cmdNum7", "lblReadOut".
std::string objectName(const ControlRow& row);

// Runs the click handler of the button the row describes.
void click(Calculator& calculator, const ControlRow& row);

} // namespace tallix
