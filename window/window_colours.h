// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"

#include <optional>
#include <vector>

namespace varnik {

/// Colours the desktop chooses, which only a front end can look up on its platform.
enum class SystemColour {
    Window,        ///< a window's background
    Field,         ///< a text field's background
    FieldText,     ///< a text field's text
    Link,          ///< a link's text
    Highlight,     ///< the selection's background (readable on the window's background, too)
    HighlightText, ///< text on the selection
};

/// A colour of the scene: one of the window's tables, or one the desktop chooses.
struct SceneColour {
    // Implicit: a colour of the tables is a colour of the scene.
    SceneColour(BgrColour colour = 0) : design(colour) {}
    SceneColour(SystemColour colour) : system(colour) {}

    BgrColour design = 0;
    std::optional<SystemColour> system; ///< drawn instead of `design` where set

    friend bool operator==(const SceneColour& a, const SceneColour& b) {
        return a.design == b.design && a.system == b.system;
    }
    friend bool operator!=(const SceneColour& a, const SceneColour& b) { return !(a == b); }
};

/// The window's colours in its two looks: as the tables give them, and where the user asked the
/// desktop for high contrast, where the desktop's readable colours take the place of the link's,
/// the display's, the window's background and the focus mark's. The key pictures keep theirs.
struct WindowColours {
    SceneColour background;
    SceneColour displayText;
    SceneColour displayBackground;
    SceneColour flashText; ///< the display's, while a failure flashes it
    SceneColour flashBackground;
    SceneColour linkRest;
    SceneColour linkHover;
    /// The focus mark's lines from the outside in, one pixel of the layout each, three pixels
    /// inside the key's edge. None: the desktop's usual focus mark (Windows' dotted rectangle,
    /// elsewhere a line in the desktop's focus colour).
    std::vector<SystemColour> focusMarkLines;
};

/// The window's colours with the desktop's high-contrast setting on or off.
const WindowColours& windowColours(bool highContrast);

} // namespace varnik
