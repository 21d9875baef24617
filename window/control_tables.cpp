// SPDX-License-Identifier: MIT
#include "control_tables.h"

namespace varnik {

namespace {

constexpr BgrColour paleYellow = 0x0080FFFF;  // digits and About
constexpr BgrColour offWhite = 0x00F0FAFA;    // operations, point, equals, Quit, Clear
constexpr BgrColour lightOrange = 0x0087D2F3; // memory keys

constexpr FontRow defaultFont{"", 0, false};
constexpr FontRow sans825Bold{"MS Sans Serif", 8.25, true};
constexpr FontRow sans975Bold{"MS Sans Serif", 9.75, true};
constexpr FontRow sans18{"MS Sans Serif", 18, false};
constexpr FontRow sans18Bold{"MS Sans Serif", 18, true};
constexpr FontRow sans24{"MS Sans Serif", 24, false};

} // namespace

// The buttons lie below or right of the client area: never seen, but they take the focus.
// clang-format off
const std::array<CommandButtonRow, 23> commandButtons{{
    {"cmdclrmem", "Clear Memory", Key::MemoryClear, {60, 6195, 855, 495}, lightOrange,
     sans825Bold, 25},
    {"cmd7", "7", Key::Seven, {1155, 4320, 500, 500}, paleYellow, defaultFont, 24},
    {"cmd8", "8", Key::Eight, {1755, 4320, 500, 500}, paleYellow, defaultFont, 23},
    {"cmd9", "9", Key::Nine, {2355, 4320, 500, 500}, paleYellow, defaultFont, 22},
    {"cmdadd", "+", Key::Add, {3885, 3780, 500, 500}, offWhite, sans18, 21},
    {"cmd4", "4", Key::Four, {1155, 4920, 500, 500}, paleYellow, defaultFont, 20},
    {"cmd5", "5", Key::Five, {1755, 4920, 500, 500}, paleYellow, defaultFont, 19},
    {"cmd6", "6", Key::Six, {2355, 4920, 500, 500}, paleYellow, defaultFont, 18},
    {"cmdsubtract", "-", Key::Subtract, {3885, 4410, 500, 555}, offWhite, sans24, 17},
    {"cmd1", "1", Key::One, {1155, 5520, 500, 500}, paleYellow, defaultFont, 16},
    {"cmd2", "2", Key::Two, {1755, 5520, 500, 500}, paleYellow, defaultFont, 15},
    {"cmd3", "3", Key::Three, {2355, 5520, 500, 500}, paleYellow, defaultFont, 14},
    {"cmdmultiply", "X", Key::Multiply, {3885, 5040, 500, 500}, offWhite, sans825Bold, 13},
    {"cmd0", "0", Key::Zero, {1155, 6120, 500, 500}, paleYellow, defaultFont, 12},
    {"cmdpoint", ".", Key::Point, {3150, 4095, 450, 450}, offWhite, sans18Bold, 11},
    {"cmdeql", "=", Key::Equals, {1785, 6195, 1440, 390}, offWhite, defaultFont, 10},
    {"cmddivide", "/", Key::Divide, {3885, 5565, 500, 500}, offWhite, sans18, 9},
    {"cmdrcm", "M Rc", Key::MemoryRecall, {60, 5715, 855, 495}, lightOrange, sans975Bold, 8},
    {"cmdmem1", "M -", Key::MemorySubtract, {60, 5235, 855, 495}, lightOrange, sans975Bold,
     7},
    {"cmdmem", "M +", Key::MemoryAdd, {60, 4755, 855, 495}, lightOrange, sans975Bold, 6},
    {"cmdabout", "About ", Shell::About, {3990, 6510, 975, 375}, paleYellow, defaultFont, 2},
    {"cmdoff", "Quit", Shell::Quit, {0, 4200, 1170, 375}, offWhite, defaultFont, 1},
    {"cmdclear", "Clear", Key::Clear, {4200, 630, 540, 2055}, offWhite, defaultFont, 0},
}};
// clang-format on

// In the order of the key map; the leave test walks them in this order.
// clang-format off
const std::array<SkinKeyRow, 18> skinKeys{{
    {1, Key::One, {105, 630, 435, 420}, "one", std::nullopt},
    {3, Key::Two, {630, 630, 435, 420}, "two", std::nullopt},
    {5, Key::Three, {1155, 630, 435, 420}, "three", std::nullopt},
    {7, Key::Four, {105, 1155, 435, 420}, "four", std::nullopt},
    {9, Key::Five, {630, 1155, 435, 420}, "five", std::nullopt},
    {11, Key::Six, {1155, 1155, 435, 420}, "six", std::nullopt},
    {13, Key::Seven, {105, 1680, 435, 420}, "seven", std::nullopt},
    {15, Key::Eight, {630, 1680, 435, 420}, "eight", std::nullopt},
    {17, Key::Nine, {1155, 1680, 435, 420}, "nine", std::nullopt},
    {19, Key::Zero, {105, 2205, 975, 420}, "zero", std::nullopt},
    {21, Key::Equals, {105, 2730, 1485, 420}, "equals", std::nullopt},
    {23, Key::Point, {1155, 2205, 435, 420}, "point", std::nullopt},
    {25, Shell::Quit, {1890, 2730, 1125, 420}, "Quit", std::nullopt},
    // The Clear key's normal picture enters a zero; only its highlight clears.
    {27, Key::Clear, {2415, 630, 570, 1995}, "Clear", Key::Zero},
    {29, Key::Add, {1890, 630, 435, 420}, "plus", std::nullopt},
    {31, Key::Subtract, {1890, 1155, 435, 420}, "minus", std::nullopt},
    {33, Key::Multiply, {1890, 1680, 435, 420}, "times", std::nullopt},
    {35, Key::Divide, {1890, 2205, 435, 420}, "divided by", std::nullopt},
}};
// clang-format on

// The labels take no focus and the display is disabled: Tab walks the buttons only.
const std::array<TabStopRow, 3> otherTabStops{{
    {"Label2", 3},
    {"Label1", 4},
    {"txtnum", 5},
}};

// clang-format off
const std::array<const char*, 62> stackingOrder{{
    "cmdclrmem", "cmd7",     "cmd8",     "cmd9",     "cmdadd",   "cmd4",    "cmd5",
    "cmd6",      "cmdsubtract", "cmd1",  "cmd2",     "cmd3",     "cmdmultiply", "cmd0",
    "cmdpoint",  "cmdeql",   "cmddivide", "cmdrcm",  "cmdmem1",  "cmdmem",  "txtnum",
    "cmdabout",  "cmdoff",   "cmdclear", "Image28",  "Image27",  "Image26", "Image25",
    "Image2",    "Image4",   "Image6",   "Image8",   "Image10",  "Image12", "Image14",
    "Image16",   "Label1",   "Label2",   "Image22",  "Image18",  "Image24", "Image32",
    "Image34",   "Image36",  "Image1",   "Image3",   "Image5",   "Image7",  "Image9",
    "Image11",   "Image13",  "Image15",  "Image17",  "Image35",  "Image33", "Image31",
    "Image23",   "Image21",  "Image20",  "Image19",  "Image30",  "Image29",
}};
// clang-format on

} // namespace varnik
