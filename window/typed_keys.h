// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"

#include <optional>

namespace varnik {

/// The keys the keyboard table knows by name; every other key counts by the character it types.
enum class KeyName {
    Other,
    Enter, ///< the main Enter key and the numeric keypad's
    Escape,
    Delete,
    Backspace,
    Insert,
    Menu,
    F10,
    KeypadDecimal, ///< the numeric keypad's decimal key, whatever character the layout gives it
    C,
    V,
    Tab, ///< for a front end whose toolkit does not walk the buttons itself (a web page)
};

/// One key press as a front end sees it: the key's name where the table knows it, and the
/// character it types on the user's layout.
struct TypedKey {
    KeyName name = KeyName::Other;
    char32_t character = 0; ///< 0 when the key types nothing
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

/// What a typed key runs: a calculator key (pressed as its hidden command button is), a command
/// of the clipboard or the context menu, a move of the focus (Tab, Shift+Tab), or nothing. The
/// space bar is not here: it presses the focused button, as the platforms do; and the desktops'
/// toolkits walk the buttons with Tab before the window sees the key.
std::optional<Action> actionForTypedKey(const TypedKey& key);

} // namespace varnik
