// SPDX-License-Identifier: MIT
#include "contrast.h"

#include "units.h"

#include <algorithm>
#include <cmath>

namespace varnik {

namespace {

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(BgrColour colour) {
    return 0.2126 * linear(red(colour)) + 0.7152 * linear(green(colour)) +
           0.0722 * linear(blue(colour));
}

} // namespace

double contrastRatio(BgrColour a, BgrColour b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isHighContrastScheme(const SchemeColours& scheme) {
    constexpr double enhanced = 7.0;
    return contrastRatio(scheme.window, scheme.windowText) >= enhanced &&
           contrastRatio(scheme.field, scheme.fieldText) >= enhanced &&
           contrastRatio(scheme.selection, scheme.selectionText) >= enhanced;
}

} // namespace varnik
