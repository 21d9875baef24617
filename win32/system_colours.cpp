// SPDX-License-Identifier: MIT
#include "layout.h"

namespace varnik::win32 {

namespace {

int sysColourIndex(SystemColour colour) {
    switch (colour) {
    case SystemColour::Window:
    case SystemColour::Field:
        return COLOR_WINDOW; // what high-contrast themes call the background
    case SystemColour::FieldText:
        return COLOR_WINDOWTEXT;
    case SystemColour::Link:
        return COLOR_HOTLIGHT; // the themes' hyperlink colour
    case SystemColour::Highlight:
        return COLOR_HIGHLIGHT;
    case SystemColour::HighlightText:
        return COLOR_HIGHLIGHTTEXT;
    }
    return COLOR_WINDOWTEXT;
}

} // namespace

COLORREF toColorRef(const SceneColour& colour) {
    return colour.system ? GetSysColor(sysColourIndex(*colour.system)) : toColorRef(colour.design);
}

bool highContrastOn() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

} // namespace varnik::win32
