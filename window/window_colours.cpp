// SPDX-License-Identifier: MIT
#include "window_colours.h"

namespace varnik {

const WindowColours& windowColours(bool highContrast) {
    static const WindowColours described{
        windowBackground,   displayTextColour, displayBackground, displayTextColour,
        displayFlashColour, linkRestColour,    linkHoverColour,   {}};
    // The link stands out from the window's background in both its colours, and the focus mark
    // of two lines stands out on any picture: the highlight colours contrast with each other.
    static const WindowColours readable{
        SystemColour::Window,    SystemColour::FieldText,
        SystemColour::Field,     SystemColour::HighlightText,
        SystemColour::Highlight, SystemColour::Link,
        SystemColour::Highlight, {SystemColour::Highlight, SystemColour::HighlightText}};
    return highContrast ? readable : described;
}

} // namespace varnik
