// SPDX-License-Identifier: MIT
#include "pointer_input.h"

namespace varnik {

namespace {

bool covers(const Twips& control, float x, float y) {
    const auto left = static_cast<float>(control.left);
    const auto top = static_cast<float>(control.top);
    return x >= left && x < left + static_cast<float>(control.width) && y >= top &&
           y < top + static_cast<float>(control.height);
}

Twips rectangleOf(const PointerTarget& target) {
    switch (target.kind) {
    case PointerTarget::Kind::NormalPicture:
    case PointerTarget::Kind::HighlightPicture:
        return skinKey(target.key).geometry;
    case PointerTarget::Kind::LinkLabel:
        return linkGeometry;
    case PointerTarget::Kind::BareWindow:
        break;
    }
    return {0, 0, clientWidth, clientHeight};
}

} // namespace

PointerTarget targetAt(float x, float y, const Scene& scene) {
    for (const Windowless& control : stackingOrder()) {
        if (!covers(geometryOf(control), x, y)) {
            continue;
        }
        switch (control.kind) {
        case Windowless::Kind::NormalPicture:
            return {PointerTarget::Kind::NormalPicture, control.key};
        case Windowless::Kind::HighlightPicture:
            if (scene.keys[control.key].lit) {
                return {PointerTarget::Kind::HighlightPicture, control.key};
            }
            break;
        case Windowless::Kind::LinkLabel:
            return {PointerTarget::Kind::LinkLabel};
        case Windowless::Kind::OperationLabel:
            break; // never shown
        }
    }
    return {};
}

PointerTarget ClickRule::moveTarget(const PointerTarget& under) const {
    return m_captured.value_or(under);
}

void ClickRule::press(const PointerTarget& under) {
    m_captured = under;
    m_clickOnRelease = true;
}

void ClickRule::doubleClick(const PointerTarget& under) {
    m_captured = under;
    m_clickOnRelease = false;
}

std::optional<PointerTarget> ClickRule::release(float x, float y) {
    const std::optional<PointerTarget> pressed = m_captured;
    const bool click = m_clickOnRelease;
    m_captured.reset();
    m_clickOnRelease = false;
    if (!pressed || !click || pressed->kind == PointerTarget::Kind::BareWindow ||
        !covers(rectangleOf(*pressed), x, y)) {
        return std::nullopt;
    }
    return pressed;
}

} // namespace varnik
