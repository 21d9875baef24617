// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <tuple>

namespace varnik {

// What the control tables give besides their rows: names, numbers and orders derived from them.

inline constexpr std::size_t skinKeyCount = std::tuple_size_v<decltype(skinKeys)>;
inline constexpr std::size_t commandButtonCount = std::tuple_size_v<decltype(commandButtons)>;
inline constexpr int pictureCount = 2 * static_cast<int>(skinKeyCount);

/// Key k's normal picture is Image(2k+1), its highlight Image(2k+2).
constexpr int normalImage(std::size_t key) {
    return 2 * static_cast<int>(key) + 1;
}
constexpr int highlightImage(std::size_t key) {
    return normalImage(key) + 1;
}
constexpr std::size_t keyOfImage(int image) {
    return static_cast<std::size_t>((image - 1) / 2);
}
constexpr bool isHighlightImage(int image) {
    return image % 2 == 0;
}

/// "Image7" for picture 7.
std::string pictureName(int image);

/// The rectangle of a picture or label.
Twips geometryOf(const Windowless& control);

/// The command button whose click runs `action`; every action of a button is on exactly one.
std::size_t buttonRow(const Action& action);

/// The command buttons' rows in tab order.
const std::array<std::size_t, commandButtonCount>& tabOrder();

/// The skin key that runs the same action as the command button, if there is one.
std::optional<std::size_t> twinKey(std::size_t buttonRow);

} // namespace varnik
