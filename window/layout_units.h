// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"

#include <QColor>
#include <QFont>
#include <QRect>

namespace varnik {

/// Twips to pixels at 96 dpi, rounded to the nearest pixel; Qt scales pixels on denser
/// screens.
inline int toPixels(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

inline QRect toPixels(const Twips& t) {
    return {toPixels(t.left), toPixels(t.top), toPixels(t.width), toPixels(t.height)};
}

/// The layout's 0x00BBGGRR colours, blue in the high byte.
inline QColor fromBgr(BgrColour bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

/// A font of the layout; the default font when the family is empty.
inline QFont toFont(const FontRow& row, const QFont& fallback) {
    if (*row.family == '\0') {
        return fallback;
    }
    QFont font(row.family);
    font.setPointSizeF(row.points);
    font.setBold(row.bold);
    return font;
}

} // namespace varnik
