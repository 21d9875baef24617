// SPDX-License-Identifier: MIT
#include "window_colours.h"

namespace varnik {

namespace {

WindowColours described() {
    WindowColours colours;
    colours.background = windowBackground;
    colours.displayText = displayTextColour;
    colours.displayBackground = displayBackground;
    colours.flashText = displayTextColour;
    colours.flashBackground = displayFlashColour;
    colours.linkRest = linkRestColour;
    colours.linkHover = linkHoverColour;
    return colours;
}

WindowColours readable() {
    WindowColours colours;
    colours.background = SystemColour::Window;
    colours.displayText = SystemColour::FieldText;
    colours.displayBackground = SystemColour::Field;
    colours.flashText = SystemColour::HighlightText;
    colours.flashBackground = SystemColour::Highlight;
    // The link stands out from the window's background in both its colours.
    colours.linkRest = SystemColour::Link;
    colours.linkHover = SystemColour::Highlight;
    // The highlight's two colours contrast with each other: one of them stands out on any
    // picture.
    colours.focusMarkLines = {SystemColour::Highlight, SystemColour::HighlightText};
    return colours;
}

} // namespace

const WindowColours& windowColours(bool highContrast) {
    static const WindowColours designed = described();
    static const WindowColours highlyReadable = readable();
    return highContrast ? highlyReadable : designed;
}

} // namespace varnik
