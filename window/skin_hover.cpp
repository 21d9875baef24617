// SPDX-License-Identifier: MIT
#include "skin_hover.h"

namespace varnik {

bool pointerInside(float x, float y, const Twips& key) {
    const auto left = static_cast<float>(key.left);
    const auto top = static_cast<float>(key.top);
    const float right = left + static_cast<float>(key.width);
    const float bottom = top + static_cast<float>(key.height);
    return y >= top && y <= bottom && x >= left && x <= right;
}

SkinHover::SkinHover(Scene& scene, WindowView& view)
    : m_scene(scene), m_view(view), m_colours(&windowColours(false)) {}

void SkinHover::setColours(const WindowColours& colours) {
    const bool hovered = m_scene.linkColour == m_colours->linkHover;
    m_colours = &colours;
    colourLink(hovered ? colours.linkHover : colours.linkRest);
}

void SkinHover::HideAll() {
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        showHighlight(key, false);
    }
    colourLink(m_colours->linkRest);
}

void SkinHover::enterKey(std::size_t key) {
    HideAll();
    showHighlight(key, true);
}

void SkinHover::leaveTest(float x, float y) {
    // All 18 every time, in the order of the key map.
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        if (!pointerInside(x, y, skinKey(key).geometry)) {
            showHighlight(key, false);
        }
    }
}

void SkinHover::hoverLink() {
    colourLink(m_colours->linkHover);
}

void SkinHover::showHighlight(std::size_t key, bool visible) {
    if (m_scene.keys[key].lit != visible) {
        m_scene.keys[key].lit = visible;
        m_view.skinKeyChanged(key);
    }
}

void SkinHover::colourLink(const SceneColour& colour) {
    if (m_scene.linkColour != colour) {
        m_scene.linkColour = colour;
        m_view.linkChanged();
    }
}

} // namespace varnik
