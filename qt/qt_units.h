// SPDX-License-Identifier: MIT
#pragma once

#include "units.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

namespace varnik {

/// A rectangle of the layout in pixels at 96 dpi; Qt scales pixels on denser screens.
inline QRect toQRect(const Twips& twips) {
    const PixelRect pixels = toPixels(twips);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

inline QColor toQColor(BgrColour colour) {
    return QColor(red(colour), green(colour), blue(colour));
}

/// A font of the layout; the default font when the family is empty.
inline QFont toQFont(const FontRow& row, const QFont& fallback) {
    if (*row.family == '\0') {
        return fallback;
    }
    QFont font(QString::fromLatin1(row.family));
    font.setPointSizeF(row.points);
    font.setBold(row.bold);
    return font;
}

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace varnik
