// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"

#include <algorithm>
#include <cmath>

namespace varnik {

/// The pixels of the design density; every front end lays out from it.
inline constexpr int designDpi = 96;

// One rule between twips and pixels, for drawing and for the pointer alike: a pixel belongs to
// a control when its top left corner lies inside the control's rectangle. A control's first
// pixel is therefore the first one at or after its edge, and a pointer on pixel p is at p
// pixels from the origin: a click lands on exactly the pixels that show the control, at every
// density.

/// Twips to the first pixel at or after them, at `dpi`.
constexpr int toPixels(int twips, int dpi = designDpi) {
    return (twips * dpi + twipsPerInch - 1) / twipsPerInch;
}

/// The same at any scale (device pixels per pixel at 96 dpi, such as 1.25 or 7.3). Rounding
/// errors of the scale itself are forgiven, so that an edge on a pixel stays on it.
inline int toDevicePixels(int twips, double scale) {
    return static_cast<int>(std::ceil(twips * scale / twipsPerPixel - 1e-6));
}

/// A rectangle in pixels: its edges converted, so neighbours stay neighbours.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};
constexpr PixelRect toPixels(const Twips& t, int dpi = designDpi) {
    const int left = toPixels(t.left, dpi);
    const int top = toPixels(t.top, dpi);
    return {left, top, toPixels(t.left + t.width, dpi) - left,
            toPixels(t.top + t.height, dpi) - top};
}
inline PixelRect toDevicePixels(const Twips& t, double scale) {
    const int left = toDevicePixels(t.left, scale);
    const int top = toDevicePixels(t.top, scale);
    return {left, top, toDevicePixels(t.left + t.width, scale) - left,
            toDevicePixels(t.top + t.height, scale) - top};
}

/// The densities the key pictures are drawn at: 1x (96 dpi), 2x, 3x and 4x.
inline constexpr int densestPictures = 4;

/// The key pictures to draw at `scale` (device pixels per pixel at 96 dpi): the nearest density
/// at or above the scale, so that a picture is shrunk a little rather than enlarged, up to the
/// densest there is. A scale a rounding error above a density is that density.
inline int pictureDensity(double scale) {
    return std::clamp(static_cast<int>(std::ceil(scale - 1e-6)), 1, densestPictures);
}

/// A pointer position in pixels at `dpi` as twips, in 32-bit floats as the pointer's
/// coordinates are.
constexpr float toTwips(double pixels, int dpi = designDpi) {
    return static_cast<float>(pixels * twipsPerInch / dpi);
}
/// The same for device pixels at any scale.
constexpr float toTwipsAtScale(double devicePixels, double scale) {
    return static_cast<float>(devicePixels * twipsPerPixel / scale);
}

constexpr int red(BgrColour colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int green(BgrColour colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int blue(BgrColour colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}

} // namespace varnik
