// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"

#include <QPointF>
#include <array>

class QWidget;

namespace varnik {

/// True when a point (in twips) lies on the key's rectangle. The rectangle is closed: a
/// pointer on the right or bottom edge line still counts as inside. The sums are formed in
/// 32-bit floats, as the pointer's coordinates are.
bool pointerInside(float x, float y, const Twips& key);

/// The skin's hover highlight. The highlight pictures' visibility is the only state: at most
/// one shows, that of the key the pointer last entered. The link label turns blue under the
/// pointer and grey again when the pointer next enters a key.
class SkinHover {
public:
    /// `highlights` in the order of the skin key table.
    SkinHover(const std::array<QWidget*, 18>& highlights, QWidget* link);

    /// Hides every highlight and gives the link label its rest colour.
    void HideAll();
    /// The pointer moved over a key's normal picture.
    void enterKey(std::size_t key);
    /// The pointer moved over the bare window, at `twips`: hides the highlight of every key
    /// the pointer is outside. Never shows one.
    void leaveTest(QPointF twips);
    /// The pointer moved over the link label.
    void hoverLink();

private:
    void setLinkColour(BgrColour colour);

    std::array<QWidget*, 18> m_highlights;
    QWidget* m_link;
};

} // namespace varnik
