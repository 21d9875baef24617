// SPDX-License-Identifier: MIT
#include "context_menu.h"

#include "clipboard_text.h"
#include "controls.h"

#include <array>

namespace varnik {

namespace {

struct MenuRow {
    const char* label; ///< nullptr: the caption of the command button that runs the action
    const char* shortcut;
    Action action;
    bool separatorBefore;
};

const std::array<MenuRow, 8> menu{{
    {"Copy", "Ctrl+C", Command::Copy, false},
    {"Copy with Latin digits", "Ctrl+Shift+C", Command::CopyLatin, false},
    {"Paste", "Ctrl+V", Command::Paste, false},
    {nullptr, "", Key::MemoryAdd, true},
    {nullptr, "", Key::MemorySubtract, false},
    {nullptr, "", Key::MemoryRecall, false},
    {nullptr, "", Key::MemoryClear, false},
    {nullptr, "", Shell::About, true},
}};

std::string labelOf(const MenuRow& row) {
    if (row.label) {
        return row.label;
    }
    const auto button = buttonOf(row.action);
    std::string caption = button ? commandButton(*button).caption : "";
    caption.erase(caption.find_last_not_of(' ') + 1); // "About " is "About" in a menu
    return caption;
}

} // namespace

ContextMenu contextMenu(const CalculatorState& state, bool canPaste) {
    const bool canCopy = copyText(state.txtnum, false).has_value();
    ContextMenu shown;
    for (const MenuRow& row : menu) {
        bool enabled = true;
        if (row.action == Action{Command::Copy} || row.action == Action{Command::CopyLatin}) {
            enabled = canCopy;
        } else if (row.action == Action{Command::Paste}) {
            enabled = canPaste;
        }
        shown.items.push_back({labelOf(row), row.shortcut, enabled, row.separatorBefore});
        shown.actions.push_back(row.action);
    }
    return shown;
}

} // namespace varnik
