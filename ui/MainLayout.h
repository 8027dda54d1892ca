// The main window's controls and menu as tables: names, captions, Index
// values, containers, twips, tab order and the names a screen reader speaks.
// The window builds itself from these; they hold no behaviour.
#pragma once

#include <array>
#include <cstdint>
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
};

inline constexpr int clientWidth = 3555;  // twips
inline constexpr int clientHeight = 2985; // twips

// clang-format off
inline constexpr std::array<ControlRow, 24> mainControls{{
    {"lblReadOut", ControlKind::Label,   noIndex, "0",  "",         120,  120, 3315,  315, 13, "Табло"},
    {"fraNums",    ControlKind::Frame,   noIndex, "",   "",          60,  540, 1935, 2355, 14, "Цифры"},
    {"fraOpers",   ControlKind::Frame,   noIndex, "",   "",        2160,  540, 1335, 2355, 15, "Действия"},
    {"pctKeyTrap", ControlKind::KeyTrap, noIndex, "",   "",          60, 3240, 1935,  315,  0, "Ввод с клавиатуры"},
    {"cmdNum",     ControlKind::Button,  7,       "7",  "fraNums",  120,  180,  495,  435,  8, "Семь"},
    {"cmdNum",     ControlKind::Button,  8,       "8",  "fraNums",  720,  180,  495,  435,  9, "Восемь"},
    {"cmdNum",     ControlKind::Button,  9,       "9",  "fraNums", 1320,  180,  495,  435, 10, "Девять"},
    {"cmdNum",     ControlKind::Button,  4,       "4",  "fraNums",  120,  720,  495,  435,  5, "Четыре"},
    {"cmdNum",     ControlKind::Button,  5,       "5",  "fraNums",  720,  720,  495,  435,  6, "Пять"},
    {"cmdNum",     ControlKind::Button,  6,       "6",  "fraNums", 1320,  720,  495,  435,  7, "Шесть"},
    {"cmdNum",     ControlKind::Button,  1,       "1",  "fraNums",  120, 1260,  495,  435,  2, "Один"},
    {"cmdNum",     ControlKind::Button,  2,       "2",  "fraNums",  720, 1260,  495,  435,  3, "Два"},
    {"cmdNum",     ControlKind::Button,  3,       "3",  "fraNums", 1320, 1260,  495,  435,  4, "Три"},
    {"cmdNum",     ControlKind::Button,  0,       "0",  "fraNums",  120, 1800,  495,  435,  1, "Ноль"},
    {"cmdDec",     ControlKind::Button,  noIndex, ".",  "fraNums",  720, 1800,  495,  435, 11, "Десятичный разделитель"},
    {"cmdOpp",     ControlKind::Button,  noIndex, "±",  "fraNums", 1320, 1800,  495,  435, 12, "Смена знака"},
    {"cmdCancel",  ControlKind::Button,  noIndex, "C",  "fraOpers", 120,  180,  495,  435, 16, "Очистить всё"},
    {"cmdCE",      ControlKind::Button,  noIndex, "CE", "fraOpers", 720,  180,  495,  435, 17, "Очистить ввод"},
    {"cmdOper",    ControlKind::Button,  2,       "*",  "fraOpers", 120,  720,  495,  435, 18, "Умножить"},
    {"cmdOper",    ControlKind::Button,  3,       "/",  "fraOpers", 720,  720,  495,  435, 19, "Разделить"},
    {"cmdOper",    ControlKind::Button,  0,       "+",  "fraOpers", 120, 1260,  495,  435, 20, "Плюс"},
    {"cmdOper",    ControlKind::Button,  1,       "-",  "fraOpers", 720, 1260,  495,  435, 21, "Минус"},
    {"cmdPer",     ControlKind::Button,  noIndex, "%",  "fraOpers", 120, 1800,  495,  435, 22, "Процент"},
    {"cmdOper",    ControlKind::Button,  4,       "=",  "fraOpers", 720, 1800,  495,  435, 23, "Равно"},
}};
// clang-format on

enum class MenuCommand { None, Copy, Paste, About };

struct MenuRow {
    std::string_view name;
    std::string_view caption; // "&" marks the access key
    std::string_view parent;  // empty: the menu bar
    std::string_view shortcut;
    MenuCommand command;
};

inline constexpr std::array<MenuRow, 5> mainMenu{{
    {"mnuEdit", "&Правка", "", "", MenuCommand::None},
    {"mnuCopy", "&Копировать", "mnuEdit", "Ctrl+C", MenuCommand::Copy},
    {"mnuPaste", "Вст&авить", "mnuEdit", "Ctrl+V", MenuCommand::Paste},
    {"mnuHelp", "&Справка", "", "", MenuCommand::None},
    {"mnuAbout", "&О программе", "mnuHelp", "", MenuCommand::About},
}};

} // namespace tallix
