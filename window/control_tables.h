// SPDX-License-Identifier: MIT
#pragma once

#include "keys.h"

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

/// A colour as the layout gives it: 0x00BBGGRR, blue in the high byte.
using BgrColour = std::uint32_t;

/// The window's own actions besides the calculator keys.
enum class Shell {
    About,
    Quit,
};

/// What a click on a key runs.
using Action = std::variant<Key, Shell>;

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

/// One skin key: a normal picture ImageN and its highlight picture Image(N+1) on the same
/// rectangle; a click on the highlight runs `action`.
struct SkinKeyRow {
    int normalImage;
    Action action;
    Twips geometry;
    const char* accessibleName;
    std::optional<Action> normalClick; ///< the only normal picture that handles a click
};

/// Any other control that takes part in the tab order.
struct TabStopRow {
    const char* name;
    int tabIndex;
};

inline constexpr const char* windowCaption = "Varnik Calculator";
inline constexpr int clientWidth = 3090;
inline constexpr int clientHeight = 3480;
inline constexpr BgrColour windowBackground = 0x00E3F4F4;

inline constexpr Twips displayGeometry{105, 105, 2925, 405};
inline constexpr BgrColour displayBackground = 0x00EFEFEF;
inline constexpr FontRow displayFont{"Zelvik Normal", 14.25, true};

inline constexpr Twips linkGeometry{250, 3255, 2595, 255};
inline constexpr BgrColour linkDesignColour = 0x00808080;
inline constexpr BgrColour linkRestColour = 0x00CACAC4;
inline constexpr BgrColour linkHoverColour = 0x00FF0000;
inline constexpr FontRow linkFont{"Arial", 9, false};
inline constexpr const char* linkCaption = "http://www.varnik.example.org";
inline constexpr const char* linkTarget = "http://www.varnik.example.org/home.html?calculator";

inline constexpr Twips operationLabelGeometry{960, 120, 1215, 255};

extern const std::array<CommandButtonRow, 23> commandButtons;
extern const std::array<SkinKeyRow, 18> skinKeys;
extern const std::array<TabStopRow, 3> otherTabStops;

/// Every control's name, front to back: where controls overlap, an earlier one lies in front.
extern const std::array<const char*, 62> stackingOrder;

} // namespace varnik
