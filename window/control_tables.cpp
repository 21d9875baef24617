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

constexpr Windowless picture(int image) {
    return {Windowless::Kind::Picture, image};
}

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

// clang-format off
const std::array<SkinKeyRow, 18> skinKeys{{
    {Key::One, {105, 630, 435, 420}, "one", std::nullopt},            // Image1, Image2
    {Key::Two, {630, 630, 435, 420}, "two", std::nullopt},            // Image3, Image4
    {Key::Three, {1155, 630, 435, 420}, "three", std::nullopt},       // Image5, Image6
    {Key::Four, {105, 1155, 435, 420}, "four", std::nullopt},         // Image7, Image8
    {Key::Five, {630, 1155, 435, 420}, "five", std::nullopt},         // Image9, Image10
    {Key::Six, {1155, 1155, 435, 420}, "six", std::nullopt},          // Image11, Image12
    {Key::Seven, {105, 1680, 435, 420}, "seven", std::nullopt},       // Image13, Image14
    {Key::Eight, {630, 1680, 435, 420}, "eight", std::nullopt},       // Image15, Image16
    {Key::Nine, {1155, 1680, 435, 420}, "nine", std::nullopt},        // Image17, Image18
    {Key::Zero, {105, 2205, 975, 420}, "zero", std::nullopt},         // Image19, Image20
    {Key::Equals, {105, 2730, 1485, 420}, "equals", std::nullopt},    // Image21, Image22
    {Key::Point, {1155, 2205, 435, 420}, "point", std::nullopt},      // Image23, Image24
    {Shell::Quit, {1890, 2730, 1125, 420}, "Quit", std::nullopt},     // Image25, Image26
    // The Clear key's normal picture enters a zero; only its highlight clears.
    {Key::Clear, {2415, 630, 570, 1995}, "Clear", Key::Zero},         // Image27, Image28
    {Key::Add, {1890, 630, 435, 420}, "plus", std::nullopt},          // Image29, Image30
    {Key::Subtract, {1890, 1155, 435, 420}, "minus", std::nullopt},   // Image31, Image32
    {Key::Multiply, {1890, 1680, 435, 420}, "times", std::nullopt},   // Image33, Image34
    {Key::Divide, {1890, 2205, 435, 420}, "divided by", std::nullopt}, // Image35, Image36
}};
// clang-format on

// clang-format off
const std::array<Windowless, 38> windowlessStacking{{
    picture(28), picture(27), picture(26), picture(25), picture(2), picture(4), picture(6),
    picture(8), picture(10), picture(12), picture(14), picture(16),
    {Windowless::Kind::LinkLabel}, {Windowless::Kind::OperationLabel},
    picture(22), picture(18), picture(24), picture(32), picture(34), picture(36),
    picture(1), picture(3), picture(5), picture(7), picture(9), picture(11), picture(13),
    picture(15), picture(17), picture(35), picture(33), picture(31), picture(23), picture(21),
    picture(20), picture(19), picture(30), picture(29),
}};
// clang-format on

} // namespace varnik
