// SPDX-License-Identifier: MIT
#include "context_menu.h"

#include "clipboard_text.h"

#include <array>

namespace varnik {

namespace {

struct MenuRow {
    MessageId label;
    const char* shortcut;
    Action action;
    bool separatorBefore;
};

const std::array<MenuRow, 8> menu{{
    {NC_("menu", "Copy"), "Ctrl+C", Command::Copy, false},
    // TRANSLATORS: Copies the display with the digits 0 to 9 instead of Bengali digits.
    {NC_("menu", "Copy with Latin digits"), "Ctrl+Shift+C", Command::CopyLatin, false},
    {NC_("menu", "Paste"), "Ctrl+V", Command::Paste, false},
    // TRANSLATORS: Adds the display to the memory.
    {NC_("menu", "M +"), "", Key::MemoryAdd, true},
    // TRANSLATORS: Subtracts the display from the memory.
    {NC_("menu", "M -"), "", Key::MemorySubtract, false},
    // TRANSLATORS: Shows the memory on the display.
    {NC_("menu", "M Rc"), "", Key::MemoryRecall, false},
    // TRANSLATORS: Sets the memory to 0.
    {NC_("menu", "Clear Memory"), "", Key::MemoryClear, false},
    {NC_("menu", "About"), "", Shell::About, true},
}};

} // namespace

ContextMenu contextMenu(const CalculatorState& state, bool canPaste, const Messages& messages) {
    const bool canCopy = copyText(state.txtnum, false).has_value();
    ContextMenu shown;
    for (const MenuRow& row : menu) {
        bool enabled = true;
        if (row.action == Action{Command::Copy} || row.action == Action{Command::CopyLatin}) {
            enabled = canCopy;
        } else if (row.action == Action{Command::Paste}) {
            enabled = canPaste;
        }
        shown.items.push_back(
            {std::string(messages.text(row.label)), row.shortcut, enabled, row.separatorBefore});
        shown.actions.push_back(row.action);
    }
    return shown;
}

std::string_view menuItemText(const Messages& messages, const Action& action) {
    for (const MenuRow& row : menu) {
        if (row.action == action) {
            return messages.text(row.label);
        }
    }
    return {};
}

} // namespace varnik
