// SPDX-License-Identifier: MIT
#pragma once

#include "window_colours.h"

#include <QColor>

class QPalette;

namespace varnik {

/// The colour a scene colour stands for: a colour of the tables, or the desktop's as the
/// application's palette gives it.
QColor toQColor(const SceneColour& colour);

/// Whether a palette is a high-contrast scheme: Qt 6.4 reports the desktop's setting through
/// nothing else (a KDE high-contrast colour scheme arrives as the palette; GTK's high-contrast
/// themes do not arrive at all).
bool isHighContrastPalette(const QPalette& palette);

} // namespace varnik
