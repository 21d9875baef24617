// SPDX-License-Identifier: MIT
#include "controls.h"

#include <algorithm>
#include <numeric>

namespace varnik {

std::string pictureName(int image) {
    return "Image" + std::to_string(image);
}

Twips geometryOf(const Windowless& control) {
    switch (control.kind) {
    case Windowless::Kind::Picture:
        return skinKeys[keyOfImage(control.image)].geometry;
    case Windowless::Kind::LinkLabel:
        return linkGeometry;
    case Windowless::Kind::OperationLabel:
        return operationLabelGeometry;
    }
    return {};
}

std::size_t buttonRow(const Action& action) {
    const auto row =
        std::find_if(commandButtons.begin(), commandButtons.end(),
                     [&action](const CommandButtonRow& r) { return r.action == action; });
    return static_cast<std::size_t>(row - commandButtons.begin());
}

const std::array<std::size_t, commandButtonCount>& tabOrder() {
    static const auto order = [] {
        std::array<std::size_t, commandButtonCount> rows{};
        std::iota(rows.begin(), rows.end(), 0);
        std::sort(rows.begin(), rows.end(), [](std::size_t a, std::size_t b) {
            return commandButtons[a].tabIndex < commandButtons[b].tabIndex;
        });
        return rows;
    }();
    return order;
}

std::optional<std::size_t> twinKey(std::size_t buttonRow) {
    const Action& action = commandButtons[buttonRow].action;
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        if (skinKeys[key].action == action) {
            return key;
        }
    }
    return std::nullopt;
}

} // namespace varnik
