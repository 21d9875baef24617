// SPDX-License-Identifier: MIT
#pragma once

#include "keys.h"
#include "messages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

namespace varnik {

/// Positions and sizes in twips: 15 to a pixel at 96 dpi.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int twipsPerPixel = 15;
inline constexpr int twipsPerInch = 1440;

/// A colour as the layout gives it: 0x00BBGGRR, blue in the high byte.
using BgrColour = std::uint32_t;

/// The window's own actions besides the calculator keys.
enum class Shell {
    About,
    Quit,
    Link, ///< opens the maker's home page
};

/// What the keyboard and the context menu add: the clipboard, and the menu itself.
enum class Command {
    Copy,      ///< the display as shown, in Bengali digits
    CopyLatin, ///< the display with ASCII digits
    Paste,
    ContextMenu,
    FocusNext,     ///< the focus to the next hidden button in tab order, round and round
    FocusPrevious, ///< the same backwards
};

/// What a click on a key, a typed key or a menu item runs.
using Action = std::variant<Key, Shell, Command>;

/// A font; an empty family means the window's default font.
struct FontRow {
    const char* family;
    double points;
    bool bold;
};

/// A key's hidden command button: never seen, but it takes the focus.
struct ButtonPart {
    const char* name;
    const char* caption;
    Twips geometry;
    BgrColour background;
    FontRow font;
    int tabIndex;
    /// What a screen reader calls a button without a picture twin, in words; a button with one
    /// is called as its twin is.
    const char* accessibleName = nullptr;
};

/// A key's two pictures on the skin, on the same rectangle: the normal picture Image<image>
/// and in front of it the highlight Image<image + 1>, which shows while the pointer is over
/// the key. A click on the highlight runs the key's action.
struct SkinPart {
    int image; ///< odd: the key map numbers the keys' picture pairs 1, 3 ... 35
    Twips geometry;
    const char* accessibleName;        ///< what a screen reader calls the key
    std::optional<Action> normalClick; ///< the only normal picture that handles a click
    /// Places in the front-to-back order of the pictures and labels, 0 in front: where two
    /// overlap, the one in front takes the pointer's events.
    int normalLayer;
    int highlightLayer;
};

/// One key of the window: its action, its hidden button and, for most, its skin pictures.
struct KeyRow {
    Action action;
    std::optional<ButtonPart> button;
    std::optional<SkinPart> skin;
};

namespace layout {

constexpr BgrColour paleYellow = 0x0080FFFF;  // digits and About
constexpr BgrColour offWhite = 0x00F0FAFA;    // operations, point, equals, Quit, Clear
constexpr BgrColour lightOrange = 0x0087D2F3; // memory keys

constexpr FontRow defaultFont{"", 0, false};
constexpr FontRow sans825Bold{"MS Sans Serif", 8.25, true};
constexpr FontRow sans975Bold{"MS Sans Serif", 9.75, true};
constexpr FontRow sans18{"MS Sans Serif", 18, false};
constexpr FontRow sans18Bold{"MS Sans Serif", 18, true};
constexpr FontRow sans24{"MS Sans Serif", 24, false};

constexpr SkinPart skin(int image, Twips at, const char* name, int normalLayer, int highlightLayer,
                        std::optional<Action> normalClick = std::nullopt) {
    return {image, at, name, normalClick, normalLayer, highlightLayer};
}

} // namespace layout

/// Every key, its hidden button's place in the stacking order first: where buttons overlap,
/// an earlier one lies in front. The buttons lie below or right of the client area.
// clang-format off
inline constexpr std::array<KeyRow, 23> keyRows{{
    // TRANSLATORS: What a screen reader calls the memory keys (captions "Clear Memory", "M Rc",
    // "M -", "M +"): the memory set to zero, shown, less and plus the display.
    {Key::MemoryClear,
     ButtonPart{"cmdclrmem", "Clear Memory", {60, 6195, 855, 495}, layout::lightOrange, layout::sans825Bold, 25, N_("clear memory")},
     std::nullopt},
    {Key::Seven,
     ButtonPart{"cmd7", "7", {1155, 4320, 500, 500}, layout::paleYellow, layout::defaultFont, 24},
     layout::skin(13, {105, 1680, 435, 420}, N_("seven"), 26, 10)},
    {Key::Eight,
     ButtonPart{"cmd8", "8", {1755, 4320, 500, 500}, layout::paleYellow, layout::defaultFont, 23},
     layout::skin(15, {630, 1680, 435, 420}, N_("eight"), 27, 11)},
    {Key::Nine,
     ButtonPart{"cmd9", "9", {2355, 4320, 500, 500}, layout::paleYellow, layout::defaultFont, 22},
     layout::skin(17, {1155, 1680, 435, 420}, N_("nine"), 28, 15)},
    {Key::Add,
     ButtonPart{"cmdadd", "+", {3885, 3780, 500, 500}, layout::offWhite, layout::sans18, 21},
     layout::skin(29, {1890, 630, 435, 420}, N_("plus"), 37, 36)},
    {Key::Four,
     ButtonPart{"cmd4", "4", {1155, 4920, 500, 500}, layout::paleYellow, layout::defaultFont, 20},
     layout::skin(7, {105, 1155, 435, 420}, N_("four"), 23, 7)},
    {Key::Five,
     ButtonPart{"cmd5", "5", {1755, 4920, 500, 500}, layout::paleYellow, layout::defaultFont, 19},
     layout::skin(9, {630, 1155, 435, 420}, N_("five"), 24, 8)},
    {Key::Six,
     ButtonPart{"cmd6", "6", {2355, 4920, 500, 500}, layout::paleYellow, layout::defaultFont, 18},
     layout::skin(11, {1155, 1155, 435, 420}, N_("six"), 25, 9)},
    {Key::Subtract,
     ButtonPart{"cmdsubtract", "-", {3885, 4410, 500, 555}, layout::offWhite, layout::sans24, 17},
     layout::skin(31, {1890, 1155, 435, 420}, N_("minus"), 31, 17)},
    {Key::One,
     ButtonPart{"cmd1", "1", {1155, 5520, 500, 500}, layout::paleYellow, layout::defaultFont, 16},
     layout::skin(1, {105, 630, 435, 420}, N_("one"), 20, 4)},
    {Key::Two,
     ButtonPart{"cmd2", "2", {1755, 5520, 500, 500}, layout::paleYellow, layout::defaultFont, 15},
     layout::skin(3, {630, 630, 435, 420}, N_("two"), 21, 5)},
    {Key::Three,
     ButtonPart{"cmd3", "3", {2355, 5520, 500, 500}, layout::paleYellow, layout::defaultFont, 14},
     layout::skin(5, {1155, 630, 435, 420}, N_("three"), 22, 6)},
    {Key::Multiply,
     ButtonPart{"cmdmultiply", "X", {3885, 5040, 500, 500}, layout::offWhite, layout::sans825Bold, 13},
     layout::skin(33, {1890, 1680, 435, 420}, N_("times"), 30, 18)},
    {Key::Zero,
     ButtonPart{"cmd0", "0", {1155, 6120, 500, 500}, layout::paleYellow, layout::defaultFont, 12},
     layout::skin(19, {105, 2205, 975, 420}, N_("zero"), 35, 34)},
    // TRANSLATORS: The decimal point key.
    {Key::Point,
     ButtonPart{"cmdpoint", ".", {3150, 4095, 450, 450}, layout::offWhite, layout::sans18Bold, 11},
     layout::skin(23, {1155, 2205, 435, 420}, N_("point"), 32, 16)},
    {Key::Equals,
     ButtonPart{"cmdeql", "=", {1785, 6195, 1440, 390}, layout::offWhite, layout::defaultFont, 10},
     layout::skin(21, {105, 2730, 1485, 420}, N_("equals"), 33, 14)},
    {Key::Divide,
     ButtonPart{"cmddivide", "/", {3885, 5565, 500, 500}, layout::offWhite, layout::sans18, 9},
     layout::skin(35, {1890, 2205, 435, 420}, N_("divided by"), 29, 19)},
    {Key::MemoryRecall,
     ButtonPart{"cmdrcm", "M Rc", {60, 5715, 855, 495}, layout::lightOrange, layout::sans975Bold, 8, N_("memory recall")},
     std::nullopt},
    {Key::MemorySubtract,
     ButtonPart{"cmdmem1", "M -", {60, 5235, 855, 495}, layout::lightOrange, layout::sans975Bold, 7, N_("memory minus")},
     std::nullopt},
    {Key::MemoryAdd,
     ButtonPart{"cmdmem", "M +", {60, 4755, 855, 495}, layout::lightOrange, layout::sans975Bold, 6, N_("memory plus")},
     std::nullopt},
    // TRANSLATORS: What a screen reader calls the button that shows the About box.
    {Shell::About,
     ButtonPart{"cmdabout", "About ", {3990, 6510, 975, 375}, layout::paleYellow, layout::defaultFont, 2, N_("About")},
     std::nullopt},
    // TRANSLATORS: The key that ends the program; its picture says সমাপ্ত.
    {Shell::Quit,
     ButtonPart{"cmdoff", "Quit", {0, 4200, 1170, 375}, layout::offWhite, layout::defaultFont, 1},
     layout::skin(25, {1890, 2730, 1125, 420}, N_("Quit"), 3, 2)},
    // The Clear key's normal picture enters a zero; only its highlight clears.
    // TRANSLATORS: The key that clears the display and the pending operation.
    {Key::Clear,
     ButtonPart{"cmdclear", "Clear", {4200, 630, 540, 2055}, layout::offWhite, layout::defaultFont, 0},
     layout::skin(27, {2415, 630, 570, 1995}, N_("Clear"), 1, 0, Key::Zero)},
}};
// clang-format on

inline constexpr const char* windowCaption = "Varnik Calculator";
inline constexpr int clientWidth = 3090;
inline constexpr int clientHeight = 3480;
inline constexpr BgrColour windowBackground = 0x00E3F4F4;

inline constexpr const char* displayName = "txtnum";
inline constexpr Twips displayGeometry{105, 105, 2925, 405};
inline constexpr BgrColour displayBackground = 0x00EFEFEF;
/// The disabled display's text: the platforms' disabled-text grey, readable on its background.
inline constexpr BgrColour displayTextColour = 0x006D6D6D;
/// A failed key flashes the display's background in the highlight's grey for this long, so that
/// the failure is seen where the error signal is not heard.
inline constexpr BgrColour displayFlashColour = 0x009A9A9A;
inline constexpr int displayFlashMilliseconds = 150;
inline constexpr FontRow displayFont{"Zelvik Normal", 14.25, true};

inline constexpr const char* linkName = "Label1";
inline constexpr Twips linkGeometry{250, 3255, 2595, 255};
inline constexpr BgrColour linkDesignColour = 0x00808080;
inline constexpr BgrColour linkRestColour = 0x00CACAC4;
inline constexpr BgrColour linkHoverColour = 0x00FF0000;
inline constexpr FontRow linkFont{"Arial", 9, false};
inline constexpr const char* linkCaption = "http://www.varnik.example.org";
inline constexpr const char* linkTarget = "http://www.varnik.example.org/home.html?calculator";
inline constexpr int linkLayer = 12;

/// The keyboard's focus on a hidden button marks its twin on the skin: a one-pixel outline this
/// many pixels inside the key's edge, within its frame.
inline constexpr int focusMarkInset = 3;

inline constexpr const char* operationLabelName = "Label2";
inline constexpr Twips operationLabelGeometry{960, 120, 1215, 255};
inline constexpr int operationLabelLayer = 13;

} // namespace varnik
