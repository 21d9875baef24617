// SPDX-License-Identifier: MIT
#pragma once

#include "keys.h"

#include <array>
#include <cstddef>
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
};

/// What a click on a key, a typed key or a menu item runs.
using Action = std::variant<Key, Shell, Command>;

/// A font; an empty family means the window's default font.
struct FontRow {
    const char* family;
    double points;
    bool bold;
};

/// One hidden command button.
struct CommandButtonRow {
    const char* name;
    const char* caption;
    Action action;
    Twips geometry;
    BgrColour background;
    FontRow font;
    int tabIndex;
};

/// One skin key: two pictures on the same rectangle, the normal picture and in front of it the
/// highlight picture, which shows while the pointer is over the key. A click on the highlight
/// runs `action`. The keys are numbered in the order of the key map: key k's pictures are
/// Image(2k+1) and Image(2k+2).
struct SkinKeyRow {
    Action action;
    Twips geometry;
    const char* accessibleName;
    std::optional<Action> normalClick; ///< the only normal picture that handles a click
};

/// A control drawn by the window itself (a picture or a label), as the stacking order names it.
struct Windowless {
    enum class Kind {
        Picture,
        LinkLabel,
        OperationLabel
    };
    Kind kind;
    int image = 0; ///< a picture's number: Image1 ... Image36
};

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

inline constexpr const char* operationLabelName = "Label2";
inline constexpr Twips operationLabelGeometry{960, 120, 1215, 255};

/// In stacking order, front to back (where buttons overlap, an earlier one lies in front).
/// The labels take no focus and the display is disabled: the tab order holds these only.
extern const std::array<CommandButtonRow, 23> commandButtons;
/// In the order of the key map; the leave test walks them in this order.
extern const std::array<SkinKeyRow, 18> skinKeys;
/// The pictures and labels front to back: where they overlap, an earlier one lies in front and
/// takes the pointer's events. The buttons and the display are windows of their own and lie in
/// front of all of them.
extern const std::array<Windowless, 38> windowlessStacking;

} // namespace varnik
