// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"
#include "control_tables.h"
#include "platform.h"

#include <optional>
#include <string>
#include <vector>

namespace varnik {

/// The window's context menu: Copy, Copy with Latin digits, Paste; the four memory keys; About.
/// An item that cannot act is disabled: the copies on a blank display, Paste without a number
/// on the clipboard.
std::vector<Platform::MenuItem> contextMenuItems(const CalculatorState& state,
                                                 const std::optional<std::string>& clipboard);

/// What the item at `index` runs.
Action contextMenuAction(std::size_t index);

} // namespace varnik
