// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"
#include "control_tables.h"
#include "messages.h"
#include "platform.h"

#include <string_view>
#include <vector>

namespace varnik {

/// The window's context menu as it is shown, and what each of its items runs.
struct ContextMenu {
    std::vector<Platform::MenuItem> items;
    std::vector<Action> actions;
};

/// Copy, Copy with Latin digits, Paste; the four memory keys; About; in the language of
/// `messages`. An item that cannot act is disabled: the copies on a blank display, Paste when
/// `canPaste` is false (the clipboard holds no number).
ContextMenu contextMenu(const CalculatorState& state, bool canPaste, const Messages& messages);

/// The context menu's item that runs `action`, without its key (the menu shows the key after a
/// tab); "" for an action the menu does not have.
std::string_view menuItemText(const Messages& messages, const Action& action);

} // namespace varnik
