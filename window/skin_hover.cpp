// SPDX-License-Identifier: MIT
#include "skin_hover.h"

#include "layout_units.h"

#include <QWidget>

namespace varnik {

bool pointerInside(float x, float y, const Twips& key) {
    const float left = static_cast<float>(key.left);
    const float top = static_cast<float>(key.top);
    const float right = left + static_cast<float>(key.width);
    const float bottom = top + static_cast<float>(key.height);
    return y >= top && y <= bottom && x >= left && x <= right;
}

SkinHover::SkinHover(const std::array<QWidget*, 18>& highlights, QWidget* link)
    : m_highlights(highlights), m_link(link) {}

void SkinHover::HideAll() {
    for (QWidget* highlight : m_highlights) {
        highlight->setVisible(false);
    }
    setLinkColour(linkRestColour);
}

void SkinHover::enterKey(std::size_t key) {
    HideAll();
    m_highlights[key]->setVisible(true);
}

void SkinHover::leaveTest(QPointF twips) {
    const auto x = static_cast<float>(twips.x());
    const auto y = static_cast<float>(twips.y());
    for (std::size_t key = 0; key < skinKeys.size(); ++key) {
        if (!pointerInside(x, y, skinKeys[key].geometry)) {
            m_highlights[key]->setVisible(false);
        }
    }
}

void SkinHover::hoverLink() {
    setLinkColour(linkHoverColour);
}

void SkinHover::setLinkColour(BgrColour colour) {
    const QColor wanted = fromBgr(colour);
    if (m_link->palette().color(QPalette::WindowText) != wanted) {
        QPalette palette = m_link->palette();
        palette.setColor(QPalette::WindowText, wanted);
        m_link->setPalette(palette);
    }
}

} // namespace varnik
