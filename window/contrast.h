// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"

namespace varnik {

/// The contrast ratio of two colours as WCAG defines it: 1 (the same) to 21 (black on white).
double contrastRatio(BgrColour a, BgrColour b);

/// A desktop's colour scheme: backgrounds and the texts on them.
struct SchemeColours {
    BgrColour window;
    BgrColour windowText;
    BgrColour field;
    BgrColour fieldText;
    BgrColour selection;
    BgrColour selectionText;
};

/// Whether a desktop's colours form a high-contrast scheme, for a desktop that tells its
/// setting only through its colours (Qt 6.4 on KDE takes the colour scheme's): the window's,
/// the text field's and the selection's texts each stand out from their backgrounds by at
/// least 7:1 (WCAG's enhanced contrast). Ordinary schemes, light or dark, keep a softer
/// selection (their blues take white text at 3 to 4.5:1).
bool isHighContrastScheme(const SchemeColours& scheme);

} // namespace varnik
