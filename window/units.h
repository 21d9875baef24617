// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"

namespace varnik {

/// The pixels of the design density; every front end lays out from it.
inline constexpr int designDpi = 96;

/// Twips to pixels at `dpi`, rounded to the nearest pixel.
constexpr int toPixels(int twips, int dpi = designDpi) {
    return (twips * dpi + twipsPerInch / 2) / twipsPerInch;
}

/// A rectangle in pixels at `dpi`: its edges rounded, so neighbours stay neighbours.
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

/// A pointer position in pixels at `dpi` as twips, in 32-bit floats as the pointer's
/// coordinates are.
constexpr float toTwips(double pixels, int dpi = designDpi) {
    return static_cast<float>(pixels * twipsPerInch / dpi);
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
