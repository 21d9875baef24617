// SPDX-License-Identifier: MIT
#pragma once

#include "scene.h"

#include <cstddef>
#include <optional>

namespace varnik {

/// What takes the pointer's events at a point: a picture, the link label or the bare window.
struct PointerTarget {
    enum class Kind {
        BareWindow,
        NormalPicture,
        HighlightPicture,
        LinkLabel
    };
    Kind kind = Kind::BareWindow;
    std::size_t key = 0; ///< the skin key of a picture

    bool operator==(const PointerTarget& other) const {
        return kind == other.kind && key == other.key;
    }
};

/// The topmost visible picture or label under the point (in twips), in the stacking order; the
/// bare window where there is none. A control covers its rectangle's left and top edges, not
/// its right and bottom ones, as pixels do.
PointerTarget targetAt(float x, float y, const Scene& scene);

/// The click rule. A left-button press and release on the same control is a click; the second
/// press of a double-click is none. While the button is held, the control pressed keeps the
/// pointer's events, as the platforms capture the mouse for it.
class ClickRule {
public:
    /// Which control gets a move over `under`.
    PointerTarget moveTarget(const PointerTarget& under) const;
    void press(const PointerTarget& under);
    void doubleClick(const PointerTarget& under);
    /// The control this release at (x, y) clicks, if any.
    std::optional<PointerTarget> release(float x, float y);

private:
    std::optional<PointerTarget> m_captured;
    bool m_clickOnRelease = false;
};

} // namespace varnik
