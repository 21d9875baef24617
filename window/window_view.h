// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"

#include <cstddef>
#include <string_view>

namespace varnik {

/// What a front end shows. The window model calls these as its controls' properties change;
/// a front end only draws what it is told and keeps no state of its own.
class WindowView {
public:
    virtual ~WindowView() = default;

    /// The display's text (ASCII digits, point, sign, exponent, blanks).
    virtual void showDisplay(std::string_view text) = 0;
    /// The point command button's enabled state.
    virtual void enablePointButton(bool enabled) = 0;
    /// The caption of the hidden operation label.
    virtual void showOperation(std::string_view caption) = 0;
    /// Shows or hides the highlight picture of skin key `key`.
    virtual void showHighlight(std::size_t key, bool visible) = 0;
    /// The link label's text colour.
    virtual void colourLink(BgrColour colour) = 0;
    /// Gives the keyboard focus to the command button of row `button`.
    virtual void focusButton(std::size_t button) = 0;
    /// Shows the display's background in displayFlashColour for displayFlashMilliseconds, then
    /// in its own colour again.
    virtual void flashDisplay() = 0;
};

} // namespace varnik
