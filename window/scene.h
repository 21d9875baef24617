// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "number_text.h"

#include <array>
#include <cstddef>
#include <string>

namespace varnik {

/// One skin key as it is to be drawn.
struct SkinKeyScene {
    bool lit = false;       ///< the highlight picture shows (the pointer is over the key)
    bool focusMark = false; ///< the focused command button is this key's twin
};

/// The display as it is to be drawn and read.
struct DisplayScene {
    std::string text; ///< ASCII digits, point, sign, exponent and blanks; drawn in Bengali digits
    BgrColour background = displayBackground; ///< displayFlashColour while a failure flashes
    bool rightAligned = false;                ///< from the load step on
    // The same on every desktop: the display never takes the focus or typed text.
    static constexpr std::size_t maxLength = displayLimit;
    static constexpr bool readOnly = true;
    static constexpr BgrColour textColour = displayTextColour;
};

/// Everything a front end draws, as the window model holds it. A front end paints from this
/// and keeps no copy of its own; the view interface tells it what changed.
struct Scene {
    std::array<SkinKeyScene, skinKeyCount> keys{};
    BgrColour linkColour = linkDesignColour;
    DisplayScene display;
    bool pointButtonEnabled = true;
    std::string operationCaption; ///< the hidden operation label's caption, never shown
};

} // namespace varnik
