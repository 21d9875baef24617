// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace varnik {

// What the key table gives besides its rows: orders, counts and lookups derived from it, and
// checked here once, when the program is compiled.

namespace detail {

constexpr std::size_t countRows(bool withButton) {
    std::size_t count = 0;
    for (const KeyRow& row : keyRows) {
        count += withButton ? row.button.has_value() : row.skin.has_value();
    }
    return count;
}

} // namespace detail

inline constexpr std::size_t commandButtonCount = detail::countRows(true);
inline constexpr std::size_t skinKeyCount = detail::countRows(false);
inline constexpr int pictureCount = 2 * static_cast<int>(skinKeyCount);
/// The pictures and the two labels, which share one stacking order.
inline constexpr int windowlessCount = pictureCount + 2;

namespace detail {

// The rows with a button, in the table's order: button b is row buttonRows[b].
constexpr std::array<std::size_t, commandButtonCount> buttonRows() {
    std::array<std::size_t, commandButtonCount> rows{};
    std::size_t b = 0;
    for (std::size_t row = 0; row < keyRows.size(); ++row) {
        if (keyRows[row].button) {
            rows[b++] = row;
        }
    }
    return rows;
}

// The rows with skin pictures in the order of the key map: key k owns Image(2k+1) and
// Image(2k+2). Checks that the pictures are numbered 1, 3 ... without a gap or a repeat.
constexpr std::array<std::size_t, skinKeyCount> skinRows() {
    std::array<std::size_t, skinKeyCount> rows{};
    std::array<bool, skinKeyCount> seen{};
    for (std::size_t row = 0; row < keyRows.size(); ++row) {
        if (const auto& skin = keyRows[row].skin) {
            const auto key = static_cast<std::size_t>((skin->image - 1) / 2);
            if (skin->image % 2 != 1 || key >= skinKeyCount || seen[key]) {
                throw "the skin's pictures must be numbered 1, 3 ... 35, each once";
            }
            seen[key] = true;
            rows[key] = row;
        }
    }
    return rows;
}

constexpr bool layersAreAnOrder() {
    std::array<bool, windowlessCount> taken{};
    const auto take = [&taken](int layer) {
        if (layer < 0 || layer >= windowlessCount || taken[static_cast<std::size_t>(layer)]) {
            return false;
        }
        taken[static_cast<std::size_t>(layer)] = true;
        return true;
    };
    bool ok = take(linkLayer) && take(operationLabelLayer);
    for (const KeyRow& row : keyRows) {
        if (row.skin) {
            // A shown highlight covers its normal picture and takes the pointer there.
            ok = ok && take(row.skin->normalLayer) && take(row.skin->highlightLayer) &&
                 row.skin->highlightLayer < row.skin->normalLayer;
        }
    }
    return ok;
}

constexpr bool oneRowPerAction() {
    for (std::size_t a = 0; a < keyRows.size(); ++a) {
        for (std::size_t b = a + 1; b < keyRows.size(); ++b) {
            if (keyRows[a].action == keyRows[b].action) {
                return false;
            }
        }
    }
    return true;
}

constexpr bool tabIndexesDiffer() {
    for (const std::size_t a : buttonRows()) {
        for (const std::size_t b : buttonRows()) {
            if (a != b && keyRows[a].button->tabIndex == keyRows[b].button->tabIndex) {
                return false;
            }
        }
    }
    return true;
}

} // namespace detail

inline constexpr std::array<std::size_t, commandButtonCount> buttonRows = detail::buttonRows();
inline constexpr std::array<std::size_t, skinKeyCount> skinRows = detail::skinRows();
static_assert(detail::layersAreAnOrder(),
              "every picture and label needs a layer of its own, each highlight in front");
static_assert(detail::oneRowPerAction(), "an action has one row");
static_assert(detail::tabIndexesDiffer(), "no two buttons share a tab index");

/// Command button b (0 is the front-most) and skin key k (in key map order).
constexpr const ButtonPart& commandButton(std::size_t b) {
    return *keyRows[buttonRows[b]].button;
}
constexpr const Action& buttonAction(std::size_t b) {
    return keyRows[buttonRows[b]].action;
}
constexpr const SkinPart& skinKey(std::size_t k) {
    return *keyRows[skinRows[k]].skin;
}
constexpr const Action& skinAction(std::size_t k) {
    return keyRows[skinRows[k]].action;
}

/// The command button that runs `action`, if one does.
constexpr std::optional<std::size_t> buttonOf(const Action& action) {
    for (std::size_t b = 0; b < commandButtonCount; ++b) {
        if (buttonAction(b) == action) {
            return b;
        }
    }
    return std::nullopt;
}

/// The skin key that runs `action`, if one does.
constexpr std::optional<std::size_t> skinKeyOf(const Action& action) {
    for (std::size_t k = 0; k < skinKeyCount; ++k) {
        if (skinAction(k) == action) {
            return k;
        }
    }
    return std::nullopt;
}

/// The buttons the window itself addresses: a missing one fails the build.
inline constexpr std::size_t aboutButton = *buttonOf(Shell::About);
inline constexpr std::size_t pointButton = *buttonOf(Key::Point);

/// Key k's normal picture is Image(2k+1), its highlight Image(2k+2).
constexpr int normalImage(std::size_t key) {
    return 2 * static_cast<int>(key) + 1;
}
constexpr int highlightImage(std::size_t key) {
    return normalImage(key) + 1;
}

/// "Image7" for picture 7.
std::string pictureName(int image);

/// The command buttons in tab order.
const std::array<std::size_t, commandButtonCount>& tabOrder();

/// The button the focus reaches from `button` with Tab (or Shift+Tab when `backwards`),
/// skipping disabled ones; it wraps around at either end.
std::size_t nextInTabOrder(std::size_t button, bool backwards, bool pointEnabled);

/// The skin key that runs the same action as command button `button`, if there is one.
constexpr std::optional<std::size_t> twinKey(std::size_t button) {
    return skinKeyOf(buttonAction(button));
}

/// What a screen reader calls command button `button` (a msgid): its twin's name, or its own.
constexpr const char* buttonAccessibleName(std::size_t button) {
    const auto twin = twinKey(button);
    return twin ? skinKey(*twin).accessibleName : commandButton(button).accessibleName;
}

namespace detail {

// Each button's name stands in one place: on its twin, or on the button that has none.
constexpr bool everyButtonNamedOnce() {
    for (std::size_t b = 0; b < commandButtonCount; ++b) {
        if (twinKey(b).has_value() == (commandButton(b).accessibleName != nullptr)) {
            return false;
        }
    }
    return true;
}

} // namespace detail

static_assert(detail::everyButtonNamedOnce(),
              "a button without a picture twin needs a name, one with a twin takes the twin's");

/// A picture or label of the window, in the stacking order of them all.
struct Windowless {
    enum class Kind {
        NormalPicture,
        HighlightPicture,
        LinkLabel,
        OperationLabel
    };
    Kind kind;
    std::size_t key = 0; ///< the skin key of a picture

    bool operator==(const Windowless& other) const {
        return kind == other.kind && key == other.key;
    }
};

/// The pictures and labels front to back, from the layers of the key table.
const std::array<Windowless, windowlessCount>& stackingOrder();

/// The rectangle of a picture or label.
Twips geometryOf(const Windowless& control);

} // namespace varnik
