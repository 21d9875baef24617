// SPDX-License-Identifier: MIT
#include "controls.h"

#include <algorithm>
#include <numeric>

namespace varnik {

std::string pictureName(int image) {
    return "Image" + std::to_string(image);
}

const std::array<std::size_t, commandButtonCount>& tabOrder() {
    static const auto order = [] {
        std::array<std::size_t, commandButtonCount> buttons{};
        std::iota(buttons.begin(), buttons.end(), 0);
        std::sort(buttons.begin(), buttons.end(), [](std::size_t a, std::size_t b) {
            return commandButton(a).tabIndex < commandButton(b).tabIndex;
        });
        return buttons;
    }();
    return order;
}

std::size_t nextInTabOrder(std::size_t button, bool backwards, bool pointEnabled) {
    const auto& order = tabOrder();
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t at = std::find(order.begin(), order.end(), button) - order.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        at = (at + (backwards ? count - 1 : 1)) % count;
        const std::size_t candidate = order[static_cast<std::size_t>(at)];
        if (candidate != pointButton || pointEnabled) {
            return candidate;
        }
    }
    return button;
}

const std::array<Windowless, windowlessCount>& stackingOrder() {
    static const auto order = [] {
        std::array<Windowless, windowlessCount> controls{};
        controls[linkLayer] = {Windowless::Kind::LinkLabel};
        controls[operationLabelLayer] = {Windowless::Kind::OperationLabel};
        for (std::size_t key = 0; key < skinKeyCount; ++key) {
            const SkinPart& skin = skinKey(key);
            controls[static_cast<std::size_t>(skin.normalLayer)] = {Windowless::Kind::NormalPicture,
                                                                    key};
            controls[static_cast<std::size_t>(skin.highlightLayer)] = {
                Windowless::Kind::HighlightPicture, key};
        }
        return controls;
    }();
    return order;
}

Twips geometryOf(const Windowless& control) {
    switch (control.kind) {
    case Windowless::Kind::NormalPicture:
    case Windowless::Kind::HighlightPicture:
        return skinKey(control.key).geometry;
    case Windowless::Kind::LinkLabel:
        return linkGeometry;
    case Windowless::Kind::OperationLabel:
        return operationLabelGeometry;
    }
    return {};
}

} // namespace varnik
