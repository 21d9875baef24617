// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "number_text.h"
#include "window_colours.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace varnik {

/// One skin key as it is to be drawn.
struct SkinKeyScene {
    bool lit = false;       ///< the highlight picture shows (the pointer is over the key)
    bool focusMark = false; ///< the focused command button is this key's twin
};

/// The display as it is to be drawn and read.
struct DisplayScene {
    std::string text; ///< ASCII digits, point, sign, exponent and blanks; drawn in Bengali digits
    SceneColour background = displayBackground; ///< the flash's while a failure flashes
    SceneColour textColour = displayTextColour;
    bool rightAligned = false; ///< from the load step on
    // The same on every desktop: the display never takes the focus or typed text.
    static constexpr std::size_t maxLength = displayLimit;
    static constexpr bool readOnly = true;
};

/// Everything a front end draws, as the window model holds it. A front end paints from this
/// and keeps no copy of its own; the view interface tells it what changed.
struct Scene {
    std::array<SkinKeyScene, skinKeyCount> keys{};
    SceneColour background = windowBackground; ///< the window's, around the pictures
    /// The focus mark's lines (WindowColours::focusMarkLines); none: the desktop's usual mark.
    std::vector<SystemColour> focusMarkLines;
    SceneColour linkColour = linkDesignColour;
    DisplayScene display;
    bool pointButtonEnabled = true;
    std::string operationCaption; ///< the hidden operation label's caption, never shown
};

} // namespace varnik
