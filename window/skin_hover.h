// SPDX-License-Identifier: MIT
#pragma once

#include "scene.h"
#include "window_view.h"

#include <cstddef>

namespace varnik {

/// True when a point (in twips) lies on the key's rectangle. The rectangle is closed: a
/// pointer on the right or bottom edge line still counts as inside. The sums are formed in
/// 32-bit floats, as the pointer's coordinates are.
bool pointerInside(float x, float y, const Twips& key);

/// The skin's hover highlight, which belongs to the pointer alone. The highlight pictures'
/// visibility in the scene is its only state: at most one shows, that of the key the pointer
/// last entered. The link label turns blue under the pointer and grey again when the pointer
/// next enters a key. Every change is written to the scene and told to the view.
class SkinHover {
public:
    SkinHover(Scene& scene, WindowView& view);

    /// The link's colours from now on; the link takes the new colour of its state at once.
    void setColours(const WindowColours& colours);

    /// Hides every highlight and gives the link label its rest colour.
    void HideAll();
    /// The pointer moved over a key's normal picture.
    void enterKey(std::size_t key);
    /// The pointer moved over the bare window, at (x, y) in twips: hides the highlight of every
    /// key the pointer is outside. Never shows one.
    void leaveTest(float x, float y);
    /// The pointer moved over the link label.
    void hoverLink();

private:
    void showHighlight(std::size_t key, bool visible);
    void colourLink(const SceneColour& colour);

    Scene& m_scene;
    WindowView& m_view;
    const WindowColours* m_colours;
};

} // namespace varnik
