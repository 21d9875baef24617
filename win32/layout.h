// SPDX-License-Identifier: MIT
#pragma once

#include "units.h"
#include "window_colours.h"

#include <windows.h>

#include <cmath>

namespace varnik::win32 {

/// A rectangle of the layout in pixels of a window at `dpi`.
inline RECT pixelRect(const Twips& twips, int dpi) {
    const PixelRect p = toPixels(twips, dpi);
    return {p.left, p.top, p.left + p.width, p.top + p.height};
}

/// A point of the client area, in twips, as the first pixel at or after it at `dpi`, as edges
/// are drawn. A pointer's own position (toTwips of its pixel) comes back to the same pixel: the
/// float's rounding error is forgiven.
inline POINT pixelPoint(float x, float y, int dpi) {
    const auto pixel = [dpi](float twips) {
        return static_cast<LONG>(std::ceil(static_cast<double>(twips) * dpi / twipsPerInch - 1e-3));
    };
    return {pixel(x), pixel(y)};
}

/// The key pictures' density for a window at `dpi`.
inline int pictureDensityAt(int dpi) {
    return pictureDensity(static_cast<double>(dpi) / USER_DEFAULT_SCREEN_DPI);
}

/// The LOGFONT height of a font of `points` at `dpi`: negative, so it is the characters' height.
inline LONG fontHeight(double points, int dpi) {
    return -std::lround(points * dpi / 72.0);
}

inline COLORREF toColorRef(BgrColour colour) {
    return RGB(red(colour), green(colour), blue(colour));
}

/// The colour a scene colour stands for: a colour of the tables, or the desktop's own.
COLORREF toColorRef(const SceneColour& colour);

/// Whether the user turned Windows' high-contrast setting on.
bool highContrastOn();

} // namespace varnik::win32
