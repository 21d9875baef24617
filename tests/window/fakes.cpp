// SPDX-License-Identifier: MIT
#include "fakes.h"

#include <stdexcept>

namespace varnik::test {

std::vector<std::string> FakeView::shownKeys() const {
    std::vector<std::string> names;
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        if (shown[key]) {
            names.emplace_back(skinKeys[key].accessibleName);
        }
    }
    return names;
}

std::size_t keyNamed(std::string_view key) {
    for (std::size_t k = 0; k < skinKeyCount; ++k) {
        if (key == skinKeys[k].accessibleName) {
            return k;
        }
    }
    throw std::invalid_argument("no skin key named " + std::string(key));
}

Point centreOf(std::string_view key) {
    const Twips& g = skinKeys[keyNamed(key)].geometry;
    return {static_cast<float>(g.left + g.width / 2), static_cast<float>(g.top + g.height / 2)};
}

Point pixels(float x, float y) {
    return {x * twipsPerPixel, y * twipsPerPixel};
}

StartedWindow::StartedWindow() {
    form.load();
    form.activate();
}

void StartedWindow::click(Point at) {
    move(at);
    press(at);
    release(at);
}

void StartedWindow::clickKeys(std::initializer_list<std::string_view> keys) {
    for (const std::string_view key : keys) {
        click(centreOf(key));
    }
}

} // namespace varnik::test
